// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone/tone_player.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "support/alsa_file_device.h"
#include "support/dtmf_decode.h"
#include "support/real_time_output.h"
#include "support/recording.h"
#include "support/test_files.h"
#include "tone/portaudio_output.h"
#include "tone/device_thread.h"
#include "tone/sequence_sender.h"

namespace tonalis {
namespace {

using Clock = std::chrono::steady_clock;
using testing::RecordingMessages;

std::string gPlayedFile;

RenderedSequence Render(const std::string& seq) { return RenderSequence(seq, CalcSampleCounts(0.05, 0.05, 1.0)); }

// Waits for the player or sender to report its end.
template <typename T, typename Signal>
bool WaitFor(T* object, Signal signal, int ms = 10000) {
  QSignalSpy spy(object, signal);
  return spy.wait(ms);
}

TEST(TonePlayer, PlaysTheWholeSequenceOnTheSoundDevice) {
  std::filesystem::remove(gPlayedFile);
  RecordingMessages messages;
  PortAudioOutput output;
  TonePlayer player(output, messages);
  RenderedSequence r = Render("0123456789*#ABCD");
  const std::vector<std::int16_t> expected(r.samples.get(), r.samples.get() + r.count);

  QSignalSpy finished(&player, &TonePlayer::finished);
  ASSERT_TRUE(player.play(std::move(r)));
  EXPECT_TRUE(player.soundBusy());
  EXPECT_FALSE(player.play(Render("1"))) << "one sequence at a time";
  ASSERT_TRUE(finished.wait(10000));
  EXPECT_FALSE(player.soundBusy());
  EXPECT_TRUE(messages.shown.empty()) << messages.shown[0].text;
  EXPECT_GE(player.effectiveTimeMs(), 0);

  // The device may put some silence of its own before the sequence.
  const std::string raw = testing::ReadAll(gPlayedFile);
  std::vector<std::int16_t> played(raw.size() / 2);
  std::memcpy(played.data(), raw.data(), played.size() * 2);
  const auto first = std::find_if(played.begin(), played.end(), [](std::int16_t s) { return s != 0; });
  ASSERT_GE(played.end() - first, static_cast<long>(expected.size()));
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), first)) << "the device got other samples";
  EXPECT_EQ(testing::DecodeDtmfRaw(gPlayedFile), "0123456789*#ABCD");
}

TEST(TonePlayer, EmptySequenceOpensNothing) {
  RecordingMessages messages;
  PortAudioOutput output("no such device");  // would fail if it were opened
  TonePlayer player(output, messages);
  EXPECT_FALSE(player.play(Render("")));
  QTest::qWait(20);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(player.effectiveTimeMs(), 0);
}

TEST(TonePlayer, ADeviceThatCannotBeOpenedIsReported) {
  RecordingMessages messages;
  PortAudioOutput output("no such device");
  TonePlayer player(output, messages);
  QSignalSpy finished(&player, &TonePlayer::finished);
  ASSERT_TRUE(player.play(Render("1")));
  EXPECT_EQ(finished.count(), 0) << "the end is reported after play() returns";
  ASSERT_TRUE(finished.count() == 1 || finished.wait(2000));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0],
            (UserMessage{" SuonaSequenza", "1. waveOutOpen failed - -9996", UserMessage::Icon::Error}));
  EXPECT_FALSE(player.soundBusy());
}

// An output that fails at one chosen step, or never finishes.
class ScriptedOutput : public AudioOutput {
 public:
  enum Step { None, Open, Start, Stop, Close, NeverFinish };
  explicit ScriptedOutput(Step failing) : failing_(failing) {}
  ~ScriptedOutput() override {
    if (thread_.joinable()) thread_.join();
  }
  int open() override { return failing_ == Open ? -9999 : 0; }
  int start(const std::int16_t*, std::int64_t, std::function<void()> finished) override {
    if (failing_ == Start) return 7;
    if (failing_ != NeverFinish) thread_ = std::thread(std::move(finished));  // from another thread, as a device does
    return 0;
  }
  int stop() override { return failing_ == Stop ? -9983 : 0; }
  int close() override { return failing_ == Close ? -9988 : 0; }
  void reset() override { ++resets; }
  int resets = 0;

 private:
  Step failing_;
  std::thread thread_;
};

