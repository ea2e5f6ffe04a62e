// SPDX-License-Identifier: GPL-3.0-or-later
// A radio site reached over SSH: OpenSSH's own server on loopback, the
// agent behind a restricted key, the simulated board and rigctld's dummy rig
// at the "site"; tonalis-cli --site from here.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QProcess>
#include <QTest>
#include <filesystem>
#include <csignal>

#include "config/decoder_image.h"
#include "site/site_address.h"
#include "site/site_work.h"
#include "storage/config_file.h"
#include "support/board_sim_process.h"
#include "support/dtmf_decode.h"
#include "support/examples.h"
#include "support/free_port.h"
#include "support/real_time_fifo.h"
#include "support/rigctld.h"
#include "support/run_cli.h"
#include "support/sshd.h"
#include "support/test_files.h"

namespace tonalis {
namespace {

using testing::ReadAll;
using testing::RunCli;
using testing::TempDir;

QString Q(const std::string& s) { return QString::fromStdString(s); }

// tonalis-cli run with TONALIS_SSH set to `ssh`.
testing::CliRun RunWithSsh(const std::string& ssh, const QStringList& args) {
  qputenv("TONALIS_SSH", QByteArray::fromStdString(ssh));
  auto run = RunCli(args, 60000);
  qunsetenv("TONALIS_SSH");
  return run;
}

TEST(SiteAddress, WhatIsASiteAndWhatIsRefused) {
  struct Case {
    const char* text;
    const char* user;
    const char* host;
    int port;  // -1: refused
  };
  const Case cases[] = {
      {"ssh://site-pi.lan", "", "site-pi.lan", 0},
      {"ssh://op@site-pi.lan:2222", "op", "site-pi.lan", 2222},
      {"ssh://op@[fd00::12]:22", "op", "fd00::12", 22},
      {"SSH://10.0.0.7/", "", "10.0.0.7", 0},
      {"ssh://-oProxyCommand=touch /tmp/x", "", "", -1},
      {"ssh://-oProxyCommand=x@site", "", "", -1},
      {"ssh://op@-site", "", "", -1},
      {"ssh://op@site pi", "", "", -1},
      {"ssh://op\t@site", "", "", -1},
      {"ssh://site\n-oProxyCommand=x", "", "", -1},
      {"ssh://site:70000", "", "", -1},
      {"ssh://site:port", "", "", -1},
      {"site-pi.lan", "", "", -1},
      {"ssh://", "", "", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    QString why;
    const auto address = ParseSiteAddress(c.text, &why);
    ASSERT_EQ(address.has_value(), c.port >= 0) << why.toStdString();
    if (!address) {
      EXPECT_FALSE(why.isEmpty());
      continue;
    }
    EXPECT_EQ(address->user, c.user);
    EXPECT_EQ(address->host, c.host);
    EXPECT_EQ(address->port, c.port);
  }
  // The destination comes after "--": nothing of it is ever an option. The
  // user's command is split as a shell splits it, and never run by one.
  const QStringList line = SshCommandLine({"op", "site", 2222}, R"(ssh -F '/my dir/c' -o "A=b c" x\ y $HOME)");
  EXPECT_EQ(line.mid(0, 7), (QStringList{"ssh", "-F", "/my dir/c", "-o", "A=b c", "x y", "$HOME"}));
  EXPECT_TRUE(line.contains("BatchMode=yes"));
  EXPECT_EQ(line.mid(line.indexOf("--")), (QStringList{"--", "site", "tonalis-cli", "agent", "--stdio"}));
}

class SiteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sshd_ = std::make_unique<testing::Sshd>(dir_.file("sshd"), TONALIS_CLI);
    if (!sshd_->missing().empty()) GTEST_SKIP() << sshd_->missing();
    ASSERT_TRUE(sshd_->running()) << sshd_->output();
  }
  testing::CliRun site(const QStringList& args, const char* key = "agent_key") {
    return RunWithSsh(sshd_->sshCommand(key), QStringList{"--site", Q(sshd_->address())} + args);
  }
  TempDir dir_;
  std::unique_ptr<testing::Sshd> sshd_;
};

TEST_F(SiteTest, WhatGoesWrongBeforeTheAgentIsSaid) {
  struct Case {
    const char* what;
    std::function<testing::CliRun()> run;
    int exit;
    const char* part;
  };
  const Case cases[] = {
      {"an unknown host key", [this] { return site({"serial-ports"}); }, 1,
       "is not known here, or has changed. Tonalis never accepts a host key by itself: check the key with the "
       "site's keeper, then connect once with ssh -p "},
      {"no tonalis-cli at the site",
       [this] {
         sshd_->trust();
         return site({"serial-ports"}, "bare_key");
       },
       1, "tonalis-cli is not installed at 127.0.0.1"},
      {"a key the site does not know", [this] { return site({"serial-ports"}, "host_key"); }, 1,
       "127.0.0.1 refused the login"},
      {"a hostile site name", [] { return RunCli({"--site", "ssh://-oProxyCommand=sh", "serial-ports"}); }, 2,
       "may not begin with '-'"},
      {"no command", [] { return RunCli({"--site", "ssh://h"}); }, 2, "--site takes a site and a command"},
      {"two configuration files",
       [this] {
         testing::WriteAll(dir_.file("a.prg"), "");
         return RunCli({"--site", "ssh://h", "program", Q(dir_.file("a.prg")), Q(dir_.file("a.prg"))});
       },
       2, "One configuration file a command"},
      {"a configuration file that cannot be read",
       [this] { return RunCli({"--site", "ssh://h", "program", Q(dir_.file("none.prg"))}); }, 2,
       "Cannot read the configuration file"},
      {"something else than the agent",
       [] { return RunWithSsh("sh -c 'echo hello there' x", {"--site", "ssh://h", "serial-ports"}); }, 1,
       "h did not answer as Tonalis's agent (it said: hello there)"},
      {"an agent of another version",
       [] {
         return RunWithSsh(R"(sh -c 'echo {\"event\":\"hello\",\"version\":2,\"program\":\"tonalis-cli 4.0\"}' x)",
                           {"--site", "ssh://h", "serial-ports"});
       },
       1, "speaks version 2 of the protocol and this program version 1 (tonalis-cli 4.0 there)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto run = c.run();
    EXPECT_FALSE(run.crashed);
    EXPECT_EQ(run.exitCode, c.exit) << run.out << run.err;
    EXPECT_NE(run.err.find(c.part), std::string::npos) << run.err;
  }
}

TEST_F(SiteTest, ReadProgramSendAndJournalAtTheSite) {
  sshd_->trust();
  testing::BoardSimProcess board(dir_.path().string());
  const std::string prg = dir_.file("new.prg");
  ConfigFileContent example{testing::WorkedExample(), ""};
  ASSERT_FALSE(WriteConfigFile(prg, example));

  const auto program = site({"program", Q(prg), "--port", Q(board.link())});
  EXPECT_EQ(program.exitCode, 0) << program.err;
  EXPECT_EQ(program.out, "Quorvantelix v3.0 detected.\nSending data on " + board.link() +
                             ".....\nQuorvantelix v3.0 successfully programmed\n");

  const std::string back = dir_.file("back.prg");
  const auto read = site({"read", "--port", Q(board.link()), "-o", Q(back)});
  EXPECT_EQ(read.exitCode, 0) << read.err;
  ConfigFileContent expected;
  expected.config = DecodeImage(ValidateAndEncode(example.config).image);
  EXPECT_EQ(ReadAll(back), FormatConfigFile(expected)) << "written here";

  // Played by the site's sound card, decoded there; then the site's journal, read from here.
  const auto send = site({"send", "159D"});
  EXPECT_EQ(send.exitCode, 0) << send.err;
  EXPECT_EQ(testing::DecodeDtmfRaw(sshd_->played()), "159D");
  // A configuration's command, the file read here and sent with the request; events as JSON lines.
  const auto command = site({"send-command", Q(prg), "0", "--json"});
  EXPECT_EQ(command.exitCode, 0) << command.err;
  EXPECT_EQ(command.out.substr(command.out.rfind("{\"event\"")), "{\"event\":\"done\",\"exit\":0}\n") << command.out;
  EXPECT_EQ(command.out.find("\"id\""), std::string::npos) << "the agent's ids stay between it and us";
  const auto journal = site({"journal"});
  EXPECT_EQ(journal.exitCode, 0) << journal.err;
  EXPECT_NE(journal.out.find("159D"), std::string::npos) << journal.out;
  EXPECT_NE(journal.out.find("command 0: Output 1 ON (11)  completed"), std::string::npos) << journal.out;

  // Options that would write at the site are refused there, nothing written.
  const auto traced = site({"read", "--port", Q(board.link()), "--trace", Q(dir_.file("trace.txt"))});
  EXPECT_EQ(traced.exitCode, 2);
  EXPECT_NE(traced.err.find("--trace names a file or folder at the site"), std::string::npos) << traced.err;
}

// Sites by name from the Sites list: where each is, its own program path, here.
TEST_F(SiteTest, SitesByName) {
  sshd_->trust();
  const std::string settings = dir_.file("here");
  std::filesystem::create_directories(settings);
  testing::WriteAll(settings + "/sites.ini", "[Hilltop]\nwhere=" + sshd_->address() + "\nprogram=" + TONALIS_CLI +
                                                 "\n[Bare]\nwhere=" + sshd_->address() +
                                                 "\n[Shack]\nwhere=this computer\n[Odd]\nwhere=" +
                                                 sshd_->address() + "\nprogram=tonalis-cli;reboot\n");
  qputenv("TONALIS_SETTINGS_DIR", QByteArray::fromStdString(settings));
  struct Case {
    const char* site;
    QStringList args;
    int exit;
    const char* part;  // in standard error
  };
  const Case cases[] = {
      // The key that may run anything finds no tonalis-cli on the site's PATH: the site's own path does.
      {"hilltop", {"serial-ports"}, 0, ""},
      {"Bare", {"serial-ports"}, 1, "tonalis-cli is not installed at 127.0.0.1"},
      // Here: as without --site (a folder option the agent would refuse).
      {"Shack", {"history", "list", "--history-dir", Q(dir_.file("none"))}, 2, "No board history"},
      {"Valley", {"serial-ports"}, 2, "No site is named Valley in "},
      {"Odd", {"serial-ports"}, 2, "The site's program tonalis-cli;reboot may not hold"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.site);
    const auto run = RunWithSsh(sshd_->sshCommand("bare_key"), QStringList{"--site", c.site} + c.args);
    EXPECT_EQ(run.exitCode, c.exit) << run.out << run.err;
    EXPECT_NE(run.err.find(c.part), std::string::npos) << run.err;
  }
  qunsetenv("TONALIS_SETTINGS_DIR");
}

// Every way the caller goes mid-tone releases the site's transmitter within a second.
TEST_F(SiteTest, TheCallerGoingMidToneReleasesTheSitesTransmitter) {
  sshd_->trust();
  testing::Rigctld rig;
  // The site's card plays in real time: the tone lasts its 30 s unless stopped.
  testing::RealTimeFifo card(sshd_->site());
  testing::WriteAll(sshd_->site() + "/asound.conf", ReadAll(card.conf()));
  enum class Way { CtrlC, SshKilled, CallerKilled };
  for (const Way way : {Way::CtrlC, Way::SshKilled, Way::CallerKilled}) {
    const bool ctrlC = way == Way::CtrlC;
    SCOPED_TRACE(ctrlC ? "Ctrl+C here" : way == Way::SshKilled ? "ssh killed" : "tonalis-cli killed");
    qputenv("TONALIS_SSH", QByteArray::fromStdString(sshd_->sshCommand()));
    QProcess cli;
    cli.setProcessEnvironment(testing::ProgramEnvironment());
    cli.start(TONALIS_CLI, {"--site", Q(sshd_->address()), "tone", "--seconds", "30", "--rigctld", Q(rig.address())});
    qunsetenv("TONALIS_SSH");
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.ptt() == 1; }, 15000)) << cli.readAllStandardError().toStdString();
    if (ctrlC)
      ::kill(static_cast<pid_t>(cli.processId()), SIGINT);
    else if (way == Way::SshKilled)  // the ssh beneath this tonalis-cli, as a dropped link ends it
      QProcess::execute("pkill", {"-KILL", "-P", QString::number(cli.processId()), "-x", "ssh"});
    else  // its ssh is left with an input that ends
      cli.kill();
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.ptt() == 0; }, 5000));
    EXPECT_LT(clock.elapsed(), 1000) << "released within a second";
    ASSERT_TRUE(cli.state() == QProcess::NotRunning || cli.waitForFinished(5000));
    const std::string out = cli.readAllStandardOutput().toStdString();
    const std::string err = cli.readAllStandardError().toStdString();
    if (ctrlC) {
      EXPECT_NE(err.find("Stopped by signal 2; the transmitter is released."), std::string::npos)
          << out << err << "the site says so, after it was";
    } else if (way == Way::SshKilled) {
      EXPECT_EQ(cli.exitCode(), 1);
      EXPECT_NE(err.find("The connection to 127.0.0.1 was lost before the command ended"), std::string::npos) << err;
    }
    // Then the agent at the site ends with its command.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
          QProcess pgrep;
          pgrep.start("pgrep", {"-f", "agent --stdio|tone --seconds 30 --rigctld " + Q(rig.address())});
          pgrep.waitForFinished();
          return pgrep.readAll().isEmpty();
        },
        5000))
        << "nothing left at the site";
  }
}

