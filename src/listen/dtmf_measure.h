// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "i18n/text.h"
#include "listen/dtmf_decoder.h"

namespace tonalis {

// What a digit the decoder heard measures: its edges to the millisecond
// (where its tones reach half their steady amplitude), the frequency and
// level of each tone, the twist. Levels are dBFS: a sine of peak amplitude
// A is 20 log10(A / 32768) dBFS.
struct DigitMeasure {
  char digit = 0;
  double startMs = 0;
  double lengthMs = 0;
  std::optional<double> gapMs;  // the silence before it; none for the first
  double lowHz = 0;
  double highHz = 0;
  double lowDbfs = 0;
  double highDbfs = 0;
  double twistDb() const { return highDbfs - lowDbfs; }
};

// Measures each digit `heard` in `samples` (at `rate`, 8000-48000 Hz).
std::vector<DigitMeasure> MeasureDigits(const std::int16_t* samples, std::size_t count, int rate,
                                        const std::vector<DtmfDecoder::Digit>& heard);

// Decodes and measures as the audio comes, keeping only the audio around the
// digits not yet measured: what MeasureDigits() gives for the whole stream,
// in memory that does not grow with its length.
class DtmfMeter {
 public:
  explicit DtmfMeter(int rate);
  void push(const std::int16_t* samples, std::size_t count);
  // The end of the stream: every digit heard is measured.
  void finish();

  // The digits measured so far, oldest first.
  const std::vector<DigitMeasure>& measured() const { return measured_; }
  // The loudest sample so far.
  int peak() const { return peak_; }
  int sampleRate() const { return decoder_.sampleRate(); }
  // Samples of audio it keeps now.
  std::size_t keptSamples() const { return kept_.size(); }

  // Audio kept before a digit, and at most while one sounds.
  static constexpr double kKeptBeforeSeconds = 0.1;
  static constexpr double kMostKeptSeconds = 600;

 private:
  void measure(bool ended);

  DtmfDecoder decoder_;
  std::vector<double> edgeWindow_;
  std::deque<DtmfDecoder::Digit> waiting_;  // heard, not yet measured
  std::vector<DigitMeasure> measured_;
  std::vector<std::int16_t> kept_;  // the stream from sample keptFrom_ on
  std::size_t keptFrom_ = 0;
  double previousEnd_ = -1;
  int peak_ = 0;
};

// What a telephone-grade receiver takes: a tone within 1.5 % of its
// frequency, the high tone 4 dB above to 8 dB below the low one, a digit of
// 40 ms and a gap of 20 ms at least, each tone above a level floor.
struct ReceiverLimits {
  double maxFrequencyError = 0.015;
  double maxTwistDb = 4;
  double minTwistDb = -8;
  double minLengthMs = 40;
  double minGapMs = 20;
  double floorDbfs = -40;
};

// Digit by digit, what would make such a receiver miss a digit of
// `expected` (empty when it would take it): the first problem of each.
struct DigitVerdict {
  char expected = 0;
  const DigitMeasure* heard = nullptr;  // none: not heard
  // What would make a receiver miss it, as a marked pattern and its values;
  // none when a receiver would take it.
  const char* pattern = nullptr;
  std::vector<std::string> values;
  bool taken() const { return !pattern; }
  // The problem in English, or as `tx` translates it; empty when taken.
  std::string problem(Translate tx = Untranslated) const { return pattern ? Fill(tx(pattern), values) : std::string(); }
};
std::vector<DigitVerdict> CheckDigits(const std::string& expected, const std::vector<DigitMeasure>& heard,
                                      const ReceiverLimits& limits = {});

// The --measure table: a CSV header, a row a digit, then a summary row.
std::string MeasureTable(const std::vector<DigitMeasure>& digits);

}  // namespace tonalis