TEST(TonePlayer, EachFailingStepHasItsMessage) {
  const std::pair<ScriptedOutput::Step, const char*> cases[] = {
      {ScriptedOutput::Open, "1. waveOutOpen failed - -9999"},
      {ScriptedOutput::Start, "2. waveOutPrepareHeader failed -  7"},
      {ScriptedOutput::Stop, "4. waveOutUnPrepareHeader failed - 1 - -9983"},
      {ScriptedOutput::Close, "5. waveOutClose failed - -9988"},
      {ScriptedOutput::NeverFinish,
       "The sound device did not finish playing the sequence in time; playback was stopped."},
  };
  for (const auto& [step, text] : cases) {
    RecordingMessages messages;
    ScriptedOutput output(step);
    TonePlayer player(output, messages);
    player.setWatchdogMargin(std::chrono::milliseconds(100));
    QSignalSpy finished(&player, &TonePlayer::finished);
    ASSERT_TRUE(player.play(Render("1")));
    ASSERT_TRUE(finished.count() == 1 || finished.wait(3000)) << text;
    ASSERT_EQ(messages.shown.size(), 1u) << text;
    EXPECT_EQ(messages.shown[0].text, text);
    EXPECT_EQ(messages.shown[0].title, " SuonaSequenza");
    EXPECT_FALSE(player.soundBusy()) << text;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !player.deviceBusy(); }, 3000));
    EXPECT_EQ(output.resets, step == ScriptedOutput::Close ? 0 : 1) << text;
    QTest::qWait(10);
    EXPECT_EQ(finished.count(), 1) << text;
  }
}

// The PTT line, recorded with the time of each change.
class RecordingPtt : public PttLine {
 public:
  bool pttEnabled() const override { return enabled; }
  void setPtt(bool on, Done done) override {
    changes.emplace_back(on, Clock::now());
    if (done) done(on ? keys : releases);
  }
  bool enabled = true;
  bool keys = true;      // false: the line cannot be driven
  bool releases = true;  // false: the release fails
  std::vector<std::pair<bool, Clock::time_point>> changes;
};

using testing::RealTimeOutput;

