// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/transmission_check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "tone/synthesis.h"

namespace tonalis {

std::string SentDigits(const std::string& sequence) {
  std::string digits;
  for (char c : sequence)
    if (LowFrequency(c) != 0.0) digits += c;
  return digits;
}

TransmissionCheck::TransmissionCheck(const std::int16_t* samples, std::size_t count, int rate,
                                     const std::string& sequence, const ReceiverLimits& limits)
    : sent_(SentDigits(sequence)) {
  DtmfDecoder decoder(rate);
  auto digits = decoder.push(samples, count);
  const auto last = decoder.finish();
  digits.insert(digits.end(), last.begin(), last.end());
  heard_ = MeasureDigits(samples, count, rate, digits);
  verdicts_ = CheckDigits(sent_, heard_, limits);
  int peak = 0;
  for (std::size_t i = 0; i < count; ++i) peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
  if (peak > 0) peakDbfs_ = 20 * std::log10(peak / 32768.0);
}

std::size_t TransmissionCheck::sentAndHeard() const {
  return static_cast<std::size_t>(
      std::count_if(verdicts_.begin(), verdicts_.end(), [](const DigitVerdict& v) { return v.expected && v.heard; }));
}

std::size_t TransmissionCheck::problems() const {
  return static_cast<std::size_t>(
      std::count_if(verdicts_.begin(), verdicts_.end(), [](const DigitVerdict& v) { return !v.problem.empty(); }));
}

std::string TransmissionCheck::describe(const DigitVerdict& v) const {
  // Digits sent are numbered as sent; one heard but not sent is named by its neighbour.
  std::size_t position = 0;
  for (const auto& other : verdicts_) {
    if (other.expected) ++position;
    if (&other == &v) break;
  }
  char text[220];
  if (v.expected)
    std::snprintf(text, sizeof text, "digit %zu (%c)%s%s", position, v.expected, v.heard ? ": " : " ",
                  v.problem.empty() ? "taken" : v.problem.c_str());
  else
    std::snprintf(text, sizeof text, "after digit %zu: %s", position, v.problem.c_str());
  return text;
}

std::string TransmissionCheck::summary() const {
  char text[200];
  std::snprintf(text, sizeof text, "%zu of %zu digits heard", sentAndHeard(), sent_.size());
  std::string out = text;
  if (heard_.empty()) {
    if (peakDbfs_ <= -120) return out + ": the recording is silent";
    std::snprintf(text, sizeof text, ": no DTMF in the recording (its peak %.1f dBFS)", peakDbfs_);
    return out + text;
  }
  // The worst problem comes first, as it is what the operator acts on: a
  // digit lost, then one heard that was not sent, then the first other.
  const DigitVerdict* worst = nullptr;
  auto rank = [](const DigitVerdict& v) { return !v.heard ? 0 : !v.expected ? 1 : 2; };
  for (const auto& v : verdicts_)
    if (!v.problem.empty() && (!worst || rank(v) < rank(*worst))) worst = &v;
  if (worst) {
    const std::size_t count = problems();
    out += " (" + describe(*worst) +
           (count == 1 ? std::string() : ", " + std::to_string(count - 1) + (count == 2 ? " more problem" : " more problems")) +
           ")";
  }
  double level = 0, twist = 0, shortest = 1e18, shortestGap = 1e18;
  for (const auto& d : heard_) {
    level += (d.lowDbfs + d.highDbfs) / 2;
    twist += d.twistDb();
    shortest = std::min(shortest, d.lengthMs);
    if (d.gapMs) shortestGap = std::min(shortestGap, *d.gapMs);
  }
  const double n = static_cast<double>(heard_.size());
  // A twist that rounds to zero is shown as +0.0, never -0.0.
  const double meanTwist = std::abs(twist / n) < 0.05 ? 0.0 : twist / n;
  std::snprintf(text, sizeof text, ", level %.1f dBFS, twist %+.1f dB, shortest digit %.0f ms", level / n, meanTwist,
                shortest);
  out += text;
  if (shortestGap < 1e18) {
    std::snprintf(text, sizeof text, ", gap %.0f ms", shortestGap);
    out += text;
  }
  return out;
}

std::string TransmissionCheck::report() const {
  std::string out;
  for (const auto& v : verdicts_) out += describe(v) + "\n";
  const std::size_t missed = problems();
  return out + (missed == 0 ? "every digit would be taken\n" : std::to_string(missed) + " would be missed\n");
}

}  // namespace tonalis
