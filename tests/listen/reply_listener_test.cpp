// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/reply_listener.h"

#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QElapsedTimer>
#include <QTest>


#include "support/scripted_input.h"
#include "tone/morse.h"
#include "tone/synthesis.h"

namespace tonalis {
namespace {

using testing::ScriptedInput;

TEST(ReplyListener, DecodesLiveAndStopsTwoSecondsAfterTheReply) {
  ScriptedInput input;
  input.audio.assign(2400, 0);  // 0.3 s before the reply
  const auto reply = RenderMorse("ABC R", 30, 800);
  input.audio.insert(input.audio.end(), reply.begin(), reply.end());
  ReplyListener listener(input);
  QSignalSpy live(&listener, &ReplyListener::textChanged);
  QSignalSpy finished(&listener, &ReplyListener::finished);
  QElapsedTimer clock;
  clock.start();
  ASSERT_FALSE(listener.start("", 30.0, std::chrono::seconds(10)));
  ASSERT_TRUE(finished.wait(10000));
  EXPECT_EQ(finished.first().first().toString(), "ABC R");
  EXPECT_GE(live.count(), 2) << "the text grows as it is heard";
  // The rendering ends with the three dots of space after its last character.
  const double lastMark = 0.3 + (reply.size() - 3 * 240) / 8000.0;
  EXPECT_GE(clock.elapsed() / 1000.0, lastMark + 2.0) << "not before two quiet seconds";
  EXPECT_LT(clock.elapsed() / 1000.0, lastMark + 5.0) << "well before the ten-second limit";
  EXPECT_FALSE(listener.listening());
}

// A receiver on the frequency hears the end of our own send first: its DTMF
// is not read as Morse, and a reply right behind it is read whole.
TEST(ReplyListener, OurOwnSendsEchoIsNotTheReply) {
  for (const int gapMs : {0, 30}) {
    ScriptedInput input;
    const RenderedSequence echo = RenderSequence("10", CalcSampleCounts(0.06, 0.04, 1.0), 0, {});
    input.audio.assign(echo.samples.get(), echo.samples.get() + echo.count);
    input.audio.resize(input.audio.size() + static_cast<std::size_t>(gapMs * 8), 0);
    const auto reply = RenderMorse("IZ1ABC R", 30, 800);
    input.audio.insert(input.audio.end(), reply.begin(), reply.end());
    ReplyListener listener(input);
    QSignalSpy finished(&listener, &ReplyListener::finished);
    ASSERT_FALSE(listener.start("", 30.0, std::chrono::seconds(10)));
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_EQ(finished.first().first().toString().toStdString(), "IZ1ABC R") << gapMs << " ms after the echo";
  }
}

TEST(ReplyListener, NothingHeardEndsAtTheLimitAndAFailingDeviceSaysWhy) {
  ScriptedInput silent;
  ReplyListener listener(silent);
  QSignalSpy finished(&listener, &ReplyListener::finished);
  ASSERT_FALSE(listener.start("", std::nullopt, std::chrono::milliseconds(600)));
  ASSERT_TRUE(finished.wait(3000));
  EXPECT_EQ(finished.first().first().toString(), "");

  ScriptedInput broken;
  broken.failure = "no sound input device is called USB CODEC";
  ReplyListener deaf(broken);
  EXPECT_EQ(deaf.start("USB CODEC", std::nullopt, std::chrono::seconds(1)), broken.failure);
  EXPECT_FALSE(deaf.listening());
}

}  // namespace
}  // namespace tonalis
