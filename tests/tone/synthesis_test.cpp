// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone/synthesis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "config/text_value.h"

namespace tonalis {
namespace {

const SampleCounts k50_50_1000 = CalcSampleCounts(0.050, 0.050, 1.000);

// The sample formula written out plainly, as the reference for the renderer.
std::int16_t Reference(std::int64_t k, char digit) {
  const double w1 = LowFrequency(digit) * 6.28318530717958 / 8000.0;
  const double w2 = HighFrequency(digit) * 6.28318530717958 / 8000.0;
  const auto a = static_cast<std::int16_t>(RoundHalfEven(10000.0 * std::sin(static_cast<double>(k) * w1)));
  const auto b = static_cast<std::int16_t>(RoundHalfEven(10000.0 * std::sin(static_cast<double>(k) * w2)));
  return static_cast<std::int16_t>(a + b);
}

TEST(Synthesis, ToneTableByCharacter) {
  const std::tuple<char, double, double> cases[] = {
      {'0', 941, 1336}, {'1', 697, 1209}, {'5', 770, 1336}, {'9', 852, 1477}, {'A', 697, 1633}, {'D', 941, 1633},
      {'*', 941, 1209}, {'#', 941, 1477}, {'a', 0, 0},      {'E', 0, 0},      {' ', 0, 0},      {'\0', 0, 0}};
  for (const auto& [c, low, high] : cases) {
    EXPECT_EQ(LowFrequency(c), low) << c;
    EXPECT_EQ(HighFrequency(c), high) << c;
  }
  EXPECT_EQ(ToneTable()[14].low, 941);  // star comes after D in the table
}

TEST(Synthesis, SampleCountsRoundHalvesToEven) {
  EXPECT_EQ(k50_50_1000.digit, 400);
  EXPECT_EQ(k50_50_1000.gap, 400);
  EXPECT_EQ(k50_50_1000.pause, 8000);
  // Halves go to the even neighbour, in each of the three counts.
  const std::tuple<double, std::int32_t, std::int32_t> halves[] = {
      {0.0500625, 400, 401},  // 400.5
      {0.0501875, 402, 402},  // 401.5
  };
  for (const auto& [seconds, even, up] : halves) {
    const SampleCounts c = CalcSampleCounts(seconds, seconds, seconds);
    EXPECT_EQ(c.digit, even) << seconds;
    EXPECT_EQ(c.gap, even) << seconds;
    EXPECT_EQ(c.pause, even) << seconds << " (half up would give " << up << ")";
  }
  EXPECT_EQ(CalcSampleCounts(0, 0, 9.999).pause, 79992);
  // Far beyond the fields' limits (a pasted value): saturated, never wrapped
  // into a negative count.
  const SampleCounts huge = CalcSampleCounts(1e300, HUGE_VAL, 3e6);
  EXPECT_EQ(huge.digit, INT32_MAX);
  EXPECT_EQ(huge.gap, INT32_MAX);
  EXPECT_EQ(huge.pause, INT32_MAX);
  EXPECT_EQ(RenderSequence("12", huge).error, "The sequence is too long to play: 6442450944 samples.");
}

TEST(Synthesis, BufferLengths) {
  const std::pair<const char*, std::int64_t> cases[] = {{"12 3", 9605},  {"1", 401},    {" 1", 8402}, {"1 ", 8402},
                                                        {"1  2", 16804}, {"1E2", 2005}, {"", 0},      {"  ", 16002}};
  for (const auto& [seq, n] : cases) {
    EXPECT_EQ(SequenceSampleCount(seq, k50_50_1000), n) << '"' << seq << '"';
    const RenderedSequence r = RenderSequence(seq, k50_50_1000);
    EXPECT_EQ(r.count, n);
    EXPECT_TRUE(r.error.empty());
  }
}

TEST(Synthesis, SegmentsOfDigitsGapsAndPauses) {
  // 1-401 digit 1, 402-802 gap, 803-1203 digit 2, 1204-9204 pause, 9205-9605 digit 3.
  const RenderedSequence r = RenderSequence("12 3", k50_50_1000);
  ASSERT_EQ(r.count, 9605);
  struct Stretch {
    std::int64_t first, last;
    char digit;  // ' ' for silence
  };
  for (const Stretch& s : {Stretch{1, 401, '1'}, Stretch{402, 802, ' '}, Stretch{803, 1203, '2'},
                           Stretch{1204, 9204, ' '}, Stretch{9205, 9605, '3'}}) {
    for (std::int64_t k = s.first; k <= s.last; ++k)
      ASSERT_EQ(r.samples[k - 1], s.digit == ' ' ? 0 : Reference(k, s.digit)) << "sample " << k;
  }
  EXPECT_EQ(std::vector<std::int16_t>(r.samples.get(), r.samples.get() + 5),
            (std::vector<std::int16_t>{13337, 18355, 12862, 2041, -6059}));
}

// What a send stopped after so many samples had put on the air, on the same layout.
TEST(Synthesis, TheCharactersAStoppedSendHadBegun) {
  const std::pair<std::int64_t, const char*> cases[] = {
      {0, ""},      {1, "1"},       {401, "1"},     {802, "1"},      {803, "12"},
      {1203, "12"}, {1204, "12 "},  {9204, "12 "},  {9205, "12 3"},  {999999, "12 3"},
  };
  for (const auto& [played, sent] : cases)
    EXPECT_EQ(CharactersStartedWithin("12 3", k50_50_1000, played), sent) << played;
}

TEST(Synthesis, CharactersWithoutAToneAreSilentDigits) {
  // A character outside ASCII is one silent digit, however many bytes it takes.
  for (const char* seq : {"1E2", "1a2", "1\xC3\xA9" "2", "1\xF0\x9F\x93\xBB" "2"}) {
    const RenderedSequence r = RenderSequence(seq, k50_50_1000);
    ASSERT_EQ(r.count, 2005) << seq;
    for (std::int64_t k = 402; k <= 1604; ++k) ASSERT_EQ(r.samples[k - 1], 0) << seq << " sample " << k;
    EXPECT_EQ(r.samples[1605 - 1], Reference(1605, '2'));
  }
}

TEST(Synthesis, EveryThreadSplitGivesTheFormulasSamples) {
  // Long enough to be split; every digit, spaces, a silent character.
  const std::string seq = "0123456789*#ABCD 1 E#";
  const SampleCounts counts = CalcSampleCounts(3.0, 0.2, 0.3);
  const RenderedSequence one = RenderSequence(seq, counts, 1);
  const RenderedSequence two = RenderSequence(seq, counts, 2);
  const RenderedSequence many = RenderSequence(seq, counts, 7);
  ASSERT_EQ(one.count, two.count);
  ASSERT_GT(one.count, 400000);
  EXPECT_TRUE(std::equal(one.samples.get(), one.samples.get() + one.count, two.samples.get()));
  EXPECT_TRUE(std::equal(one.samples.get(), one.samples.get() + one.count, many.samples.get()));
  for (const Segment& s : SequenceSegments(seq, counts)) {
    for (std::int64_t k = s.first; k < s.first + s.count; k += 97) {
      const auto expected = s.w1 == 0.0 ? std::int16_t{0} : SampleAt(k, s.w1, s.w2);
      ASSERT_EQ(one.samples[k - 1], expected) << "sample " << k;
    }
  }
  // And SampleAt is the formula itself.
  for (std::int64_t k : {1LL, 2LL, 1000LL, 123456LL, 90000000LL})
    EXPECT_EQ(SampleAt(k, 697 * kTwoPi / kSampleRate, 1209 * kTwoPi / kSampleRate), Reference(k, '1')) << k;
}

TEST(Synthesis, TwoPiIsTheBoardsFifteenDigitValue) {
  // Near the end of the longest sequence a full-precision 2 pi rounds these
  // samples one lower: the board's decoder was tuned to the 15-digit value.
  const std::pair<std::int64_t, std::int16_t> cases[] = {{90000512, 750}, {90003264, 16932}, {90004512, -750}};
  for (const auto& [k, value] : cases) {
    EXPECT_EQ(SampleAt(k, LowFrequency('1') * kTwoPi / kSampleRate, HighFrequency('1') * kTwoPi / kSampleRate),
              value)
        << k;
  }
  // The renderer takes its steps from the same constant.
  const std::vector<Segment> segments = SequenceSegments("1", CalcSampleCounts(9.999, 0.05, 1.0));
  ASSERT_EQ(segments.size(), 1u);
  EXPECT_EQ(segments[0].w1, 697 * 6.28318530717958 / 8000.0);
  EXPECT_EQ(segments[0].w2, 1209 * 6.28318530717958 / 8000.0);
}

TEST(Synthesis, LengthsBeyondTheLimitAreRefused) {
  SampleCounts huge;
  huge.digit = 1500000000;
  const RenderedSequence r = RenderSequence("12", huge);
  EXPECT_EQ(r.count, 0);
  EXPECT_FALSE(r.samples);
  EXPECT_EQ(r.error, "The sequence is too long to play: 3000000003 samples.");
}

TEST(Synthesis, ACalibrationToneAtItsFrequencyAndPeak) {
  struct Case {
    double hz, seconds, dbfs;
    const char* error;
  };
  const Case cases[] = {
      {1000, 1, -6, ""},
      {100, 0.5, 0, ""},
      {3500, 0.25, -60, ""},
      {99, 1, -6, "A calibration tone is 100 to 3500 Hz"},
      {1000, 601, -6, "A calibration tone is 100 to 3500 Hz"},
      {1000, 1, 0.1, "A calibration tone is 100 to 3500 Hz"},
  };
  for (const auto& c : cases) {
    const RenderedSequence r = RenderTone(c.hz, c.seconds, c.dbfs);
    EXPECT_EQ(r.error.rfind(c.error, 0), 0u) << c.hz;
    if (*c.error) continue;
    ASSERT_EQ(r.count, static_cast<std::int64_t>(c.seconds * kSampleRate));
    int peak = 0, crossings = 0;
    for (std::int64_t k = 0; k < r.count; ++k) {
      peak = std::max(peak, std::abs(int{r.samples[k]}));
      if (k > 0 && (r.samples[k - 1] < 0) != (r.samples[k] < 0)) ++crossings;
    }
    EXPECT_NEAR(peak, std::min(32767.0, 32768 * std::pow(10, c.dbfs / 20)), 1) << c.hz;
    EXPECT_NEAR(crossings / 2.0 / c.seconds, c.hz, 2) << c.hz;
  }
}

}  // namespace
}  // namespace tonalis
