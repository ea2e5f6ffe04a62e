// SPDX-License-Identifier: GPL-3.0-or-later
// tonalis-cli's PTT: every way of keying, released on every way out, watched
// from outside through rigctld's dummy rig.
#include <gtest/gtest.h>
#include <QProcess>
#include <QThread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <vector>

#include "support/real_time_fifo.h"
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
  explicit PttCli(const TempDir& dir, std::string soundConf = {}) : dir_(dir), soundConf_(std::move(soundConf)) {
    if (!soundConf_.empty()) return;
    soundConf_ = dir.file("sound.conf");
    testing::WriteAll(soundConf_,
                      "pcm.!default { type asym playback.pcm { type file slave.pcm { type null } file \"" +
                          dir.file("played.raw") + "\" format \"raw\" } capture.pcm { type null } }\n");
  }
  void start(const QStringList& args) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ALSA_CONFIG_PATH", Q(soundConf_));
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
  std::string soundConf_;
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
      {{"ptt-test", "--rigctld", Q(rig.address()), "--seconds", "60"}, SIGHUP},
      {{"ptt-test", "--rigctld", Q(rig.address()), "--seconds", "60"}, SIGQUIT},
      {{"ptt-test", "--rigctld", Q(rig.address()), "--seconds", "60"}, SIGUSR1},
      {{"ptt-test", "--rigctld", Q(rig.address()), "--seconds", "60"}, SIGALRM},
      // A send caught in its TX delay, and one playing a long digit.
      {{"send", "123", "--rigctld", Q(rig.address()), "--tx-delay-ms", "2000"}, SIGINT},
      {{"send", "1", "--rigctld", Q(rig.address()), "--tx-delay-ms", "20", "--digit-ms", "9000"}, SIGTERM},
  };
  for (const auto& c : cases) {
    const std::string name = c.args.join(' ').toStdString() + " / signal " + std::to_string(c.signal);
    PttCli cli(dir);
    cli.start(c.args);
    ASSERT_TRUE(WaitUntil([&] { return rig.ptt() == 1; }, 5000)) << name;
    ::kill(static_cast<pid_t>(cli.process.processId()), c.signal);
    EXPECT_EQ(cli.finish(), 128 + c.signal) << name << cli.err();
    EXPECT_EQ(rig.ptt(), 0) << name;
    const std::string said = "Stopped by signal " + std::to_string(c.signal) + "; the transmitter is released.";
    EXPECT_NE(cli.err().find(said), std::string::npos) << name;
  }
}

// On a sound device that plays in real time, closing the stream waits for the
// device's own thread: a stopped tone or send still ends its process at once.
TEST(PttCli, AToneStoppedOnARealTimeDeviceEndsWithinASecond) {
  TempDir dir;
  testing::Rigctld rig;
  testing::RealTimeFifo card(dir.path());
  struct Case {
    QStringList args;
    int signal;  // 0: the TX limit stops it
    int exit;
  };
  const Case cases[] = {
      {{"tone", "--seconds", "60"}, SIGTERM, 128 + SIGTERM},
      {{"tone", "--seconds", "60"}, SIGINT, 128 + SIGINT},
      {{"send", "1", "--digit-ms", "9000", "--tx-delay-ms", "20"}, SIGTERM, 128 + SIGTERM},
      {{"tone", "--seconds", "60"}, 0, 1},
      {{"send", "1", "--digit-ms", "9000", "--tx-delay-ms", "20", "--tx-limit", "2"}, 0, 1},
  };
  for (int round = 0; round < 2; ++round)
    for (const auto& c : cases) {
      const std::string name = c.args.join(' ').toStdString() + " / " + std::to_string(c.signal);
      testing::WriteAll(dir.file("station.ini"), "[ptt]\nmethod=rigctld\nrigctld_host=127.0.0.1\nrigctld_port=" +
                                                     std::to_string(rig.port()) + "\ntx_limit_seconds=" +
                                                     (c.signal ? "0" : "2") + "\n");
      PttCli cli(dir, card.conf());
      const long before = card.drained();
      cli.start(c.args);
      ASSERT_TRUE(WaitUntil([&] { return rig.ptt() == 1; }, 5000)) << name << cli.err();
      ASSERT_TRUE(WaitUntil([&] { return card.drained() > before + 8000; }, 5000)) << name << " plays";
      std::chrono::steady_clock::time_point stopped;
      if (c.signal) {
        ::kill(static_cast<pid_t>(cli.process.processId()), c.signal);
        stopped = std::chrono::steady_clock::now();
      } else {
        ASSERT_TRUE(WaitUntil([&] { return rig.ptt() == 0; }, 5000)) << name << " the limit releases";
        stopped = std::chrono::steady_clock::now();
      }
      ASSERT_TRUE(cli.process.waitForFinished(5000)) << name << " hangs after the release";
      EXPECT_LT(std::chrono::steady_clock::now() - stopped, std::chrono::milliseconds(1500)) << name;
      EXPECT_EQ(cli.process.exitCode(), c.exit) << name << cli.err();
      EXPECT_EQ(rig.ptt(), 0) << name;
      const std::string err = cli.err();
      EXPECT_NE(err.find(c.signal ? "the transmitter is released" : "the TX time limit of 2 s was reached"),
                std::string::npos)
          << name << err;
    }
}

