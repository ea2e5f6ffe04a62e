// SPDX-License-Identifier: GPL-3.0-or-later
// How well `dtmf-decode --measure` measures: digits made here by a
// generator of its own (not the tool's synthesis), with frequencies, levels,
// twist, lengths and gaps that are known, at every rate, clean and at 10 dB
// SNR; the RMS error of each quantity beside its bound, and the largest.
// At 10 dB SNR short digits cannot do better than the noise allows: the
// table gives the Cramer-Rao bound for the level of the quietest digit's
// tones (no unbiased estimator's RMS is lower), which the largest of 32
// errors exceeds by about 2.5 times.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "listen/dtmf_decoder.h"
#include "listen/dtmf_measure.h"

namespace {

struct Injected {
  char digit;
  double lowHz, highHz, lowDbfs, highDbfs, startMs, lengthMs;
};

// The DTMF matrix, written out here again.
void Nominal(char digit, double& low, double& high) {
  const std::string keys = "123A456B789C*0#D";
  const double rows[4] = {697, 770, 852, 941}, columns[4] = {1209, 1336, 1477, 1633};
  const auto at = keys.find(digit);
  low = rows[at / 4];
  high = columns[at % 4];
}

double Amplitude(double dbfs) { return 32768.0 * std::pow(10.0, dbfs / 20.0); }

}  // namespace

