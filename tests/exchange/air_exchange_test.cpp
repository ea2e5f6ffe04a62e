// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/air_exchange.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "history/history_entry.h"
#include "support/examples.h"
#include "support/real_time_output.h"
#include "support/recording.h"
#include "support/scripted_input.h"
#include "support/test_files.h"
#include "tone/morse.h"
#include "tone/synthesis.h"

namespace tonalis {
namespace {

using testing::RealTimeOutput;
using testing::RecordingMessages;

class Ptt : public PttLine {
 public:
  bool pttEnabled() const override { return enabled; }
  void setPtt(bool on, Done done) override {
    changes.push_back(on);
    if (done) done(on ? keys : releases);
  }
  bool enabled = true, keys = true, releases = true;
  std::vector<bool> changes;
};

class Journal : public JournalSink {
 public:
  void append(const JournalRecord& record) override { records.push_back(record); }
  std::vector<JournalRecord> records;
};


struct Station {
  RecordingMessages messages;
  RealTimeOutput output;
  Ptt ptt;
  testing::ScriptedInput input;  // the receiver, from the moment it is opened
  Journal journal;
  testing::TempDir dir;
  HistoryStore history{dir.file("history")};
  AirExchange exchange{output, ptt, messages, input, journal, &history};
  // Runs `request` to its end; the events in order.
  std::vector<std::string> run(const AirRequest& request, std::function<void()> meanwhile = {}) {
    std::vector<std::string> events;
    QObject context;
    for (const auto& [signal, name] :
         std::initializer_list<std::pair<void (AirExchange::*)(), const char*>>{
             {&AirExchange::monitoring, "monitoring"}, {&AirExchange::listening, "listening"},
             {&AirExchange::done, "done"}})
      QObject::connect(&exchange, signal, &context, [&events, name = name] { events.push_back(name); });
    QObject::connect(&exchange, &AirExchange::sendFinished, &context,
                     [&](const QString&, bool completed) { events.push_back(completed ? "sent" : "not sent"); });
    QObject::connect(&exchange, &AirExchange::monitored, &context,
                     [&](const TransmissionCheck& check, const std::vector<std::int16_t>&, int, bool) {
                       events.push_back("monitored " + check.summary());
                     });
    QObject::connect(&exchange, &AirExchange::replyHeard, &context,
                     [&](const QString& text) { events.push_back("reply " + text.toStdString()); });
    QObject::connect(&exchange, &AirExchange::airEntryWritten, &context, [&](int n, const QString& digits) {
      events.push_back("air " + std::to_string(n) + "=" + digits.toStdString());
    });
    QSignalSpy done(&exchange, &AirExchange::done);
    if (const auto refused = exchange.start(request)) return {"refused: " + *refused};
    if (meanwhile) meanwhile();
    EXPECT_TRUE(done.count() == 1 || done.wait(20000));
    return events;
  }
};

AirRequest Sequence(const std::string& digits) {
  AirRequest r;
  r.sequence = digits;
  r.timing = CorrectSendTiming({"50", "50", "1000", "20"});
  r.ptt = "test line";
  return r;
}

TEST(AirExchange, EachKindIsJournalledAsWhatItIs) {
  struct Case {
    std::function<void(AirRequest&)> make;
    const char* kind;
    const char* what;
  } cases[] = {
      {[](AirRequest&) {}, "send", "1234"},
      {[](AirRequest& r) { r.kind = AirRequest::Kind::Command, r.command = 8; }, "command", "command 8: Send Status (1234)"},
      {[](AirRequest& r) {
         r.kind = AirRequest::Kind::Replacement, r.replacedCommand = 0, r.newDigits = "345";
         r.sequence = "111234345#D#", r.maskKeys = true, r.modifierId = "1234", r.checksumId = "#";
       },
       "replacement", "replacement of command 0 by 345 (11xxxx345xxx)"},
      {[](AirRequest& r) { r.kind = AirRequest::Kind::Replacement, r.replacedDigits = "77", r.newDigits = "345"; },
       "replacement", "replacement of 77 by 345 (1234)"},
      {[](AirRequest& r) { r.maskKeys = true, r.modifierId = "1234"; }, "send", "1234"},
      {[](AirRequest& r) {
         r.kind = AirRequest::Kind::TestTone, r.sequence = "5", r.timing = CorrectSendTiming({"100", "50", "1000", "20"});
       },
       "test-tone", "the digit 5 for 0.1 s"},
      {[](AirRequest& r) {
         r.kind = AirRequest::Kind::CalibrationTone, r.toneHz = 1000, r.toneSeconds = 0.2, r.tonePeakDbfs = -10.3;
       },
       "calibration-tone", "1000 Hz for 0.2 s at -10.3 dBFS"},
      {[](AirRequest& r) { r.kind = AirRequest::Kind::PttTest, r.pttSeconds = 1; }, "ptt-test", "keyed for up to 1 s"},
  };
  for (const Case& c : cases) {
    Station s;
    AirRequest request = Sequence("1234");
    c.make(request);
    s.run(request);
    ASSERT_EQ(s.journal.records.size(), 1u) << c.what;
    const JournalRecord& r = s.journal.records[0];
    EXPECT_EQ(r.kind, c.kind);
    EXPECT_EQ(r.what, c.what);
    EXPECT_EQ(r.ptt, "test line");
    EXPECT_EQ(r.result, "completed") << c.what << ": " << r.detail;
    EXPECT_EQ(!r.timing.empty(), std::string(c.kind) == "send" || std::string(c.kind) == "command" ||
                                     std::string(c.kind) == "replacement")
        << c.what;
    EXPECT_EQ(s.ptt.changes, (std::vector<bool>{true, false})) << c.what << ": keyed once, released once";
  }
}

// The monitor records from before the key; the board answers the moment the
// send ends, inside the monitor's second after it: the reply is read whole,
// and the three records share the send's id.
TEST(AirExchange, MonitorThenReplyOnOneInputMissingNothing) {
  Station s;
  AirRequest request = Sequence("123");
  request.monitor = request.listen = true;
  request.replyDotMs = 30;
  request.listenFor = std::chrono::seconds(10);
  const SampleCounts counts = CalcSampleCounts(0.05, 0.05, 1.0);
  const RenderedSequence sent = RenderSequence("123", counts, 0, {});
  // The transmitter's TX delay, the digits, then, once the transmitter is
  // released, the reply (0.6 s on: well inside the second the monitor
  // records after, and after the release however busy the machine).
  s.input.audio.assign(160, 0);
  s.input.audio.insert(s.input.audio.end(), sent.samples.get(), sent.samples.get() + sent.count);
  s.input.audio.resize(s.input.audio.size() + 4800, 0);
  const auto reply = RenderMorse("IZ1ABC R", 30, 800);
  s.input.audio.insert(s.input.audio.end(), reply.begin(), reply.end());
  auto events = s.run(request);
  ASSERT_EQ(events.size(), 6u);
  EXPECT_EQ(events[2].substr(0, 31), "monitored 3 of 3 digits heard, ") << events[2];
  events[2].resize(9);
  EXPECT_EQ(events, (std::vector<std::string>{"monitoring", "sent", "monitored", "listening", "reply IZ1ABC R", "done"}));
  EXPECT_EQ(s.input.opened, 1) << "one opening for the monitor and the listener";
  ASSERT_EQ(s.journal.records.size(), 3u);
  EXPECT_EQ(s.journal.records[1].kind, "monitor");
  EXPECT_EQ(s.journal.records[2].kind, "reply");
  EXPECT_EQ(s.journal.records[2].reply, "IZ1ABC R");
  for (const JournalRecord& r : s.journal.records) EXPECT_EQ(r.id, s.journal.records[0].id);
}

TEST(AirExchange, AMonitorThatCannotHear) {
  // Asked for by the user: nothing is sent. From the Station setup: said, and the send goes on.
  for (const bool required : {true, false}) {
    Station s;
    s.input.failure = "no such device";
    AirRequest request = Sequence("1");
    request.monitor = true;
    request.monitorRequired = required;
    QSignalSpy failed(&s.exchange, &AirExchange::monitorFailed);
    const auto events = s.run(request);
    if (required) {
      EXPECT_EQ(events, (std::vector<std::string>{"refused: no such device"}));
      EXPECT_TRUE(s.ptt.changes.empty()) << "never keyed";
      EXPECT_TRUE(s.journal.records.empty());
    } else {
      EXPECT_EQ(events, (std::vector<std::string>{"sent", "done"}));
      ASSERT_EQ(failed.count(), 1);
      EXPECT_EQ(failed[0][0].toString(), "no such device");
    }
  }
}

TEST(AirExchange, AReplacementThatCompletedIsKeptAsSentOverTheAir) {
  const DecoderImage fields = ValidateAndEncode(testing::WorkedExample()).image;
  struct Case {
    std::optional<int> command;
    std::optional<DecoderImage> image;
    bool keys;
    std::vector<std::string> events;
  } cases[] = {
      {0, fields, true, {"sent", "air 0=345", "done"}},
      {std::nullopt, fields, true, {"sent", "done"}},     // no command of the board: nothing to replace
      {0, std::nullopt, true, {"sent", "done"}},          // no content known: nothing to replace it in
      {0, fields, false, {"not sent", "done"}},           // never on the air
  };
  for (const Case& c : cases) {
    Station s;
    s.ptt.keys = c.keys;
    AirRequest request = Sequence("111234345#D#");
    request.kind = AirRequest::Kind::Replacement;
    request.replacedCommand = c.command;
    request.newDigits = "345";
    request.fieldsImage = c.image;
    EXPECT_EQ(s.run(request), c.events);
    const auto entries = s.history.entries();
    ASSERT_EQ(entries.size(), c.events.size() == 3 ? 1u : 0u);
    if (entries.empty()) continue;
    EXPECT_EQ(entries[0].operation, "AIR");
    EXPECT_EQ(entries[0].air, kAirSent);
    EXPECT_EQ(DecodeImage(entries[0].image).txtMem[0], "345");
    EXPECT_EQ(DecodeImage(entries[0].image).txtMem[1], testing::WorkedExample().txtMem[1]);
  }
  // A history that cannot be written: said, and no entry offered.
  Station s;
  testing::WriteAll(s.dir.file("history"), "a file where the folder goes");
  QSignalSpy failed(&s.exchange, &AirExchange::airEntryFailed);
  AirRequest request = Sequence("111234345#D#");
  request.kind = AirRequest::Kind::Replacement;
  request.replacedCommand = 0;
  request.newDigits = "345";
  request.fieldsImage = fields;
  EXPECT_EQ(s.run(request), (std::vector<std::string>{"sent", "done"}));
  EXPECT_EQ(failed.count(), 1);
}

TEST(AirExchange, APttTestIsReleasedOnEveryWayOut) {
  struct Case {
    const char* name;
    bool keys, releases;
    int limit;
    bool stop;
    const char* result;
    const char* status;
  } cases[] = {
      {"held", true, true, 0, false, "completed", "The transmitter was keyed and released."},
      {"the TX limit", true, true, 1, false, "completed",
       "The transmitter was keyed for the TX time limit of 1 s, shorter than the test, and released."},
      {"stopped", true, true, 0, true, "stopped", "The transmitter was keyed and released."},
      {"not keyed", false, true, 0, false, "failed", "The transmitter could not be keyed; the message said why."},
      {"not released", true, false, 0, false, "failed",
       "The transmitter was keyed, but could not be released: check it now!"},
  };
  for (const Case& c : cases) {
    Station s;
    s.ptt.keys = c.keys;
    s.ptt.releases = c.releases;
    StationSettings station;
    station.txLimitSeconds = c.limit;
    s.exchange.configure(station);
    AirRequest request;
    request.kind = AirRequest::Kind::PttTest;
    request.pttSeconds = c.limit ? 3 : 1;
    QSignalSpy finished(&s.exchange, &AirExchange::sendFinished);
    QElapsedTimer clock;
    clock.start();
    s.run(request, [&] {
      if (c.stop) QTimer::singleShot(200, &s.exchange, [&] { s.exchange.stop("stopped"); });
    });
    const qint64 held = clock.elapsed();
    EXPECT_EQ(s.ptt.changes, (std::vector<bool>{true, false})) << c.name;
    EXPECT_EQ(s.exchange.releaseFailed(), !c.releases) << c.name;
    ASSERT_EQ(finished.count(), 1) << c.name;
    EXPECT_EQ(finished[0][0].toString().toStdString(), c.status) << c.name;
    ASSERT_EQ(s.journal.records.size(), 1u);
    EXPECT_EQ(s.journal.records[0].result, c.result) << c.name;
    EXPECT_LT(held, c.stop ? 900 : c.limit ? 2500 : 4000) << c.name << ": stopped at once, or by the limit";
  }
}

TEST(AirExchange, StoppingWhileListeningKeepsWhatWasHeard) {
  Station s;
  AirRequest request = Sequence("1");
  request.listen = true;
  request.replyDotMs = 60;
  s.input.audio.assign(800, 0);
  const auto reply = RenderMorse("TEST TEST TEST TEST", 60, 800);
  s.input.audio.insert(s.input.audio.end(), reply.begin(), reply.end());
  QObject context;
  QObject::connect(&s.exchange, &AirExchange::replyProgress, &context, [&](const QString& text) {
    if (text.startsWith("TEST")) s.exchange.stop("stopped");
  });
  const auto events = s.run(request);
  ASSERT_EQ(events.size(), 4u);
  EXPECT_EQ(events[1], "listening");
  EXPECT_EQ(events[2].substr(0, 10), "reply TEST") << events[2];
  EXPECT_NE(events[2], "reply TEST TEST TEST TEST") << "stopped before its end";
  EXPECT_EQ(events[3], "done");
  ASSERT_EQ(s.journal.records.size(), 2u);
  EXPECT_EQ(s.journal.records[1].reply.substr(0, 4), "TEST");
}

}  // namespace
}  // namespace tonalis