// The window's send at a site, each way it ends: said as the site says it,
// and a lost connection never said to have released the transmitter.
TEST_F(SiteTest, AWindowsSendAtTheSiteEndsAsTheSiteSays) {
  sshd_->trust();
  testing::Rigctld rig;
  testing::RealTimeFifo card(sshd_->site());
  testing::WriteAll(sshd_->site() + "/asound.conf", ReadAll(card.conf()));
  enum class End { Completes, Stopped, SshKilled, NotReached };
  struct Case {
    End end;
    const char* sequence;
    bool ok;
    const char* part;  // of the finished text
  };
  const Case cases[] = {
      {End::Completes, "12", true, "Sequence completed."},
      {End::Stopped, "1 1 1 1 1 1 1 1", false, "the transmitter is released."},
      {End::SshKilled, "1 1 1 1 1 1 1 1", false, "the release is not confirmed from here"},
      {End::NotReached, "1", false, "Nothing was sent."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sequence + std::to_string(static_cast<int>(c.end)));
    SiteWork work(QString::fromStdString(sshd_->sshCommand()));
    const std::string where =
        c.end == End::NotReached ? "ssh://127.0.0.1:" + std::to_string(testing::FreePort()) : sshd_->address();
    QString why;
    ASSERT_TRUE(work.setSite({"Hilltop", where, "", "", ""}, &why)) << why.toStdString();
    QSignalSpy finished(&work, &SiteWork::finished);
    work.send({c.sequence, "--pause-ms", "1000", "--rigctld", Q(rig.address())});
    EXPECT_EQ(work.running(), SiteWork::Job::Send);
    if (c.end == End::Stopped || c.end == End::SshKilled) {
      ASSERT_TRUE(QTest::qWaitFor([&] { return rig.ptt() == 1; }, 15000));
      if (c.end == End::Stopped)
        work.stop();
      else
        QProcess::execute("pkill", {"-KILL", "-P", QString::number(QCoreApplication::applicationPid()), "-x", "ssh"});
      QElapsedTimer clock;
      clock.start();
      ASSERT_TRUE(QTest::qWaitFor([&] { return rig.ptt() == 0; }, 5000));
      EXPECT_LT(clock.elapsed(), 1000) << "released at the site within a second";
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished.size() == 1; }, 60000));
    EXPECT_EQ(finished[0][0].value<SiteWork::Job>(), SiteWork::Job::Send);
    EXPECT_EQ(finished[0][1].toBool(), c.ok);
    const QString text = finished[0][2].toString();
    EXPECT_TRUE(text.contains(c.part)) << text.toStdString();
    EXPECT_TRUE(c.end == End::Completes || !text.contains("completed")) << text.toStdString();
    EXPECT_EQ(work.running(), SiteWork::Job::None);
  }
}

}  // namespace
}  // namespace tonalis
