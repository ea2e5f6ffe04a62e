// SPDX-License-Identifier: GPL-3.0-or-later
// The channel listened to: tonalis-cli listen and cw-decode --input-device on
// a FIFO a receiver writes into at a sound card's pace.
#include <gtest/gtest.h>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <csignal>

#include "journal/journal.h"
#include "support/paced_fifo.h"
#include "support/run_cli.h"
#include "support/test_files.h"
#include "tone/morse.h"
#include "tone/synthesis.h"

namespace tonalis {
namespace {

using testing::RunCli;

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Silence, then each sequence as Send Sequence plays it, each followed by its silence.
std::vector<std::int16_t> Air(double leadSeconds, const std::vector<std::pair<std::string, double>>& sequences) {
  std::vector<std::int16_t> air(static_cast<std::size_t>(leadSeconds * 8000), 0);
  for (const auto& [sequence, after] : sequences) {
    const RenderedSequence r = RenderSequence(sequence, CalcSampleCounts(0.05, 0.05, 1.0));
    air.insert(air.end(), r.samples.get(), r.samples.get() + r.count);
    air.resize(air.size() + static_cast<std::size_t>(after * 8000), 0);
  }
  return air;
}

struct Listener {
  explicit Listener(const testing::TempDir& dir, const QStringList& args) {
    QProcessEnvironment env = testing::ProgramEnvironment();
    env.insert("TONALIS_SETTINGS_DIR", Q(dir.path().string()));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TONALIS_CLI), args);
  }
  // Its standard output, once it has ended.
  bool ended(int ms) { return process.waitForFinished(ms); }
  QProcess process;
};

// Each sequence heard is printed with the time its first digit began and
// kept in the journal; SIGTERM ends the listening with the sequence still
// open said, and a summary.
TEST(ListenCli, PrintsAndJournalsEachSequenceAsItIsHeard) {
  testing::TempDir dir;
  testing::PacedFifo receiver(dir.file("receiver"));
  Listener listen(dir, {"listen", "--input-device", Q(receiver.path())});
  ASSERT_TRUE(listen.process.waitForStarted());
  // 0.5 s of silence, 123A, 1.5 s (more than the sequence gap), #0*, 0.3 s.
  receiver.play(Air(0.5, {{"123A", 1.5}, {"#0*", 0.3}}));
  ASSERT_TRUE(QTest::qWaitFor([&] { return receiver.done(); }, 15000));
  QTest::qWait(200);
  ::kill(static_cast<pid_t>(listen.process.processId()), SIGTERM);
  ASSERT_TRUE(listen.ended(5000));
  EXPECT_EQ(listen.process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(listen.process.exitCode(), 0);
  const QString out = listen.process.readAllStandardOutput();
  const QString err = listen.process.readAllStandardError();
  const QStringList lines = out.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 2) << out.toStdString() << err.toStdString();
  const QRegularExpression line("^(\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d) (\\S+)$");
  const auto first = line.match(lines[0]), second = line.match(lines[1]);
  ASSERT_TRUE(first.hasMatch() && second.hasMatch()) << out.toStdString();
  EXPECT_EQ(first.captured(2), "123A");
  EXPECT_EQ(second.captured(2), "#0*") << "the sequence open when the listening ended";
  // Its first digit went into the FIFO 0.5 s after the first sample.
  const QDateTime began =
      QDateTime::fromMSecsSinceEpoch(std::chrono::duration_cast<std::chrono::milliseconds>(
                                         receiver.started().time_since_epoch()).count() + 500);
  const QTime printed = QTime::fromString(first.captured(1), "HH:mm:ss.zzz");
  EXPECT_LE(std::abs(printed.msecsTo(began.time())), 300) << first.captured(1).toStdString();
  EXPECT_NE(err.indexOf("listening on " + Q(receiver.path()) + " (Ctrl+C ends)"), -1) << err.toStdString();
  EXPECT_NE(err.indexOf(QRegularExpression("2 sequence\\(s\\) heard in 0:00:0\\d\\.")), -1) << err.toStdString();
  const auto journal = ReadJournal(dir.file("journal"));
  ASSERT_EQ(journal.size(), 2u);
  EXPECT_EQ(journal[0].kind, "heard");
  EXPECT_EQ(journal[0].what, "123A");
  EXPECT_EQ(journal[0].local.substr(11, 8), first.captured(1).left(8).toStdString()) << "kept at the time it began";
  EXPECT_EQ(journal[1].what, "#0*");
}