int main() {
  using namespace tonalis;
  const int rates[] = {8000, 11025, 16000, 22050, 44100, 48000};
  const double lengths[] = {25, 40, 60, 100};
  const double snrs[] = {1e9, 10};  // clean, then 10 dB
  const std::string digits = "1472*0#DA59C368B";
  std::mt19937 random(20261208);
  std::printf("%-6s %-5s %-5s %6s %15s %13s %13s %13s %13s %9s\n", "rate", "digit", "SNR", "heard", "freq %",
              "level dB", "twist dB", "start/len ms", "gap ms", "level CRB");
  std::printf("%-6s %-5s %-5s %6s %15s %13s %13s %13s %13s %9s\n", "", "ms", "dB", "", "rms/max (0.2)",
              "rms/max (0.5)", "rms/max (0.5)", "rms/max (2)", "rms/max (2)", "dB");
  bool allWithin = true;
  for (double snr : snrs) {
    for (int rate : rates) {
      for (double length : lengths) {
        // Each digit a little off its nominal tones, with its own levels.
        std::uniform_real_distribution<double> offset(-0.01, 0.01), level(-20, -9), twist(-3, 3), gap(25, 60);
        std::vector<Injected> injected;
        double at = 50;
        for (char d : digits) {
          double low, high;
          Nominal(d, low, high);
          const double l = level(random), t = twist(random);
          injected.push_back({d, low * (1 + offset(random)), high * (1 + offset(random)), l, l + t, at, length});
          at += length + gap(random);
        }
        const auto count = static_cast<std::size_t>((at + 50) * rate / 1000);
        std::vector<double> sound(count, 0.0);
        double quietest = 1e300;
        for (const auto& d : injected) {
          const auto first = static_cast<std::size_t>(std::llround(d.startMs * rate / 1000));
          const auto n = static_cast<std::size_t>(std::llround(d.lengthMs * rate / 1000));
          const double a = Amplitude(d.lowDbfs), b = Amplitude(d.highDbfs);
          std::uniform_real_distribution<double> phase(0, 2 * M_PI);
          const double p = phase(random), q = phase(random);
          for (std::size_t i = 0; i < n; ++i) {
            const double t = static_cast<double>(i) / rate;
            sound[first + i] = a * std::sin(2 * M_PI * d.lowHz * t + p) + b * std::sin(2 * M_PI * d.highHz * t + q);
          }
          quietest = std::min(quietest, (a * a + b * b) / 2);
        }
        // White noise over the whole band, 10 dB under the quietest digit's
        // two tones: every digit is heard at 10 dB SNR or better.
        std::normal_distribution<double> noise(0, std::sqrt(quietest / std::pow(10, snr / 10)));
        std::vector<std::int16_t> samples(count);
        for (std::size_t i = 0; i < count; ++i)
          samples[i] = static_cast<std::int16_t>(std::clamp(std::lround(sound[i] + noise(random)), -32768L, 32767L));

        DtmfDecoder decoder(rate);
        auto heard = decoder.push(samples.data(), samples.size());
        const auto tail = decoder.finish();
        heard.insert(heard.end(), tail.begin(), tail.end());
        const auto measured = MeasureDigits(samples.data(), samples.size(), rate, heard);
        // Each quantity's errors: their RMS (checked) and the largest.
        struct Error {
          double squares = 0, largest = 0;
          std::size_t count = 0;
          void add(double e) {
            squares += e * e;
            largest = std::max(largest, std::abs(e));
            ++count;
          }
          double rms() const { return count ? std::sqrt(squares / static_cast<double>(count)) : 0; }
        } freq, levelError, twistError, lengthError, gapError;
        std::size_t matched = 0;
        for (std::size_t i = 0; i < measured.size() && i < injected.size(); ++i) {
          const auto& m = measured[i];
          const auto& d = injected[i];
          if (m.digit != d.digit) continue;
          ++matched;
          freq.add((m.lowHz / d.lowHz - 1) * 100);
          freq.add((m.highHz / d.highHz - 1) * 100);
          levelError.add(m.lowDbfs - d.lowDbfs);
          levelError.add(m.highDbfs - d.highDbfs);
          twistError.add(m.twistDb() - (d.highDbfs - d.lowDbfs));
          lengthError.add(m.lengthMs - d.lengthMs);
          lengthError.add(m.startMs - d.startMs);
          if (m.gapMs && i > 0) gapError.add(*m.gapMs - (d.startMs - injected[i - 1].startMs - injected[i - 1].lengthMs));
        }
        const bool within = matched == injected.size() && freq.rms() <= 0.2 && levelError.rms() <= 0.5 &&
                            twistError.rms() <= 0.5 && lengthError.rms() <= 2 && gapError.rms() <= 2;
        allWithin = allWithin && within;
        // The Cramer-Rao bound on a tone's level: its amplitude's variance is
        // at least 2 sigma^2 / N over the N samples of its steady part (the
        // digit less 2 ms at each edge), sigma^2 the noise's power.
        double crb = 0;
        if (snr < 1e6) {
          const double noisePower = quietest / std::pow(10, snr / 10);
          const double n = (length - 4) * rate / 1000;
          const double toneAmplitude = std::sqrt(quietest);  // each of the pair's two, as equal
          crb = 20 * std::log10(1 + std::sqrt(2 * noisePower / n) / toneAmplitude);
        }
        char snrText[16], crbText[16] = "";
        std::snprintf(snrText, sizeof snrText, "%s", snr > 1e6 ? "clean" : "10");
        if (crb > 0) std::snprintf(crbText, sizeof crbText, "%.2f", crb);
        std::printf("%-6d %-5.0f %-5s %2zu/%-3zu %7.3f/%-7.3f %6.2f/%-6.2f %6.2f/%-6.2f %6.2f/%-6.2f %6.2f/%-6.2f %9s %s\n",
                    rate, length, snrText, matched, injected.size(), freq.rms(), freq.largest, levelError.rms(),
                    levelError.largest, twistError.rms(), twistError.largest, lengthError.rms(), lengthError.largest,
                    gapError.rms(), gapError.largest, crbText, within ? "" : "OUT");
      }
    }
  }
  std::printf("\nmultimon-ng reports digits only: no frequency, level, twist or length to compare.\n");
  std::printf("%s\n", allWithin ? "every row within its bounds" : "rows marked OUT exceed a bound");
  return allWithin ? 0 : 1;
}