double Ms(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

TEST(SequenceSender, OpensTheDeviceKeysWaitsPlaysAndReleasesAfterTheTail) {
  RecordingMessages messages;
  RealTimeOutput output;
  TonePlayer player(output, messages);
  RecordingPtt ptt;
  SequenceSender sender(player, ptt, messages);
  const SendTiming timing = CorrectSendTiming({"50", "50", "1000", "150"});

  QSignalSpy finished(&sender, &SequenceSender::finished);
  ASSERT_TRUE(sender.send("123", timing));  // 3 x 401 + 2 x 401 samples: 250.6 ms
  EXPECT_FALSE(sender.send("4", timing)) << "a second send while one runs is refused";
  ASSERT_TRUE(finished.wait(10000));
  ASSERT_EQ(ptt.changes.size(), 2u);
  const auto [keyedOn, keyedAt] = ptt.changes[0];
  const auto [releasedOn, releasedAt] = ptt.changes[1];
  EXPECT_TRUE(keyedOn && !releasedOn);
  EXPECT_LT(output.opened, keyedAt) << "the device is opened with the transmitter still off";
  // Never early where the air would suffer; late only by what a busy machine adds.
  EXPECT_GE(Ms(keyedAt, output.started), 150);
  EXPECT_LT(Ms(keyedAt, output.started), 150 + 150);
  EXPECT_GE(Ms(output.done, releasedAt), 40) << "the tail starts when the sound has ended";
  EXPECT_LT(Ms(output.done, releasedAt), 40 + 150);
  EXPECT_NEAR(player.effectiveTimeMs(), 250, 150) << "the time the sound took, not 0";
  EXPECT_GE(player.effectiveTimeMs(), 250);
  EXPECT_EQ(finished.first().at(0).toString().toStdString(), CompletionText(player.effectiveTimeMs()));
  EXPECT_TRUE(finished.first().at(1).toBool());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_LE(output.peak, 20000) << "two tones of 10000 at most";
  EXPECT_GT(output.peak, 19000);

  // The Station setup's tail and level apply to the next send.
  sender.setTail(std::chrono::milliseconds(300));
  sender.setLevels({-6, 2});
  finished.clear();
  ptt.changes.clear();
  ASSERT_TRUE(sender.send("1", timing));
  ASSERT_TRUE(finished.wait(10000));
  ASSERT_EQ(ptt.changes.size(), 2u);
  EXPECT_GE(Ms(output.done, ptt.changes[1].second), 300);
  EXPECT_LT(Ms(output.done, ptt.changes[1].second), 300 + 150);
  EXPECT_LE(output.peak, 5012 + 6310) << "-6 dB, the high tone 2 dB above the low";
  EXPECT_GT(output.peak, 5012 + 6310 - 400);
}

TEST(SequenceSender, WithoutPttOrSoundItStillCompletes) {
  RecordingMessages messages;
  PortAudioOutput output;
  TonePlayer player(output, messages);
  RecordingPtt ptt;
  SequenceSender sender(player, ptt, messages);
  const SendTiming timing = CorrectSendTiming({"50", "50", "1000", "20"});

  // An empty sequence: no sound, PTT keyed and released, the previous time.
  QSignalSpy finished(&sender, &SequenceSender::finished);
  ASSERT_TRUE(sender.send("", timing));
  ASSERT_TRUE(finished.wait(10000));
  EXPECT_EQ(ptt.changes.size(), 2u);
  EXPECT_TRUE(finished.first().at(1).toBool());

  ptt.changes.clear();
  ptt.enabled = false;
  finished.clear();
  ASSERT_TRUE(sender.send("1", timing));
  ASSERT_TRUE(finished.wait(10000));
  EXPECT_TRUE(ptt.changes.empty());
  EXPECT_TRUE(messages.shown.empty());
  const std::string status = finished.first().at(0).toString().toStdString();
  EXPECT_EQ(status.rfind("Sequence sent without PTT.\r\nEffective time = ", 0), 0u) << status;
  EXPECT_TRUE(sender.sentWithoutPtt());
}

// A device whose opening blocks until it is let go, as ALSA's file device on
// a FIFO nobody reads does.
class HangingOutput : public AudioOutput {
 public:
  int open() override {
    std::unique_lock<std::mutex> lock(mutex_);
    wake_.wait(lock, [this] { return !hanging_; });
    return 0;
  }
  int start(const std::int16_t*, std::int64_t, std::function<void()> finished) override {
    thread_ = std::thread(std::move(finished));
    return 0;
  }
  int stop() override { return 0; }
  int close() override { return 0; }
  void reset() override {}
  void letGo() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      hanging_ = false;
    }
    wake_.notify_all();
  }
  ~HangingOutput() override {
    letGo();
    if (thread_.joinable()) thread_.join();
  }

 private:
  std::mutex mutex_;
  std::condition_variable wake_;
  bool hanging_ = true;
  std::thread thread_;
};

TEST(SequenceSender, ADeviceThatDoesNotRespondIsSaidAndTheTransmitterNeverKeyed) {
  RecordingMessages messages;
  HangingOutput output;
  TonePlayer player(output, messages);
  player.setDeviceTimeout(std::chrono::milliseconds(300));
  RecordingPtt ptt;
  SequenceSender sender(player, ptt, messages);
  const SendTiming timing = CorrectSendTiming({"50", "50", "1000", "20"});
  const std::string notResponding = "Sequence not sent: the sound device does not respond.";
  for (int attempt = 0; attempt < 2; ++attempt) {
    // The second send finds the first opening still stuck, and says so at once.
    QSignalSpy finished(&sender, &SequenceSender::finished);
    const auto before = Clock::now();
    ASSERT_TRUE(sender.send("1", timing));
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(finished.first().at(0).toString().toStdString(), notResponding);
    EXPECT_GE(Ms(before, Clock::now()), attempt == 0 ? 250 : 0) << "a coarse timer may be 5% early";
    EXPECT_TRUE(ptt.changes.empty()) << "keyed only once the device is ready";
    EXPECT_TRUE(player.deviceBusy());
  }
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_NE(messages.shown[0].text.find("does not respond"), std::string::npos);

  output.letGo();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !player.deviceBusy(); }, 5000));
  QSignalSpy finished(&sender, &SequenceSender::finished);
  ASSERT_TRUE(sender.send("1", timing));
  ASSERT_TRUE(finished.wait(5000));
  EXPECT_TRUE(finished.first().at(1).toBool()) << "the device answers again: sends work";
  EXPECT_EQ(ptt.changes.size(), 2u);
}