TEST(PttCli, AClosedPipeOnOutputDoesNotKillItKeyed) {
  testing::Rigctld rig;
  const QString command = QStringLiteral(TONALIS_CLI) + " ptt-test --seconds 1 --rigctld " + Q(rig.address()) +
                          " | head -1";
  const auto run = testing::RunProgram("bash", {"-o", "pipefail", "-c", command});
  EXPECT_EQ(run.out, "keying rigctld at " + rig.address() + " for 1 s\n");
  EXPECT_EQ(run.exitCode, 0) << "ptt-test ends as it should, not by SIGPIPE: " << run.err;
  EXPECT_EQ(rig.ptt(), 0);
}

// Killed where nothing in it can release: the guard it started does.
TEST(PttCli, KilledWhileKeyedTheGuardReleasesWithinASecond) {
  TempDir dir;
  testing::Rigctld rig;
  const std::string fifo = dir.file("hidraw");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const int reader = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  auto cm108State = [&]() -> int {
    std::uint8_t report[5];
    int state = -1;
    while (::read(reader, report, sizeof report) == 5) state = report[2] != 0;
    return state;
  };
  struct Case {
    QStringList args;
    std::function<int()> keyed;  // 1 keyed, 0 released, -1 not known yet
  };
  int lastCm108 = -1;
  const Case cases[] = {
      {{"--cm108", Q(fifo + ":3")},
       [&] {
         const int now = cm108State();
         if (now >= 0) lastCm108 = now;
         return lastCm108;
       }},
      {{"--rigctld", Q(rig.address())}, [&] { return rig.ptt(); }},
      // CAT through Hamlib with its network rig model, so that the rig's state outlives the process.
      {{"--rig", Q("2:" + rig.address() + ":4800")}, [&] { return rig.ptt(); }},
  };
  for (const auto& c : cases) {
    const std::string name = c.args.join(' ').toStdString();
    PttCli cli(dir);
    cli.start(QStringList{"ptt-test", "--seconds", "60"} + c.args);
    ASSERT_TRUE(WaitUntil([&] { return c.keyed() == 1; }, 5000)) << name << cli.err();
    cli.process.kill();
    cli.process.waitForFinished();
    const auto killed = std::chrono::steady_clock::now();
    EXPECT_TRUE(WaitUntil([&] { return c.keyed() == 0; }, 3000)) << name;
    EXPECT_LT(std::chrono::steady_clock::now() - killed, std::chrono::seconds(1)) << name;
  }
  ::close(reader);
}

// A clean release disarms the guard: it writes nothing more and says nothing.
TEST(PttCli, AfterACleanReleaseTheGuardDoesNothing) {
  TempDir dir;
  const std::string fifo = dir.file("hidraw");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const int reader = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  PttCli cli(dir);
  cli.start({"ptt-test", "--seconds", "1", "--cm108", Q(fifo + ":3")});
  EXPECT_EQ(cli.finish(), 0) << cli.err();
  QThread::msleep(1500);  // the guard, were it to release again, has done so by now
  std::uint8_t report[5];
  std::vector<int> states;
  while (::read(reader, report, sizeof report) == 5) states.push_back(report[2] != 0);
  EXPECT_EQ(states, (std::vector<int>{1, 0})) << "keyed, released, and nothing after";
  EXPECT_EQ(cli.err(), "");
  ::close(reader);
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
      {{"ptt-test", "--cm108", Q(dir.file("notes.txt") + ":3"), "--seconds", "1"}, 1, "it is an ordinary file"},
      {{"ptt-test", "--cm108", Q(dir.path().string()), "--seconds", "1"}, 1, "it is a folder"},
      {{"ptt-test", "--cm108", "/dev/null", "--seconds", "1"}, 1, "it is a device of another kind"},
      {{"send", "1", "--tx-limit", "-1"}, 2, "--tx-limit takes"},
      {{"send", "1", "--tx-limit", "3601"}, 2, "--tx-limit takes"},
      {{"ptt-test", "--rigctld", "127.0.0.1:1", "--seconds", "1"}, 1, "rigctld does not answer"},
  };
  testing::WriteAll(dir.file("notes.txt"), "my notes");
  for (const auto& c : cases) {
    PttCli cli(dir);
    cli.start(c.args);
    EXPECT_EQ(cli.finish(), c.exit) << c.args.join(' ').toStdString();
    const std::string err = cli.err();
    EXPECT_NE(err.find(c.err), std::string::npos) << err;
  }
  EXPECT_EQ(testing::ReadAll(dir.file("notes.txt")), "my notes") << "nothing is written to a file";
}

// A stored PTT that cannot be read keys nothing, and never another transmitter.
TEST(PttCli, AStationSettingThatCannotBeReadIsRefusedWithItsLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"[ptt]\nmethod=rts-and-dtr\n", "station.ini line 2: ptt/method = 'rts-and-dtr' is not one of"},
      {"[ptt]\nmethod=rigctld\n\nrigctld_port=99999\n", "station.ini line 4: ptt/rigctld_port = '99999' is not"},
      {"[ptt]\nmethod=cm108\ncm108_gpio=0\n", "station.ini line 3: ptt/cm108_gpio = '0' is not"},
  };
  for (const auto& [ini, said] : cases) {
    TempDir dir;
    testing::WriteAll(dir.file("station.ini"), ini);
    for (const char* command : {"ptt-test", "send"}) {
      PttCli cli(dir);
      cli.start({command, "1"});
      EXPECT_EQ(cli.finish(), 2) << ini << command;
      const std::string err = cli.err();
      EXPECT_NE(err.find(said), std::string::npos) << err;
      EXPECT_EQ(cli.out(), "") << "nothing keyed, nothing sent";
    }
  }
}

}  // namespace
}  // namespace tonalis
