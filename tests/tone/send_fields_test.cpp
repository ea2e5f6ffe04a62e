// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone/send_fields.h"

#include <gtest/gtest.h>

namespace tonalis {
namespace {

TEST(SendFields, CorrectionsAreWrittenBack) {
  struct Case {
    SendTimingTexts in;
    SendTimingTexts out;
    int txDelayMs;
  };
  const Case cases[] = {
      {{"10", "5", "0", "200"}, {"25", "15", "25", "200"}, 200},
      {{"50", "50", "1000", "5"}, {"50", "50", "1000", "20"}, 20},
      {{"9999", "999", "9999", "2500"}, {"9999", "999", "9999", "20"}, 20},
      {{"", "", "", ""}, {"25", "15", "25", "20"}, 20},
      {{"25", "15", "25", "20"}, {"25", "15", "25", "20"}, 20},
      {{"60", "40", "300", "2000"}, {"60", "40", "300", "2000"}, 2000},
      {{"5x", "1", "300", "150ms"}, {"25", "15", "300", "150ms"}, 150},
      {{"60", "40", "300", "200.5"}, {"60", "40", "300", "200.5"}, 200},
  };
  for (const auto& c : cases) {
    const SendTiming t = CorrectSendTiming(c.in);
    EXPECT_EQ(t.texts.digitMs, c.out.digitMs);
    EXPECT_EQ(t.texts.gapMs, c.out.gapMs);
    EXPECT_EQ(t.texts.pauseMs, c.out.pauseMs);
    EXPECT_EQ(t.texts.txDelayMs, c.out.txDelayMs);
    EXPECT_EQ(t.txDelayMs, c.txDelayMs);
  }
  const SendTiming t = CorrectSendTiming({"60", "40", "300", "200"});
  EXPECT_DOUBLE_EQ(t.digitSeconds, 0.060);
  EXPECT_DOUBLE_EQ(t.gapSeconds, 0.040);
  EXPECT_DOUBLE_EQ(t.pauseSeconds, 0.300);
}

TEST(SendFields, CompletionText) {
  const std::pair<std::int32_t, const char*> cases[] = {{0, "0mS."},          {9999, "9999mS."},
                                                        {10000, "10.0 Sec."}, {12340, "12.3 Sec."},
                                                        {12350, "12.4 Sec."}, {123456, "123.5 Sec."}};
  for (const auto& [ms, tail] : cases)
    EXPECT_EQ(CompletionText(ms), std::string("Sequence completed.\r\nEffective time = ") + tail);
}

TEST(SendFields, SoundCardWarning) {
  EXPECT_FALSE(SoundCardWarning(true));
  const auto w = SoundCardWarning(false);
  ASSERT_TRUE(w);
  EXPECT_EQ(w->title, "DTMF");
  EXPECT_EQ(w->text, "This PC has no sound card.\r\nThe program cannot send the DTMF tones");
  EXPECT_EQ(w->icon, UserMessage::Icon::Error);
}

}  // namespace
}  // namespace tonalis