TEST(SequenceSender, EveryStopReleasesAndSaysWhatHappened) {
  struct Case {
    const char* name;
    int limitSeconds;     // the TX time limit, 0: none
    int stopAfterMs;      // stop() this long after the sound starts, -1: never
    bool releases;
    std::string status;
    bool completed;
  };
  const Case cases[] = {
      {"TX time limit", 1, -1, true,
       "Sequence stopped: the TX time limit of 1 s was reached; the transmitter is released.", false},
      {"stopped from outside", 0, 100, true, "Sequence stopped: signal 15; the transmitter is released.", false},
      {"a release that fails", 0, -1, false,
       "Sequence sent; the transmitter could NOT be released: check it now!", false},
  };
  for (const auto& c : cases) {
    RecordingMessages messages;
    RealTimeOutput output;
    TonePlayer player(output, messages);
    RecordingPtt ptt;
    ptt.releases = c.releases;
    SequenceSender sender(player, ptt, messages);
    sender.setTxLimit(std::chrono::seconds(c.limitSeconds));
    QSignalSpy finished(&sender, &SequenceSender::finished);
    // Two seconds of tone, or half a second where nothing stops it.
    const char* digitMs = c.limitSeconds > 0 || c.stopAfterMs >= 0 ? "2000" : "500";
    ASSERT_TRUE(sender.send("1", CorrectSendTiming({digitMs, "50", "1000", "20"})));
    if (c.stopAfterMs >= 0) {
      ASSERT_TRUE(QTest::qWaitFor([&] { return output.started != Clock::time_point{}; }, 5000));
      QTest::qWait(c.stopAfterMs);
      sender.stop("signal 15");
    }
    ASSERT_TRUE(finished.wait(10000)) << c.name;
    EXPECT_EQ(finished.first().at(0).toString().toStdString(), c.status) << c.name;
    EXPECT_EQ(finished.first().at(1).toBool(), c.completed) << c.name;
    EXPECT_EQ(sender.releaseFailed(), !c.releases) << c.name;
    ASSERT_EQ(ptt.changes.size(), 2u) << c.name;
    EXPECT_FALSE(ptt.changes[1].first) << c.name;
    const double keyedMs = Ms(ptt.changes[0].second, ptt.changes[1].second);
    if (c.limitSeconds > 0) {
      EXPECT_GE(keyedMs, c.limitSeconds * 1000.0) << "never before the limit";
      EXPECT_LT(keyedMs, c.limitSeconds * 1000.0 + 500) << c.name;
    }
    if (c.stopAfterMs >= 0) {
      EXPECT_LT(keyedMs, 20 + c.stopAfterMs + 500) << c.name << ": released at once";
    }
    EXPECT_FALSE(player.soundBusy()) << c.name;
    // What reached the device: all of what played to its end, the time it played of the rest.
    const std::int64_t played = player.playedSamples();
    if (c.limitSeconds > 0) {
      EXPECT_NEAR(played, 8000 * c.limitSeconds, 8000 * 0.4) << c.name;
    } else if (c.stopAfterMs >= 0) {
      EXPECT_NEAR(played, 8 * c.stopAfterMs, 8000 * 0.4) << c.name;
    } else {
      EXPECT_GT(played, 8 * 500) << c.name;
    }
  }
}

// A device that plays in real time: closing it waits for its own thread, and
// two threads closing it at once would wait for each other for good.
class SlowToCloseOutput : public AudioOutput {
 public:
  int open() override { return 0; }
  int start(const std::int16_t*, std::int64_t, std::function<void()>) override { return 0; }
  int stop() override { return 0; }
  int close() override { return 0; }
  void reset() override {
    if (closing_.exchange(true)) ++concurrent;  // a second closer while the first is still in
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    ++resets;
    resetOn = std::this_thread::get_id();
    closing_ = false;
  }
  ~SlowToCloseOutput() override { *gone = true; }
  std::atomic<int> resets{0}, concurrent{0};
  std::thread::id resetOn;
  std::shared_ptr<std::atomic<bool>> gone = std::make_shared<std::atomic<bool>>(false);

 private:
  std::atomic<bool> closing_{false};
};

