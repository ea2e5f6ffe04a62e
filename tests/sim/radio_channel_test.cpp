// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/radio_channel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "listen/dtmf_measure.h"
#include "tone/synthesis.h"

namespace tonalis {
namespace {

// The tool's sound for all sixteen digits at `levels`, through `channel`,
// as the board's ear measures it.
std::vector<DigitMeasure> ThroughTheLink(const ChannelOptions& channel, const ToneLevels& levels = {}) {
  const RenderedSequence r = RenderSequence("0123456789*#ABCD", CalcSampleCounts(0.06, 0.04, 1), 1, levels);
  std::vector<std::int16_t> air(r.samples.get(), r.samples.get() + r.count);
  air.resize(air.size() + 800, 0);
  RadioChannel(8000, channel).process(air.data(), air.size());
  DtmfDecoder decoder(8000);
  auto heard = decoder.push(air.data(), air.size());
  const auto tail = decoder.finish();
  heard.insert(heard.end(), tail.begin(), tail.end());
  return MeasureDigits(air.data(), air.size(), 8000, heard);
}

std::size_t Taken(const std::vector<DigitMeasure>& heard) {
  std::size_t taken = 0;
  for (const auto& v : CheckDigits("0123456789*#ABCD", heard)) taken += v.heard && v.taken();
  return taken;
}

TEST(RadioChannel, EmphasisCancelsAFlatInputGivesTwistTheLimiterClips) {
  ChannelOptions voice;
  const auto clean = ThroughTheLink(voice);
  ASSERT_EQ(clean.size(), 16u);
  for (const auto& d : clean) {
    EXPECT_NEAR(d.twistDb(), 0, 1) << d.digit << ": pre- and de-emphasis cancel";
    EXPECT_NEAR(d.lowDbfs, -10.3, 1) << d.digit;
  }
  EXPECT_EQ(Taken(clean), 16u);

  ChannelOptions data;
  data.input = ChannelOptions::Input::Flat;
  const auto flat = ThroughTheLink(data);
  double worst = 0;
  for (const auto& d : flat) worst = std::min(worst, d.twistDb());
  EXPECT_LT(worst, -5) << "the receiver's de-emphasis takes the high tone down";
  // The right twist at the sender makes up for it.
  const auto corrected = ThroughTheLink(data, {0, 4});
  for (const auto& d : corrected) EXPECT_NEAR(d.twistDb(), 0, 2.5) << d.digit;
  EXPECT_EQ(Taken(corrected), 16u);

  // Too loud for the limiter: digits lost; lowered under it, all heard.
  ChannelOptions limited;
  limited.clipDbfs = -20;
  const auto clipped = ThroughTheLink(limited);
  EXPECT_LT(clipped.size(), 16u) << "the board does not even hear some";
  EXPECT_LT(Taken(clipped), 8u);
  EXPECT_EQ(Taken(ThroughTheLink(limited, {-10, 0})), 16u);

  ChannelOptions noisy;
  noisy.snrDb = 20;
  EXPECT_EQ(Taken(ThroughTheLink(noisy)), 16u);

  // The noise is as far under a DTMF pair at the usual level as asked.
  const RenderedSequence pair = RenderSequence("5", CalcSampleCounts(2.0, 0.04, 1), 1);
  for (const double snr : {10.0, 20.0, 30.0}) {
    std::vector<std::int16_t> clean(pair.samples.get(), pair.samples.get() + pair.count);
    std::vector<std::int16_t> noisyPair = clean;
    RadioChannel(8000, ChannelOptions{}).process(clean.data(), clean.size());
    ChannelOptions withNoise;
    withNoise.snrDb = snr;
    RadioChannel(8000, withNoise).process(noisyPair.data(), noisyPair.size());
    double signal = 0, noise = 0;
    for (std::size_t i = 1000; i < clean.size() - 1000; ++i) {
      const double c = clean[i], d = noisyPair[i] - c;
      signal += c * c;
      noise += d * d;
    }
    EXPECT_NEAR(10 * std::log10(signal / noise), snr, 0.5) << snr;
  }
}

}  // namespace
}  // namespace tonalis