// --json: an event a sequence, with its time; --seconds ends it by itself.
TEST(ListenCli, JsonEventsAndAnEndAfterItsSeconds) {
  testing::TempDir dir;
  testing::PacedFifo receiver(dir.file("receiver"));
  Listener listen(dir, {"listen", "--json", "--seconds", "3", "--input-device", Q(receiver.path()),
                        "--sequence-gap-ms", "200"});
  receiver.play(Air(0.2, {{"15", 0.5}, {"9D", 0.5}}));  // 0.5 s apart: two sequences with a 200 ms gap
  ASSERT_TRUE(listen.ended(10000));
  EXPECT_EQ(listen.process.exitCode(), 0);
  const QStringList events = QString(listen.process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(events.size(), 3) << events.join('\n').toStdString();
  EXPECT_TRUE(events[0].startsWith("{\"event\":\"heard\",\"sequence\":\"15\",\"text\":\"")) << events[0].toStdString();
  EXPECT_NE(events[0].indexOf(QRegularExpression("\"time\":\"\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3}")), -1)
      << events[0].toStdString();
  EXPECT_TRUE(events[1].startsWith("{\"event\":\"heard\",\"sequence\":\"9D\"")) << events[1].toStdString();
  EXPECT_EQ(events[2], "{\"event\":\"done\",\"exit\":0}");
}

// A device that gives nothing is said once, and not said to be back when the listening ends.
TEST(ListenCli, ADeviceWithoutAudioIsSaid) {
  testing::TempDir dir;
  testing::PacedFifo receiver(dir.file("receiver"));  // nobody writes
  Listener listen(dir, {"listen", "--seconds", "11", "--input-device", Q(receiver.path())});
  ASSERT_TRUE(listen.ended(20000));
  EXPECT_EQ(listen.process.exitCode(), 0);
  const QString err = listen.process.readAllStandardError();
  EXPECT_EQ(err.count("tonalis-cli: no audio from the input device for 10 s; still listening."), 1) << err.toStdString();
  EXPECT_EQ(err.indexOf("again"), -1) << err.toStdString();
  EXPECT_NE(err.indexOf("0 sequence(s) heard in 0:00:1"), -1) << err.toStdString();
}

// Morse read live, as it comes, until Ctrl+C.
TEST(ListenCli, CwDecodeReadsAnInputDeviceLive) {
  testing::TempDir dir;
  testing::PacedFifo receiver(dir.file("receiver"));
  Listener live(dir, {"cw-decode", "--input-device", Q(receiver.path()), "--verbose"});
  std::vector<std::int16_t> air(4000, 0);
  const auto morse = RenderMorse("CQ DE HILLTOP", 60, 800);
  air.insert(air.end(), morse.begin(), morse.end());
  air.resize(air.size() + 4000, 0);
  receiver.play(air);
  ASSERT_TRUE(QTest::qWaitFor([&] { return receiver.done(); }, 20000));
  ::kill(static_cast<pid_t>(live.process.processId()), SIGINT);
  ASSERT_TRUE(live.ended(5000));
  EXPECT_EQ(live.process.exitCode(), 0);
  EXPECT_EQ(QString(live.process.readAllStandardOutput()), "CQ DE HILLTOP\n");
  EXPECT_TRUE(QString(live.process.readAllStandardError()).startsWith("tone 800 Hz, speed 20 WPM"));
}

TEST(ListenCli, Refusals) {
  testing::TempDir dir;
  const std::string wav = dir.file("a.wav");
  ASSERT_EQ(RunCli({"render", "1", "-o", Q(wav)}).exitCode, 0);
  struct Case {
    QStringList args;
    int exit;
    const char* says;
  };
  const Case cases[] = {
      {{"listen", "--seconds", "0"}, 2, "--seconds takes a number of seconds from 1 to 31536000."},
      {{"listen", "--seconds", "31536001"}, 2, "--seconds takes a number of seconds from 1 to 31536000."},
      {{"listen", "--sequence-gap-ms", "10"}, 2, "--sequence-gap-ms takes a number of ms from 50 to 60000."},
      {{"listen", "file.wav"}, 2, "Too many arguments."},
      {{"listen", "--input-device", Q(dir.file("no-such-input"))}, 1, "Cannot listen: no sound input device is called"},
      {{"cw-decode", "--input-device", Q(dir.file("no-such-input"))}, 1, "Cannot listen:"},
      {{"cw-decode", "--input-device", "x", Q(wav)}, 2, "--input-device listens live: no file goes with it."},
      {{"cw-decode", "--seconds", "5", Q(wav)}, 2, "--seconds goes with --input-device."},
  };
  for (const auto& c : cases) {
    const auto run = RunCli(c.args);
    EXPECT_EQ(run.exitCode, c.exit) << c.args.join(' ').toStdString();
    EXPECT_NE(run.err.find(std::string("tonalis-cli: ") + c.says), std::string::npos)
        << c.args.join(' ').toStdString() << ": " << run.err;
  }
}

}  // namespace
}  // namespace tonalis
