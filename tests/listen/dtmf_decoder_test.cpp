// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/dtmf_decoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "tone/synthesis.h"

namespace tonalis {
namespace {

using Samples = std::vector<std::int16_t>;

Samples Render(const std::string& sequence, double digitS, double gapS, double pauseS = 0.1) {
  const RenderedSequence r = RenderSequence(sequence, CalcSampleCounts(digitS, gapS, pauseS));
  return Samples(r.samples.get(), r.samples.get() + r.count);
}

// Tone pairs at any rate, frequencies scaled by `factor`, the high tone
// `twistDb` above the low one.
Samples Tones(const std::string& digits, int rate, double digitS, double gapS, double factor = 1.0,
              double twistDb = 0) {
  Samples s;
  const double low = 8000 * std::min(1.0, std::pow(10, -twistDb / 20));
  const double high = 8000 * std::min(1.0, std::pow(10, twistDb / 20));
  for (char c : digits) {
    for (int n = 0; n < static_cast<int>(digitS * rate); ++n)
      s.push_back(static_cast<std::int16_t>(low * std::sin(2 * M_PI * LowFrequency(c) * factor * n / rate) +
                                            high * std::sin(2 * M_PI * HighFrequency(c) * factor * n / rate)));
    s.resize(s.size() + static_cast<std::size_t>(gapS * rate), 0);
  }
  return s;
}

std::vector<DtmfDecoder::Digit> Decode(const Samples& s, int rate = 8000, std::size_t chunk = 4096) {
  DtmfDecoder decoder(rate);
  std::vector<DtmfDecoder::Digit> all;
  for (std::size_t at = 0; at < s.size(); at += chunk) {
    const auto got = decoder.push(s.data() + at, std::min(chunk, s.size() - at));
    all.insert(all.end(), got.begin(), got.end());
  }
  const auto last = decoder.finish();
  all.insert(all.end(), last.begin(), last.end());
  return all;
}

std::string Digits(const std::vector<DtmfDecoder::Digit>& digits) {
  std::string text;
  for (const auto& d : digits) text += d.digit;
  return text;
}

TEST(DtmfDecoder, EverySequenceTheToolCanSend) {
  struct Case {
    std::string sequence;
    double digit, gap;
  };
  const Case cases[] = {
      {"0123456789*#ABCD", 0.025, 0.015},  // the shortest timings the fields allow
      {"1111", 0.025, 0.015},              // repeats with the shortest gap
      {"55 5  5", 0.025, 0.015},           // pauses
      {"D#D#D#", 0.050, 0.050},
      {"9", 9.999, 0.015},  // a digit held ten seconds is one digit
      {"0A0B", 0.2, 0.999},
  };
  for (const auto& c : cases) {
    std::string expected;
    for (char ch : c.sequence)
      if (ch != ' ') expected += ch;
    const Samples s = Render(c.sequence, c.digit, c.gap);
    // The last digit ends the audio: no silence after it.
    EXPECT_EQ(Digits(Decode(s)), expected) << c.sequence << " at " << c.digit << "/" << c.gap;
  }
}

TEST(DtmfDecoder, ChunksDoNotMatterAndTimesAreReported) {
  Samples s(800, 0);  // 100 ms of silence, then 1 at 50 ms, a 40 ms gap, 2 at 60 ms
  const Samples one = Tones("1", 8000, 0.050, 0.040);
  const Samples two = Tones("2", 8000, 0.060, 0.0);
  s.insert(s.end(), one.begin(), one.end());
  s.insert(s.end(), two.begin(), two.end());
  s.resize(s.size() + 800, 0);
  const auto whole = Decode(s, 8000, s.size());
  for (std::size_t chunk : {1u, 7u, 160u, 1000u}) EXPECT_EQ(Digits(Decode(s, 8000, chunk)), "12") << chunk;
  ASSERT_EQ(whole.size(), 2u);
  EXPECT_NEAR(whole[0].start, 0.100, 0.005);
  EXPECT_NEAR(whole[0].duration, 0.050, 0.006);
  EXPECT_NEAR(whole[1].start, 0.190, 0.005);
  EXPECT_NEAR(whole[1].duration, 0.060, 0.006);
}

// Each window's tones as a direct sum over its samples gives them, whatever
// the rate and however the samples come.
TEST(DtmfDecoder, EachWindowsTonesAreTheSumOverItsSamples) {
  const double tones[8] = {697, 770, 852, 941, 1209, 1336, 1477, 1633};
  std::mt19937 random(8);
  for (int rate : {8000, 11025, 16000, 22050, 44100, 48000}) {
    const std::size_t window = static_cast<std::size_t>(std::lround(rate * 0.01325));
    const std::size_t hop = static_cast<std::size_t>(std::lround(rate * 0.002));
    // Noise with a digit in it, ending where the 37th window ends.
    Samples s = Tones("5", rate, 0.2, 0.0);
    s.resize(window + hop - 1 + 36 * hop, 0);
    std::normal_distribution<double> noise(0.0, 2000.0);
    for (auto& v : s) v = static_cast<std::int16_t>(std::clamp(v + noise(random), -32768.0, 32767.0));
    DtmfDecoder decoder(rate);
    std::uniform_int_distribution<std::size_t> chunk(1, 300);
    for (std::size_t at = 0; at < s.size();) {
      const std::size_t n = std::min(chunk(random), s.size() - at);
      decoder.push(s.data() + at, n);
      at += n;
    }
    for (int k = 0; k < 8; ++k) {
      double re = 0, im = 0;
      for (std::size_t m = s.size() - window; m < s.size(); ++m) {
        re += s[m] * std::cos(2 * M_PI * tones[k] * static_cast<double>(m) / rate);
        im += s[m] * std::sin(2 * M_PI * tones[k] * static_cast<double>(m) / rate);
      }
      const double power = 2 * (re * re + im * im) / static_cast<double>(window);
      EXPECT_NEAR(decoder.powers()[k], power, 1e-9 * power + 1e-6) << rate << " Hz, tone " << tones[k];
    }
  }
}

TEST(DtmfDecoder, AnyCommonRate) {
  for (int rate : {8000, 11025, 16000, 22050, 44100, 48000})
    EXPECT_EQ(Digits(Decode(Tones("147*2580369#ABCD", rate, 0.030, 0.020), rate)), "147*2580369#ABCD") << rate;
}

TEST(DtmfDecoder, WhatIsNotADigit) {
  struct Case {
    const char* name;
    Samples samples;
  };
  Samples single(4000);  // one tone alone
  for (std::size_t n = 0; n < single.size(); ++n) single[n] = static_cast<std::int16_t>(9000 * std::sin(2 * M_PI * 770 * n / 8000.0));
  Samples noise(80000);
  std::mt19937 random(3);
  std::normal_distribution<double> gauss(0, 4000);
  for (auto& v : noise) v = static_cast<std::int16_t>(std::clamp(gauss(random), -32768.0, 32767.0));
  Samples quiet = Tones("5", 8000, 0.1, 0.1);
  for (auto& v : quiet) v = static_cast<std::int16_t>(v / 1000);  // below the floor
  const Case cases[] = {
      {"frequencies 3.5 % high", Tones("123", 8000, 0.1, 0.1, 1.035)},
      {"frequencies 3.5 % low", Tones("456", 8000, 0.1, 0.1, 0.965)},
      {"a tone pair of 12 ms", Tones("7", 8000, 0.012, 0.1)},
      {"one tone alone", single},
      {"white noise", noise},
      {"too quiet", quiet},
  };
  for (const auto& c : cases) EXPECT_EQ(Digits(Decode(c.samples)), "") << c.name;
  EXPECT_EQ(Digits(Decode(Tones("123", 8000, 0.1, 0.1, 1.015))), "123") << "1.5 % off is accepted";
  // One tone of the pair off frequency is enough, whichever of the eight it is.
  auto pair = [](char digit, double lowFactor, double highFactor) {
    Samples s(800);
    for (std::size_t n = 0; n < s.size(); ++n)
      s[n] = static_cast<std::int16_t>(8000 * std::sin(2 * M_PI * LowFrequency(digit) * lowFactor * n / 8000.0) +
                                       8000 * std::sin(2 * M_PI * HighFrequency(digit) * highFactor * n / 8000.0));
    s.resize(s.size() + 800, 0);
    return s;
  };
  for (const char digit : {'1', '4', '7', '*'})
    for (const double off : {1.035, 0.965})
      EXPECT_EQ(Digits(Decode(pair(digit, off, 1.0))), "") << "low tone of " << digit << " times " << off;
  for (const char digit : {'1', '2', '3', 'A'})
    for (const double off : {1.035, 0.965})
      EXPECT_EQ(Digits(Decode(pair(digit, 1.0, off))), "") << "high tone of " << digit << " times " << off;
  EXPECT_EQ(Digits(Decode(pair('5', 1.0, 1.0))), "5");
}

// A telephone receiver takes the high tone up to 4 dB above the low one and
// up to 8 dB below it (a radio's flat input favours the low tone).
TEST(DtmfDecoder, TwistWithinTheReceiversLimits) {
  const std::pair<double, const char*> cases[] = {
      {0, "159#"}, {+3.5, "159#"}, {-7.5, "159#"}, {+7, ""}, {-12, ""},
  };
  for (const auto& [twist, heard] : cases)
    EXPECT_EQ(Digits(Decode(Tones("159#", 8000, 0.06, 0.06, 1.0, twist))), heard) << "twist " << twist << " dB";
}

// A digit ends as soon as its energy drops: a repeated digit needs only a short gap.
TEST(DtmfDecoder, RepeatsAfterTheShortestGapStayApart) {
  for (const double gap : {0.008, 0.010, 0.015})
    EXPECT_EQ(Digits(Decode(Tones("5555", 8000, 0.04, gap))), "5555") << gap * 1000 << " ms gaps";
}

}  // namespace
}  // namespace tonalis
