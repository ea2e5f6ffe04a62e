// SPDX-License-Identifier: GPL-3.0-or-later
// tonalis-cli's PTT: every way of keying, released on every way out, watched
// from outside through rigctld's dummy rig.
#include <gtest/gtest.h>
#include <QProcess>
#include <QThread>

#include <csignal>

#include "support/rigctld.h"
#include "support/run_cli.h"
#include "support/test_files.h"

namespace tonalis {
namespace {

using testing::RunCli;
using testing::TempDir;

QString Q(const std::string& s) { return QString::fromStdString(s); }

template <typename Predicate>
bool WaitUntil(Predicate ready, int ms) {
  for (int waited = 0; waited < ms; waited += 20) {
    if (ready()) return true;
    QThread::msleep(20);
  }
  return ready();
}

// tonalis-cli with its own settings folder and a sound device writing to a file.
class PttCli {
 public:
  explicit PttCli(const TempDir& dir) : dir_(dir) {
    testing::WriteAll(dir.file("sound.conf"),
                      "pcm.!default { type asym playback.pcm { type file slave.pcm { type null } file \"" +
                          dir.file("played.raw") + "\" format \"raw\" } capture.pcm { type null } }\n");
  }
  void start(const QStringList& args) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ALSA_CONFIG_PATH", Q(dir_.file("sound.conf")));
    env.insert("TONALIS_SETTINGS_DIR", Q(dir_.path().string()));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TONALIS_CLI), args);
    process.waitForStarted();
  }
  int finish() {
    if (!process.waitForFinished(30000)) process.kill();
    return process.exitCode();
  }
  std::string out() { return process.readAllStandardOutput().toStdString(); }
  std::string err() { return process.readAllStandardError().toStdString(); }
  QProcess process;

 private:
  const TempDir& dir_;
};

TEST(PttCli, PttTestKeysForItsTimeThenReleases) {
  TempDir dir;
  testing::Rigctld rig;
  PttCli cli(dir);
  cli.start({"ptt-test", "--rigctld", Q(rig.address()), "--seconds", "2"});
  ASSERT_TRUE(WaitUntil([&] { return rig.ptt() == 1; }, 5000)) << cli.err();
  EXPECT_EQ(cli.finish(), 0) << cli.err();
  EXPECT_EQ(rig.ptt(), 0);
  EXPECT_EQ(cli.out(), "keying rigctld at " + rig.address() + " for 2 s\nkeyed\nreleased\n");
}

TEST(PttCli, StoppedBySignalItReleases) {
  TempDir dir;
  testing::Rigctld rig;
  struct Case {
    QStringList args;
    int signal;
  };
  const Case cases[] = {
      {{"ptt-test", "--rigctld", Q(rig.address()), "--seconds", "60"}, SIGTERM},
      {{"ptt-test", "--rigctld", Q(rig.address()), "--seconds", "60"}, SIGINT},
      // A send caught in its TX delay.
      {{"send", "123", "--rigctld", Q(rig.address()), "--tx-delay-ms", "2000"}, SIGINT},
  };
  for (const auto& c : cases) {
    PttCli cli(dir);
    cli.start(c.args);
    ASSERT_TRUE(WaitUntil([&] { return rig.ptt() == 1; }, 5000)) << c.args.join(' ').toStdString();
    ::kill(static_cast<pid_t>(cli.process.processId()), c.signal);
    EXPECT_EQ(cli.finish(), 128 + c.signal) << cli.err();
    EXPECT_EQ(rig.ptt(), 0) << c.args.join(' ').toStdString();
  }
}

TEST(PttCli, SendKeysAsTheStationSetupSays) {
  TempDir dir;
  testing::Rigctld rig;
  testing::WriteAll(dir.file("station.ini"),
                    "[ptt]\nmethod=rigctld\nrigctld_host=127.0.0.1\nrigctld_port=" + std::to_string(rig.port()) + "\n");
  PttCli cli(dir);
  cli.start({"send", "1", "--tx-delay-ms", "1500"});
  ASSERT_TRUE(WaitUntil([&] { return rig.ptt() == 1; }, 5000)) << "keyed without a PTT option";
  EXPECT_EQ(cli.finish(), 0) << cli.err();
  EXPECT_EQ(rig.ptt(), 0);
  EXPECT_EQ(cli.out().rfind("Sequence completed.", 0), 0u);
}

TEST(PttCli, RefusalsAndFailures) {
  TempDir dir;
  struct Case {
    QStringList args;
    int exit;
    const char* err;
  };
  const Case cases[] = {
      {{"ptt-test"}, 2, "No PTT to test"},
      {{"ptt-test", "--cm108", "/dev/hidraw0", "--rigctld", "localhost:4532"}, 2, "Choose one way"},
      {{"ptt-test", "--ptt-line", "dtr"}, 2, "--ptt-line and --ptt-invert go with --ptt P."},
      {{"ptt-test", "--cm108", "/dev/hidraw0:12"}, 2, "GPIO from 1 to 8"},
      {{"ptt-test", "--ptt", "1", "--ptt-line", "cts"}, 2, "--ptt-line takes rts or dtr"},
      {{"ptt-test", "--seconds", "0", "--rigctld", "localhost:4532"}, 2, "--seconds takes"},
      {{"ptt-test", "--cm108", Q(dir.file("none")), "--seconds", "1"}, 1, "is not there"},
      {{"ptt-test", "--rigctld", "127.0.0.1:1", "--seconds", "1"}, 1, "rigctld does not answer"},
  };
  for (const auto& c : cases) {
    PttCli cli(dir);
    cli.start(c.args);
    EXPECT_EQ(cli.finish(), c.exit) << c.args.join(' ').toStdString();
    const std::string err = cli.err();
    EXPECT_NE(err.find(c.err), std::string::npos) << err;
  }
}

}  // namespace
}  // namespace tonalis