TEST(TonePlayer, AStoppedPlayerLetsGoOfItsDeviceWithoutWaitingForIt) {
  const std::string steps[] = {"aborted", "cancelled", "destroyed while playing", "destroyed while closing"};
  for (const auto& step : steps) {
    RecordingMessages messages;
    auto output = std::make_shared<SlowToCloseOutput>();
    const auto gone = output->gone;
    auto player = std::make_unique<TonePlayer>(std::move(output), messages);
    QSignalSpy prepared(player.get(), &TonePlayer::prepared);
    ASSERT_TRUE(player->prepare(Render("1")));
    ASSERT_TRUE(prepared.wait(5000)) << step;
    if (step != "cancelled") player->start();
    QTest::qWait(50);
    const auto before = Clock::now();
    if (step == "aborted" || step == "destroyed while closing") player->abort("stopped");
    if (step == "cancelled") player->cancel();
    if (step == "destroyed while closing") QTest::qWait(100);  // the close under way
    player.reset();
    EXPECT_LT(Clock::now() - before, std::chrono::milliseconds(200)) << step << ": the owner's thread never waits";
    EXPECT_TRUE(DeviceCallsEnded(std::chrono::seconds(5))) << step;
    EXPECT_TRUE(*gone) << step << ": the last call let go of the device";
    QTest::qWait(20);
  }
  // Counted on a device that outlives the player, so that it can be read after.
  RecordingMessages messages;
  auto output = std::make_shared<SlowToCloseOutput>();
  auto player = std::make_unique<TonePlayer>(output, messages);
  QSignalSpy prepared(player.get(), &TonePlayer::prepared);
  ASSERT_TRUE(player->prepare(Render("1")));
  ASSERT_TRUE(prepared.wait(5000));
  player->start();
  player->abort("stopped");
  player.reset();
  ASSERT_TRUE(DeviceCallsEnded(std::chrono::seconds(5)));
  EXPECT_EQ(output->resets, 1) << "closed once";
  EXPECT_EQ(output->concurrent, 0);
  EXPECT_NE(output->resetOn, std::this_thread::get_id()) << "never on the owner's thread";
}

TEST(SequenceSender, AFailedSendSaysSoAndNeverKeysForNothing) {
  struct Case {
    const char* name;
    int openResult;
    bool keys;
    bool stalls;
    std::string status;
    std::size_t pttChanges;  // keyed and released, or never touched
  };
  const Case cases[] = {
      {"no sound device", -9996, true, false, "Sequence not sent: the sound device could not be opened.", 0},
      {"PTT that cannot be keyed", 0, false, false, "Sequence not sent: the transmitter could not be keyed.", 2},
      {"a device that stops mid-send", 0, true, true, "Sequence not sent: the sound device stopped playing.", 2},
  };
  for (const auto& c : cases) {
    RecordingMessages messages;
    RealTimeOutput output;
    output.openResult = c.openResult;
    output.stalls = c.stalls;
    TonePlayer player(output, messages);
    player.setWatchdogMargin(std::chrono::milliseconds(100));
    RecordingPtt ptt;
    ptt.keys = c.keys;
    SequenceSender sender(player, ptt, messages);
    QSignalSpy finished(&sender, &SequenceSender::finished);
    ASSERT_TRUE(sender.send("1", CorrectSendTiming({"50", "50", "1000", "20"})));
    ASSERT_TRUE(finished.wait(5000)) << c.name;
    EXPECT_EQ(finished.first().at(0).toString().toStdString(), c.status) << c.name;
    EXPECT_FALSE(finished.first().at(1).toBool()) << c.name;
    EXPECT_EQ(ptt.changes.size(), c.pttChanges) << c.name;
    if (!ptt.changes.empty()) {
      EXPECT_FALSE(ptt.changes.back().first) << "released on the way out";
    }
    EXPECT_EQ(output.started != Clock::time_point{}, c.stalls) << c.name << ": played only when it could";
    EXPECT_FALSE(player.soundBusy()) << c.name;
  }
}

}  // namespace
}  // namespace tonalis

int main(int argc, char** argv) {
  // The sound device must be chosen before PortAudio starts.
  tonalis::gPlayedFile = tonalis::testing::UseAlsaFileDevice(std::filesystem::temp_directory_path() /
                                                             ("tonalis-player-" + std::to_string(::getpid())));
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  const int status = RUN_ALL_TESTS();
  std::filesystem::remove_all(std::filesystem::path(tonalis::gPlayedFile).parent_path());
  return status;
}
