// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/transmission_check.h"

#include <gtest/gtest.h>

#include <vector>

#include "sim/radio_channel.h"
#include "support/shout.h"
#include "tone/synthesis.h"

namespace tonalis {
namespace {

std::vector<std::int16_t> Sent(const std::string& sequence, const ToneLevels& levels = {}) {
  const RenderedSequence r = RenderSequence(sequence, CalcSampleCounts(0.05, 0.05, 0.5), 1, levels);
  std::vector<std::int16_t> air(800, 0);
  air.insert(air.end(), r.samples.get(), r.samples.get() + r.count);
  air.resize(air.size() + 800, 0);
  return air;
}

TEST(TransmissionCheck, SaysWhatReachedTheAirAndTheFirstProblem) {
  ChannelOptions clipping;
  clipping.clipDbfs = -20;
  struct Case {
    const char* what;
    std::vector<std::int16_t> air;
    std::string sequence;
    std::string summary;  // begins so
    std::size_t problems;
  };
  std::vector<Case> cases;
  cases.push_back({"clean, with a pause", Sent("0123 #D"), "0123 #D",
                   "6 of 6 digits heard, level -10.3 dBFS, twist +0.0 dB, shortest digit 50 ms, gap 50 ms", 0});
  auto clipped = Sent("0123456789ABCD");
  RadioChannel(8000, clipping).process(clipped.data(), clipped.size());
  cases.push_back({"clipped by the deviation limiter", clipped, "0123456789ABCD",
                   "12 of 14 digits heard (digit 11 (A) not heard, 10 more problems), level ", 11});
  auto lowered = Sent("0123456789ABCD", {-10, 0});
  RadioChannel(8000, clipping).process(lowered.data(), lowered.size());
  cases.push_back({"10 dB lower", lowered, "0123456789ABCD", "14 of 14 digits heard, level -24.", 0});
  cases.push_back({"a quiet input", std::vector<std::int16_t>(8000, 3), "12", "0 of 2 digits heard: no DTMF in the "
                   "recording (its peak -80.8 dBFS)", 2});
  cases.push_back({"nothing", std::vector<std::int16_t>(8000, 0), "12", "0 of 2 digits heard: the recording is silent",
                   2});
  cases.push_back({"a digit more than was sent", Sent("123"), "12", "2 of 2 digits heard", 1});
  // In another language every word goes through the translation (here, one that shouts).
  using testing::Upper;
  const Translate shout = testing::Shout;
  for (const auto& c : cases) {
    const TransmissionCheck check(c.air.data(), c.air.size(), 8000, c.sequence);
    EXPECT_EQ(check.summary(shout), Upper(check.summary())) << c.what;
    EXPECT_EQ(check.report(shout), Upper(check.report())) << c.what;
    EXPECT_EQ(check.summary().substr(0, c.summary.size()), c.summary) << c.what << ": " << check.summary();
    EXPECT_EQ(check.problems(), c.problems) << c.what << "\n" << check.report();
    EXPECT_EQ(check.allTaken(), c.problems == 0) << c.what;
    const std::string report = check.report();
    EXPECT_EQ(report.substr(report.rfind('\n', report.size() - 2) + 1),
              c.problems ? std::to_string(c.problems) + " would be missed\n" : "every digit would be taken\n")
        << c.what;
  }
  // A digit heard that was not sent is named by the one before it.
  const auto extra = Sent("15");
  const TransmissionCheck check(extra.data(), extra.size(), 8000, "1");
  EXPECT_EQ(check.report(), "digit 1 (1): taken\nafter digit 1: heard 5, which was not sent\n1 would be missed\n");
  EXPECT_EQ(SentDigits("12 #\xC3\xA9x*"), "12#*") << "pauses and silent characters are not digits";
}

}  // namespace
}  // namespace tonalis
