// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/morse_decoder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "config/decoder_image.h"
#include "tone/morse.h"

namespace tonalis {
namespace {

using Samples = std::vector<std::int16_t>;

Samples Keyed(const std::string& text, double dotMs, double hz, int rate = 8000) {
  Samples s(static_cast<std::size_t>(rate / 5), 0);
  const Samples keyed = RenderMorse(text, dotMs, hz, rate);
  s.insert(s.end(), keyed.begin(), keyed.end());
  s.resize(s.size() + static_cast<std::size_t>(rate / 2), 0);
  return s;
}

std::string Decode(const Samples& s, MorseDecoder::Options o, std::size_t chunk = 4096) {
  MorseDecoder decoder(o);
  std::string text;
  for (std::size_t at = 0; at < s.size(); at += chunk) text += decoder.push(s.data() + at, std::min(chunk, s.size() - at));
  return text + decoder.finish();
}

std::string Trim(std::string t) {
  while (!t.empty() && t.back() == ' ') t.pop_back();
  return t;
}

TEST(MorseDecoder, EveryBoardSpeedWithItsTimingByteOrWithout) {
  const std::string text = "IK1XYZ R 1001 /:;=?@ <AR>";
  for (const int wpm : {14, 20, 30, 60, 100, 150}) {
    const double dot = MorseDotMs(wpm);
    for (const double hz : {400.0, 800.0, 1200.0}) {
      MorseDecoder::Options given;
      given.dotMs = dot;
      EXPECT_EQ(Trim(Decode(Keyed(text, dot, hz), given)), text) << wpm << " WPM at " << hz << " Hz, speed given";
      EXPECT_EQ(Trim(Decode(Keyed(text, dot, hz), {})), text) << wpm << " WPM at " << hz << " Hz, speed estimated";
    }
  }
}

TEST(MorseDecoder, AReplyKeyedFromTheFirstSampleIsReadWhole) {
  // A listener that starts as the reply starts hears its first mark at once,
  // at full level (the keying's soft edge already gone).
  for (const std::string text : {"IZ1ABC R", "E", "TEST", "5NN"}) {
    for (const int wpm : {14, 20, 40, 100}) {
      const double dot = MorseDotMs(wpm);
      Samples s = RenderMorse(text, dot, 800);
      s.erase(s.begin(), s.begin() + 16);
      s.resize(s.size() + 4000, 0);
      MorseDecoder::Options given;
      given.dotMs = dot;
      EXPECT_EQ(Trim(Decode(s, given)), text) << wpm << " WPM, speed given";
      if (text.size() > 4) {
        EXPECT_EQ(Trim(Decode(s, {})), text) << wpm << " WPM, speed estimated";
        std::mt19937 random(wpm);
        std::normal_distribution<double> noise(0, 12000 / std::sqrt(2.0) / std::sqrt(10.0));  // 10 dB
        for (auto& v : s) v = static_cast<std::int16_t>(std::clamp(v + noise(random), -32768.0, 32767.0));
        EXPECT_EQ(Trim(Decode(s, given)), text) << wpm << " WPM, speed given, in noise";
      }
    }
  }
}

TEST(MorseDecoder, FindsItsToneAndSpeed) {
  MorseDecoder decoder({});
  const Samples s = Keyed("CQ CQ DE ABC", 40, 650);
  decoder.push(s.data(), s.size());
  ASSERT_TRUE(decoder.toneHz());
  EXPECT_NEAR(*decoder.toneHz(), 650, 8);
  EXPECT_NEAR(*decoder.dotMs(), 40, 4);
  EXPECT_NEAR(decoder.wpm(), 30, 3);
}

TEST(MorseDecoder, AnyRateAndAnyBlocksAndNoise) {
  for (const int rate : {11025, 22050, 44100, 48000})
    EXPECT_EQ(Trim(Decode(Keyed("ABC R", 60, 800, rate), {rate, std::nullopt, std::nullopt})), "ABC R") << rate;
  for (const std::size_t chunk : {1u, 13u, 500u})
    EXPECT_EQ(Trim(Decode(Keyed("ABC R", 20, 800), {}, chunk)), "ABC R") << chunk;
  Samples noisy = Keyed("PARIS PARIS", 30, 900);
  std::mt19937 random(5);
  std::normal_distribution<double> noise(0, 12000 / std::sqrt(2.0) / std::sqrt(10.0));  // 10 dB
  for (auto& v : noisy) v = static_cast<std::int16_t>(std::clamp(v + noise(random), -32768.0, 32767.0));
  EXPECT_EQ(Trim(Decode(noisy, {})), "PARIS PARIS");
}

TEST(MorseDecoder, NoiseAloneKeysNothingAndTheFirstCharactersComeRightAtEitherSpeed) {
  // Fast code in noise with noise before and after it: nothing read from the
  // noise alone, and the first characters right even while the speed is
  // still being estimated.
  const std::string text = "CQ DE IK1XYZ/P 599";
  for (const int wpm : {60, 100, 150}) {
    const double dot = MorseDotMs(wpm);
    for (const double snr : {20.0, 10.0, 6.0}) {
      for (unsigned seed = 1; seed <= 4; ++seed) {
        Samples s(4000, 0);
        const Samples keyed = RenderMorse(text, dot, 500 + 150 * seed);
        s.insert(s.end(), keyed.begin(), keyed.end());
        s.resize(s.size() + 8000, 0);
        std::mt19937 random(seed);
        std::normal_distribution<double> noise(0, 12000 / std::sqrt(2.0) / std::pow(10.0, snr / 20));
        for (auto& v : s) v = static_cast<std::int16_t>(std::clamp(v + noise(random), -32768.0, 32767.0));
        MorseDecoder::Options given;
        given.dotMs = dot;
        EXPECT_EQ(Trim(Decode(s, given)), text) << wpm << " WPM, " << snr << " dB, run " << seed << ", speed given";
        EXPECT_EQ(Trim(Decode(s, {})), text) << wpm << " WPM, " << snr << " dB, run " << seed << ", speed estimated";
      }
    }
  }
}

TEST(MorseDecoder, WhatItCannotReadIsAQuestionMarkAndLiveTextComesEarly) {
  // Seven dots: no such character.
  Samples s = Keyed("E", 30, 800);
  Samples seven;
  for (int i = 0; i < 7; ++i) {
    const Samples dot = RenderMorse("E", 30, 800);
    seven.insert(seven.end(), dot.begin(), dot.begin() + 240 + 240);  // a dot and one dot of space
  }
  seven.resize(seven.size() + 8000, 0);
  MorseDecoder::Options o;
  o.dotMs = 30;
  EXPECT_EQ(Trim(Decode(seven, o)), "?");

  // A live stream shows a character once the space after it is long enough.
  MorseDecoder live(o);
  const Samples ab = Keyed("AB", 30, 800);
  const std::string early = live.push(ab.data(), ab.size());
  EXPECT_EQ(early, "AB ") << "before the stream ends, and the word space after them";
  EXPECT_GT(live.silenceSeconds(), 0.4);
  EXPECT_EQ(live.finish(), "");
}

}  // namespace
}  // namespace tonalis
