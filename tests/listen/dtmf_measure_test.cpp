// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/dtmf_measure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tonalis {
namespace {

// Two sines of known frequencies and peak levels (dBFS), made here.
struct Tone {
  double startMs, lengthMs, lowHz, highHz, lowDbfs, highDbfs;
};
std::vector<std::int16_t> Make(const std::vector<Tone>& tones, int rate, double totalMs) {
  std::vector<std::int16_t> out(static_cast<std::size_t>(totalMs * rate / 1000), 0);
  for (const auto& t : tones) {
    const auto first = static_cast<std::size_t>(std::lround(t.startMs * rate / 1000));
    const auto n = static_cast<std::size_t>(std::lround(t.lengthMs * rate / 1000));
    const double a = 32768 * std::pow(10, t.lowDbfs / 20), b = 32768 * std::pow(10, t.highDbfs / 20);
    for (std::size_t i = 0; i < n; ++i) {
      const double s = static_cast<double>(i) / rate;
      out[first + i] = static_cast<std::int16_t>(
          std::lround(a * std::sin(2 * M_PI * t.lowHz * s + 0.3) + b * std::sin(2 * M_PI * t.highHz * s + 1.1)));
    }
  }
  return out;
}

std::vector<DigitMeasure> Measure(const std::vector<std::int16_t>& s, int rate) {
  DtmfDecoder decoder(rate);
  auto heard = decoder.push(s.data(), s.size());
  const auto tail = decoder.finish();
  heard.insert(heard.end(), tail.begin(), tail.end());
  return MeasureDigits(s.data(), s.size(), rate, heard);
}

TEST(DtmfMeasure, FrequencyLevelTwistAndEdgesAsInjected) {
  struct Case {
    int rate;
    Tone tone;  // digit 5 (770 + 1336 Hz) off its nominal tones, then digit 5 exact
  };
  const Case cases[] = {
      {8000, {40, 25, 770 * 1.008, 1336 * 0.993, -12, -9}},   // the shortest, +3 dB twist
      {8000, {40, 120, 770 * 0.99, 1336 * 1.01, -6, -13}},    // -7 dB twist
      {22050, {40, 60, 770 * 1.004, 1336, -20, -20}},
      {48000, {40, 40, 770, 1336 * 0.996, -9, -10}},
  };
  for (const auto& c : cases) {
    const Tone second{c.tone.startMs + c.tone.lengthMs + 30, 50, 770, 1336, -10, -10};
    const auto measured = Measure(Make({c.tone, second}, c.rate, second.startMs + 80), c.rate);
    ASSERT_EQ(measured.size(), 2u) << c.rate << " " << c.tone.lengthMs;
    const DigitMeasure& m = measured[0];
    EXPECT_EQ(m.digit, '5');
    EXPECT_NEAR(m.lowHz / c.tone.lowHz, 1, 0.002) << c.rate;
    EXPECT_NEAR(m.highHz / c.tone.highHz, 1, 0.002) << c.rate;
    EXPECT_NEAR(m.lowDbfs, c.tone.lowDbfs, 0.5) << c.rate;
    EXPECT_NEAR(m.highDbfs, c.tone.highDbfs, 0.5) << c.rate;
    EXPECT_NEAR(m.twistDb(), c.tone.highDbfs - c.tone.lowDbfs, 0.5) << c.rate;
    EXPECT_NEAR(m.startMs, c.tone.startMs, 2) << c.rate;
    EXPECT_NEAR(m.lengthMs, c.tone.lengthMs, 2) << c.rate;
    EXPECT_FALSE(m.gapMs) << "none before the first";
    ASSERT_TRUE(measured[1].gapMs);
    EXPECT_NEAR(*measured[1].gapMs, 30, 2) << c.rate;
  }
}

// Measured as the audio comes, in blocks of any size, a meter gives what the
// whole recording measured, to the last bit, and keeps only the audio around
// the digits it has still to measure: about a digit's length, not the stream's.
TEST(DtmfMeasure, AMeterMeasuresAsTheAudioComesInLittleMemory) {
  struct Case {
    const char* what;
    int rate;
    std::vector<Tone> tones;
    double totalMs;
  };
  std::vector<Tone> many;
  for (int i = 0; i < 50; ++i) many.push_back({100.0 + i * 400, 60, 852, 1477, -10, -12});  // 9s for 20 s
  const Case cases[] = {
      {"a digit at the first sample and one at the last", 8000,
       {{0, 50, 697, 1209, -10, -10}, {150, 50, 941, 1633, -10, -10}}, 200},
      {"20 seconds of digits", 22050, many, 20500},
      {"a digit held three seconds", 48000, {{500, 3000, 770, 1336, -6, -6}, {3600, 40, 697, 1477, -6, -8}}, 4000},
      {"digits that fade out", 8000, {{50, 120, 697, 1336, -9, -9}, {300, 120, 941, 1209, -9, -9}}, 500},
  };
  for (const auto& c : cases) {
    auto s = Make(c.tones, c.rate, c.totalMs);
    if (c.totalMs == 500)  // over their last 60 ms, as a receiver's squelch tail gives them
      for (const auto& t : c.tones)
        for (int i = 0; i < c.rate * 60 / 1000; ++i) {
          auto& v = s[static_cast<std::size_t>((t.startMs + t.lengthMs) * c.rate / 1000) - 1 - static_cast<std::size_t>(i)];
          v = static_cast<std::int16_t>(v * i / (c.rate * 60.0 / 1000));
        }
    for (std::size_t i = 0; i < s.size(); ++i) s[i] = static_cast<std::int16_t>(s[i] + (i * 7919 % 61) - 30);  // noise
    const auto whole = Measure(s, c.rate);
    ASSERT_GE(whole.size(), c.tones.size()) << c.what;
    for (const std::size_t block : {std::size_t{1}, std::size_t{7}, std::size_t{160}, std::size_t{4096}, s.size()}) {
      if (block < 7 && s.size() > 10000) continue;  // a sample at a time: the short cases (valgrind runs these)
      DtmfMeter meter(c.rate);
      std::size_t mostKept = 0;
      for (std::size_t at = 0; at < s.size(); at += block) {
        meter.push(s.data() + at, std::min(block, s.size() - at));
        mostKept = std::max(mostKept, meter.keptSamples());
      }
      meter.finish();
      const auto& metered = meter.measured();
      ASSERT_EQ(metered.size(), whole.size()) << c.what << ", blocks of " << block;
      for (std::size_t i = 0; i < whole.size(); ++i) {
        const DigitMeasure &a = metered[i], &b = whole[i];
        EXPECT_TRUE(a.digit == b.digit && a.startMs == b.startMs && a.lengthMs == b.lengthMs && a.gapMs == b.gapMs &&
                    a.lowHz == b.lowHz && a.highHz == b.highHz && a.lowDbfs == b.lowDbfs && a.highDbfs == b.highDbfs)
            << c.what << ", blocks of " << block << ", digit " << i;
      }
      if (block < s.size()) {
        const double longest = std::max_element(c.tones.begin(), c.tones.end(), [](const Tone& x, const Tone& y) {
                                 return x.lengthMs < y.lengthMs;
                               })->lengthMs;
        EXPECT_LE(mostKept, static_cast<std::size_t>((longest / 1000 + 0.5) * c.rate) + block)
            << c.what << ", blocks of " << block;
      }
    }
  }
}

TEST(DtmfMeasure, WhatAReceiverWouldMissDigitByDigit) {
  DigitMeasure good{'1', 0, 60, std::nullopt, 697, 1209, -12, -11};
  auto with = [&](auto change) {
    DigitMeasure d = good;
    change(d);
    return d;
  };
  struct Case {
    std::string sent;
    std::vector<DigitMeasure> heard;
    std::vector<std::string> problems;
  };
  const Case cases[] = {
      {"1", {good}, {""}},
      {"1", {with([](DigitMeasure& d) { d.lowHz = 697 * 1.02; })}, {"low tone 710.9 Hz is +2.0 % off"}},
      {"1", {with([](DigitMeasure& d) { d.highHz = 1209 * 0.984; })}, {"high tone 1189.7 Hz is -1.6 % off"}},
      {"1", {with([](DigitMeasure& d) { d.highDbfs = -7.5; })}, {"twist +4.5 dB, beyond +4/-8 dB"}},
      {"1", {with([](DigitMeasure& d) { d.highDbfs = -20.5; })}, {"twist -8.5 dB, beyond +4/-8 dB"}},
      {"1", {with([](DigitMeasure& d) { d.lowDbfs = -41; })}, {"level -41.0 dBFS, below -40.0 dBFS"}},
      {"1", {with([](DigitMeasure& d) { d.lengthMs = 39.5; })}, {"39.5 ms long, under 40 ms"}},
      {"11", {good, with([](DigitMeasure& d) { d.gapMs = 19; })}, {"", "gap before it 19.0 ms, under 20 ms"}},
      // At the limits every digit is taken.
      {"11", {with([](DigitMeasure& d) { d.lowHz = 697 * 1.0149; d.highDbfs = -8; d.lengthMs = 40; }),
              with([](DigitMeasure& d) { d.gapMs = 20; d.highDbfs = -20; d.lowDbfs = -12; })}, {"", ""}},
      {"121", {good, good}, {"", "not heard", ""}},
      {"1", {good, with([](DigitMeasure& d) { d.digit = '2'; d.highHz = 1336; })},
       {"", "heard 2, which was not sent"}},
  };
  for (const auto& c : cases) {
    const auto verdicts = CheckDigits(c.sent, c.heard);
    ASSERT_EQ(verdicts.size(), c.problems.size()) << c.sent;
    for (std::size_t i = 0; i < verdicts.size(); ++i) EXPECT_EQ(verdicts[i].problem(), c.problems[i]) << c.sent << i;
  }
}

}  // namespace
}  // namespace tonalis
