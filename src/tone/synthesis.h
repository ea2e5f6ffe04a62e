// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/text.h"

namespace tonalis {

// Low and high frequency of each DTMF digit, rows 0-9, A-D, *, #.
struct ToneRow {
  std::int16_t low;
  std::int16_t high;
};
using ToneTableRows = std::array<ToneRow, 16>;
const ToneTableRows& ToneTable();

// Frequencies by character code: "0".."9", upper-case "A".."D", "*", "#".
// Anything else, lower case included, has no tone: 0.
double LowFrequency(char digit);
double HighFrequency(char digit);

inline constexpr double kSampleRate = 8000.0;
inline constexpr double kToneAmplitude = 10000.0;
// 2 pi to 15 significant digits: the board's decoder was tuned to tones
// computed with this value, and the samples must come out the same.
inline constexpr double kTwoPi = 6.28318530717958;

// Samples per digit, gap between adjacent digits and pause per space; each
// segment lasts one sample more than its count.
struct SampleCounts {
  std::int32_t digit = 0;
  std::int32_t gap = 0;
  std::int32_t pause = 0;
};
SampleCounts CalcSampleCounts(double digitSeconds, double gapSeconds, double pauseSeconds);

// A stretch of the buffer with one pair of angular steps (radians per
// sample); both 0 for silence. `first` is 1-based, as sample indices are.
struct Segment {
  std::int64_t first;
  std::int64_t count;
  double w1;
  double w2;
};

// The output's level and twist (Station setup): the low tone at `levelDb`
// relative to today's amplitude, the high tone `twistDb` above the low one
// (a radio's flat data input loses the high tone: a positive twist makes
// up for it). At 0 and 0 every sample is what it always was.
struct ToneLevels {
  double levelDb = 0;
  double twistDb = 0;
  double lowAmplitude() const;
  double highAmplitude() const;
  bool operator==(const ToneLevels& o) const { return levelDb == o.levelDb && twistDb == o.twistDb; }
};
inline constexpr double kMinLevelDb = -40, kMaxLevelDb = 6, kMaxTwistDb = 10;
// Why these levels cannot be played (out of range, or the two tones'
// peaks together beyond full scale, which would clip), or nothing.
std::optional<std::string> ToneLevelsProblem(const ToneLevels& levels, Translate tx = Untranslated);

// The number of samples of a sequence: digits, a gap between adjacent
// digits, a pause per space.
std::int64_t SequenceSampleCount(const std::string& sequence, const SampleCounts& counts);

// The characters of `sequence` whose sound had begun within its first
// `played` samples: what a send stopped there put on the air.
std::string CharactersStartedWithin(const std::string& sequence, const SampleCounts& counts, std::int64_t played);

// The segments in playing order.
std::vector<Segment> SequenceSegments(const std::string& sequence, const SampleCounts& counts);

// The value of sample k (1-based) of a segment.
std::int16_t SampleAt(std::int64_t k, double w1, double w2, const ToneLevels& levels = {});

// One buffer for a whole sequence, computed before it is played.
struct RenderedSequence {
  std::unique_ptr<std::int16_t[]> samples;
  std::int64_t count = 0;
  std::string error;  // why nothing could be rendered (the buffer would not fit)
};

// The longest buffer the tool renders; the fields allow about 91 million.
inline constexpr std::int64_t kMaxSamples = INT32_MAX;

// The sequence with every character outside ASCII (a UTF-8 sequence of
// bytes) replaced by one character without a tone, so that it takes one
// silent digit slot, not one per byte.
inline constexpr char kNoToneCharacter = '?';
std::string OneBytePerCharacter(std::string_view utf8);

// A steady sine of `hz` for `seconds`, its peak at `peakDbfs` (a sine of
// peak A is 20 log10(A / 32768) dBFS), for setting the transmitter's
// deviation and the sound card's mixer. The default peak is that of one
// DTMF tone.
inline constexpr double kCalibrationDbfs = -10.3;
inline constexpr double kMaxCalibrationSeconds = 600;
RenderedSequence RenderTone(double hz, double seconds, double peakDbfs = kCalibrationDbfs);

// Renders `sequence` (UTF-8), spreading the work over `threads` threads (0: as many
// as the machine has). Every sample is the same whatever the split.
RenderedSequence RenderSequence(const std::string& sequence, const SampleCounts& counts, unsigned threads = 0,
                                const ToneLevels& levels = {});

}  // namespace tonalis
