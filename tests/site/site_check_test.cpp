// SPDX-License-Identifier: GPL-3.0-or-later
// Checking every site: a site over ssh, this computer, and one that cannot
// be reached, in one run; one failing never stops the others.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <filesystem>

#include "site/site_check.h"
#include "site/site_memory.h"
#include "storage/config_file.h"
#include "support/board_sim_process.h"
#include "support/examples.h"
#include "support/free_port.h"
#include "support/run_cli.h"
#include "support/sshd.h"
#include "support/test_files.h"

namespace tonalis {
namespace {

using testing::TempDir;

QString Q(const std::string& s) { return QString::fromStdString(s); }

// What is learnt of a site, kept in turns: each turn leaves what it did not learn.
TEST(SiteMemory, EachTurnKeepsWhatItDidNotLearn) {
  TempDir dir;
  const QString folder = Q(dir.path().string());
  struct Turn {
    const char* site;
    SiteMemory learnt;
    SiteMemory recalled;  // of the same site, after
  };
  const Turn turns[] = {
      {"Hill/top", {"reachable", "", "2026-12-09 10:00:00", "Quorvantelix v3.0", "matches a.prg", "", ""},
       {"reachable", "", "2026-12-09 10:00:00", "Quorvantelix v3.0", "matches a.prg", "", ""}},
      // Names that nest ('/' parts a group) still keep their own.
      {"Hill", {"not reachable", "", "", "", "", "", ""}, {"not reachable", "", "", "", "", "", ""}},
      {"Hill/state", {"", "", "", "", "", "x", "y"}, {"", "", "", "", "", "x", "y"}},
      {"Hill", {"", "", "", "b", "", "", ""}, {"not reachable", "", "", "b", "", "", ""}},
      {"Hill/top", {"", "", "", "", "", "10:05 159D: sent", "ABC R"},
       {"reachable", "", "2026-12-09 10:00:00", "Quorvantelix v3.0", "matches a.prg", "10:05 159D: sent", "ABC R"}},
      // A new send with no reply heard: the last one's reply goes.
      {"Hill/top", {"", "", "", "", "", "10:06 1: sent", ""},
       {"reachable", "", "2026-12-09 10:00:00", "Quorvantelix v3.0", "matches a.prg", "10:06 1: sent", ""}},
  };
  for (const Turn& t : turns) {
    SCOPED_TRACE(t.site + (" " + t.learnt.state + t.learnt.lastSend).toStdString());
    ASSERT_TRUE(RememberSite(folder, t.site, t.learnt));
    const SiteMemory got = RecallSite(folder, t.site);
    for (const auto member : {&SiteMemory::state, &SiteMemory::contacted, &SiteMemory::board, &SiteMemory::lastRead,
                              &SiteMemory::lastSend, &SiteMemory::reply})
      EXPECT_EQ(got.*member, t.recalled.*member);
  }
  EXPECT_EQ(RecallSite(folder, "Valley").state, "") << "a site never seen";
}

TEST(SiteCheck, EverySiteInTurnWhateverTheOthersDo) {
  TempDir dir;
  testing::Sshd sshd(dir.file("sshd"), TONALIS_CLI);
  if (!sshd.missing().empty()) GTEST_SKIP() << sshd.missing();
  ASSERT_TRUE(sshd.running()) << sshd.output();
  sshd.trust();
  // This computer's settings, for the agent that runs here.
  const std::string here = dir.file("here");
  std::filesystem::create_directories(here);
  qputenv("TONALIS_SETTINGS_DIR", QByteArray::fromStdString(here));

  // The remote board holds the site's file; the one here differs from its file in one command.
  std::filesystem::create_directories(dir.file("b1"));
  std::filesystem::create_directories(dir.file("b2"));
  testing::BoardSimProcess remoteBoard(dir.file("b1"));
  testing::BoardSimProcess localBoard(dir.file("b2"));
  testing::WriteAll(sshd.site() + "/ports.ini", "COM3=" + remoteBoard.link() + "\n");
  testing::WriteAll(here + "/ports.ini", "COM4=" + localBoard.link() + "\n");
  ConfigFileContent remote{testing::WorkedExample(), "3"};
  ConfigFileContent local{testing::WorkedExample(), "4"};
  const std::string remotePrg = dir.file("hilltop.prg");
  const std::string localPrg = dir.file("shack.prg");
  ASSERT_FALSE(WriteConfigFile(remotePrg, remote));
  ASSERT_FALSE(WriteConfigFile(localPrg, local));
  ASSERT_EQ(testing::RunCli({"program", Q(remotePrg), "--port", Q(remoteBoard.link())}).exitCode, 0);
  ASSERT_EQ(testing::RunCli({"program", Q(localPrg), "--port", Q(localBoard.link())}).exitCode, 0);
  local.config.txtMem[2] = "77";
  ASSERT_FALSE(WriteConfigFile(localPrg, local));

  const std::vector<SiteEntry> sites = {
      {"Nobody", "ssh://127.0.0.1:" + std::to_string(testing::FreePort()), "", "", ""},
      {"Hilltop", sshd.address(), "", remotePrg, ""},
      {"Shack", "this computer", "", localPrg, ""},
      {"Bad", "ssh://-oProxyCommand=x", "", "", ""},
  };
  SiteCheck check(Q(sshd.sshCommand()), TONALIS_CLI);
  std::vector<SiteState> states(sites.size());
  std::vector<int> order;
  QObject::connect(&check, &SiteCheck::checking, [&](int index) { order.push_back(index); });
  QObject::connect(&check, &SiteCheck::checked,
                   [&](int index, const SiteState& state) { states[static_cast<std::size_t>(index)] = state; });
  QSignalSpy finished(&check, &SiteCheck::finished);
  check.start(sites, true);
  EXPECT_TRUE(check.running());
  ASSERT_TRUE(finished.wait(120000));
  EXPECT_FALSE(check.running());
  qunsetenv("TONALIS_SETTINGS_DIR");
  EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3}));

  EXPECT_FALSE(states[0].reachable);
  EXPECT_TRUE(states[0].problem.startsWith("Cannot reach 127.0.0.1:")) << states[0].problem.toStdString();
  for (const int i : {1, 2}) {
    SCOPED_TRACE(sites[static_cast<std::size_t>(i)].name);
    const SiteState& s = states[static_cast<std::size_t>(i)];
    EXPECT_TRUE(s.reachable);
    EXPECT_TRUE(s.contacted.isValid());
    EXPECT_TRUE(s.program.startsWith("tonalis-cli "));
    EXPECT_EQ(s.banner, "Quorvantelix v3.0");
    EXPECT_TRUE(s.read) << s.problem.toStdString();
  }
  EXPECT_EQ(states[1].comparison, "matches hilltop.prg");
  EXPECT_EQ(states[2].comparison, "1 field(s) differ from shack.prg");
  EXPECT_NE(states[3].problem.indexOf("may not begin with '-'"), -1) << states[3].problem.toStdString();
  // The READs are in each site's history.
  EXPECT_TRUE(std::filesystem::exists(sshd.site() + "/history"));
  EXPECT_TRUE(std::filesystem::exists(here + "/history"));
}

}  // namespace
}  // namespace tonalis
