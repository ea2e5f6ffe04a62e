// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/transmission_check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "tone/synthesis.h"

namespace tonalis {
namespace {

constexpr const char* kDigitTaken = TONALIS_TEXT("digit %1 (%2): taken");
constexpr const char* kDigitProblem = TONALIS_TEXT("digit %1 (%2): %3");
constexpr const char* kDigitNotHeard = TONALIS_TEXT("digit %1 (%2) not heard");
constexpr const char* kAfterDigit = TONALIS_TEXT("after digit %1: %2");
constexpr const char* kHeardOf = TONALIS_TEXT("%1 of %2 digits heard");
constexpr const char* kSilent = TONALIS_TEXT("%1: the recording is silent");
constexpr const char* kNoDtmf = TONALIS_TEXT("%1: no DTMF in the recording (its peak %2 dBFS)");
constexpr const char* kOneMoreProblem = TONALIS_TEXT("%1, 1 more problem");
constexpr const char* kMoreProblems = TONALIS_TEXT("%1, %2 more problems");
constexpr const char* kLevels = TONALIS_TEXT("%1, level %2 dBFS, twist %3 dB, shortest digit %4 ms");
constexpr const char* kGap = TONALIS_TEXT("%1, gap %2 ms");
constexpr const char* kAllTaken = TONALIS_TEXT("every digit would be taken");
constexpr const char* kMissed = TONALIS_TEXT("%1 would be missed");

}  // namespace

std::string SentDigits(const std::string& sequence) {
  std::string digits;
  for (char c : sequence)
    if (LowFrequency(c) != 0.0) digits += c;
  return digits;
}

namespace {

DtmfMeter Metered(const std::int16_t* samples, std::size_t count, int rate) {
  DtmfMeter meter(rate);
  meter.push(samples, count);
  meter.finish();
  return meter;
}

}  // namespace

TransmissionCheck::TransmissionCheck(const std::int16_t* samples, std::size_t count, int rate,
                                     const std::string& sequence, const ReceiverLimits& limits)
    : TransmissionCheck(Metered(samples, count, rate), sequence, limits) {}

TransmissionCheck::TransmissionCheck(const DtmfMeter& meter, const std::string& sequence,
                                     const ReceiverLimits& limits)
    : sent_(SentDigits(sequence)), heard_(meter.measured()) {
  verdicts_ = CheckDigits(sent_, heard_, limits);
  if (meter.peak() > 0) peakDbfs_ = 20 * std::log10(meter.peak() / 32768.0);
}

std::size_t TransmissionCheck::sentAndHeard() const {
  return static_cast<std::size_t>(
      std::count_if(verdicts_.begin(), verdicts_.end(), [](const DigitVerdict& v) { return v.expected && v.heard; }));
}

std::size_t TransmissionCheck::problems() const {
  return static_cast<std::size_t>(
      std::count_if(verdicts_.begin(), verdicts_.end(), [](const DigitVerdict& v) { return !v.taken(); }));
}

std::string TransmissionCheck::describe(const DigitVerdict& v, Translate tx) const {
  // Digits sent are numbered as sent; one heard but not sent is named by its neighbour.
  std::size_t position = 0;
  for (const auto& other : verdicts_) {
    if (other.expected) ++position;
    if (&other == &v) break;
  }
  const std::string number = std::to_string(position), digit(1, v.expected);
  if (!v.expected) return Fill(tx(kAfterDigit), {number, v.problem(tx)});
  if (!v.heard) return Fill(tx(kDigitNotHeard), {number, digit});
  if (v.taken()) return Fill(tx(kDigitTaken), {number, digit});
  return Fill(tx(kDigitProblem), {number, digit, v.problem(tx)});
}

std::string TransmissionCheck::summary(Translate tx) const {
  std::string out = Fill(tx(kHeardOf), {std::to_string(sentAndHeard()), std::to_string(sent_.size())});
  if (heard_.empty()) {
    if (peakDbfs_ <= -120) return Fill(tx(kSilent), {out});
    return Fill(tx(kNoDtmf), {out, Printed("%.1f", peakDbfs_)});
  }
  // The worst problem comes first, as it is what the operator acts on: a
  // digit lost, then one heard that was not sent, then the first other.
  const DigitVerdict* worst = nullptr;
  auto rank = [](const DigitVerdict& v) { return !v.heard ? 0 : !v.expected ? 1 : 2; };
  for (const auto& v : verdicts_)
    if (!v.taken() && (!worst || rank(v) < rank(*worst))) worst = &v;
  if (worst) {
    const std::size_t count = problems();
    const std::string first = describe(*worst, tx);
    out += " (" +
           (count == 1   ? first
            : count == 2 ? Fill(tx(kOneMoreProblem), {first})
                         : Fill(tx(kMoreProblems), {first, std::to_string(count - 1)})) +
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
  out = Fill(tx(kLevels), {out, Printed("%.1f", level / n), Printed("%+.1f", meanTwist), Printed("%.0f", shortest)});
  if (shortestGap < 1e18) out = Fill(tx(kGap), {out, Printed("%.0f", shortestGap)});
  return out;
}

std::string TransmissionCheck::report(Translate tx) const {
  std::string out;
  for (const auto& v : verdicts_) out += describe(v, tx) + "\n";
  const std::size_t missed = problems();
  return out + (missed == 0 ? tx(kAllTaken) : Fill(tx(kMissed), {std::to_string(missed)})) + "\n";
}

}  // namespace tonalis
