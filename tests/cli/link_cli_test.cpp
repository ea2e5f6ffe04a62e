// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "config/decoder_image.h"
#include "storage/config_file.h"
#include "support/board_sim_process.h"
#include "support/examples.h"
#include "support/run_cli.h"
#include "support/test_files.h"

namespace tonalis {
namespace {

using testing::BoardSimProcess;
using testing::ReadAll;
using testing::RunCli;
using testing::TempDir;

QString Q(const std::string& s) { return QString::fromStdString(s); }

ConfigFileContent Example() {
  ConfigFileContent f;
  f.config = testing::WorkedExample();
  f.config.txtMem[5] = "5A";
  f.config.txtCallID = "IZ1";
  return f;
}

TEST(LinkCli, IdentifyProgramAndReadBackThroughTheSimulatedBoard) {
  TempDir dir;
  BoardSimProcess board(dir.path().string(), {"--image", Q(dir.file("board.bin"))});
  const QString port = Q(board.link());

  const auto identify = RunCli({"identify", "--port", port});
  EXPECT_EQ(identify.exitCode, 0) << identify.err;
  EXPECT_EQ(identify.out, "Quorvantelix v3.0 detected.\n");
  const auto events = RunCli({"identify", "--port", port, "--json"});
  EXPECT_EQ(events.out,
            "{\"event\":\"progress\",\"text\":\"Quorvantelix v3.0 detected.\"}\n{\"event\":\"done\",\"exit\":0}\n");

  const std::string prg = dir.file("new.prg");
  ASSERT_FALSE(WriteConfigFile(prg, Example()));
  const std::string trace = dir.file("trace.txt");
  const auto program = RunCli({"program", Q(prg), "--port", port, "--trace", Q(trace)});
  EXPECT_EQ(program.exitCode, 0) << program.err;
  EXPECT_EQ(program.out, "Quorvantelix v3.0 detected.\nSending data on " + board.link() +
                             ".....\nQuorvantelix v3.0 successfully programmed\n")
      << "a port given as a path is named by its path";
  EXPECT_NE(ReadAll(trace).find("TX FF AA"), std::string::npos);
  EXPECT_NE(ReadAll(trace).find("-- data wait over"), std::string::npos);

  const std::string back = dir.file("back.prg");
  const auto read = RunCli({"read", "--port", port, "-o", Q(back)});
  EXPECT_EQ(read.exitCode, 0) << read.err;
  EXPECT_EQ(read.out, "Quorvantelix v3.0 detected.\nReading Data...\nData from Quorvantelix v3.0 successfully read\n");
  ConfigFileContent expected;
  expected.config = DecodeImage(ValidateAndEncode(Example().config).image);
  EXPECT_EQ(ReadAll(back), FormatConfigFile(expected));
}

TEST(LinkCli, FailuresAndRefusals) {
  TempDir dir;
  BoardSimProcess board(dir.path().string(), {"--fault", "wrong-banner"});
  const QString port = Q(board.link());
  ConfigFileContent refused = Example();
  refused.config.txtSeqCmd = "";
  const std::string refusedPrg = dir.file("refused.prg");
  ASSERT_FALSE(WriteConfigFile(refusedPrg, refused));

  struct Case {
    QStringList args;
    int exit;
    const char* outPart;
    const char* errPart;
  };
  const Case cases[] = {
      // Progress on standard output, the failure that ends an exchange on standard error.
      {{"identify", "--port", port}, 1, "", "Wrong version detected: Quorvantelix v2.9\nUse Quorvantelix v3.0 !\n"},
      {{"read", "--port", port}, 1, "Wrong version detected", "FAILED to read version! Please Check Connections"},
      {{"program", Q(refusedPrg), "--port", port}, 1, "", "Modifier ID is empty"},
      {{"read", "--port", "/dev/tonalis-none"}, 1, "", "Not able to open /dev/tonalis-none: "},
      {{"read", "--port", "17"}, 2, "", "--port takes a number from 1 to 16"},
      {{"read"}, 2, "", "--port is required"},
      // With --json the same failures, as events, and the exit status last.
      {{"identify", "--port", port, "--json"}, 1,
       "{\"event\":\"error\",\"text\":\"Wrong version detected: Quorvantelix v2.9\\nUse Quorvantelix v3.0 !\"}\n"
       "{\"event\":\"done\",\"exit\":1}\n",
       "Wrong version detected"},
      {{"read", "--port", "17", "--json"}, 2,
       "not '17'.\"}\n{\"event\":\"done\",\"exit\":2}\n",
       "--port takes a number from 1 to 16"},
      {{"board-sim", "--fault", "gremlins"}, 2, "", "unknown fault 'gremlins'"},
  };
  for (const auto& c : cases) {
    const auto run = RunCli(c.args);
    EXPECT_FALSE(run.crashed);
    EXPECT_EQ(run.exitCode, c.exit) << c.args.join(' ').toStdString() << "\n" << run.out << run.err;
    EXPECT_NE(run.out.find(c.outPart), std::string::npos) << run.out;
    EXPECT_NE(run.err.find(c.errPart), std::string::npos) << run.err;
    if (std::string(c.errPart).empty()) {
      EXPECT_EQ(run.err, "");
    }
  }

  // A board that goes away: said once, in plain words, and identify stops
  // at once instead of waiting for a banner that cannot come.
  std::filesystem::create_directories(dir.file("gone"));
  BoardSimProcess vanishing(dir.file("gone"), {"--fault", "vanish-on-identify"});
  const auto lost = RunCli({"identify", "--port", Q(vanishing.link())});
  EXPECT_EQ(lost.exitCode, 1);
  EXPECT_EQ(lost.out, "");
  EXPECT_EQ(lost.err, "The connection to " + vanishing.link() +
                          " was lost: the device went away (unplugged, or its driver stopped).\n");
  // ... and so does an exchange that had not begun.
  std::filesystem::create_directories(dir.file("gone-before-read"));
  BoardSimProcess vanishingBeforeRead(dir.file("gone-before-read"), {"--fault", "vanish-on-identify"});
  const auto notRead = RunCli({"read", "--port", Q(vanishingBeforeRead.link())}, 10000);
  EXPECT_FALSE(notRead.crashed) << "a hang";
  EXPECT_EQ(notRead.exitCode, 1);
  EXPECT_NE(notRead.err.find("was lost: the device went away"), std::string::npos) << notRead.err;
}

TEST(LinkCli, ReadAndProgramAreKeptInTheHistory) {
  TempDir dir;
  BoardSimProcess board(dir.path().string(), {"--image", Q(dir.file("board.bin"))});
  const QString port = Q(board.link());
  const QString history = Q(dir.file("history"));
  const std::string first = dir.file("first.prg");
  ASSERT_FALSE(WriteConfigFile(first, Example()));
  ConfigFileContent changed = Example();
  changed.config.txtMem[3] = "456";
  changed.config.txtCallID = "IK1XYZ";
  const std::string second = dir.file("second.prg");
  ASSERT_FALSE(WriteConfigFile(second, changed));

  EXPECT_EQ(RunCli({"read", "--port", port, "--history-dir", history}).exitCode, 0);
  EXPECT_EQ(RunCli({"program", Q(first), "--port", port, "--history-dir", history}).exitCode, 0);
  EXPECT_EQ(RunCli({"program", Q(second), "--port", port, "--history-dir", history}).exitCode, 0);

  const auto list = RunCli({"history", "list", "--history-dir", history});
  EXPECT_EQ(list.exitCode, 0);
  std::vector<std::string> ids;
  std::istringstream lines(list.out);
  for (std::string line; std::getline(lines, line);) ids.push_back(line.substr(0, line.find(' ')));
  ASSERT_EQ(ids.size(), 3u) << list.out;
  EXPECT_NE(list.out.find("  READ  " + board.link() + "  -  first\n"), std::string::npos) << list.out;
  EXPECT_NE(list.out.find("  PROGRAM  " + board.link() + "  second.prg  2 changes\n"), std::string::npos) << list.out;

  const auto diff = RunCli({"history", "diff", Q(ids[1]), Q(ids[2]), "--history-dir", history});
  EXPECT_EQ(diff.exitCode, 1) << "they differ, as diff says";
  EXPECT_EQ(diff.out, "Command 3 (Output 2 OFF): (empty) \u2192 456\nCW call: IZ1 \u2192 IK1XYZ\n");
  EXPECT_EQ(RunCli({"history", "diff", Q(ids[2]), Q(second), "--history-dir", history}).exitCode, 0)
      << "an entry and a .prg file compare";
  const auto show = RunCli({"history", "show", Q(ids[1]), "--history-dir", history});
  ConfigFileContent shown;
  shown.config = DecodeImage(ValidateAndEncode(Example().config).image);
  EXPECT_EQ(show.out, FormatConfigFile(shown));
  EXPECT_EQ(RunCli({"history", "show", "nothing-like-it", "--history-dir", history}).exitCode, 2);

  // A failed exchange keeps nothing; a history that cannot be written is said
  // once and the exchange still succeeds.
  std::filesystem::create_directories(dir.file("w"));
  BoardSimProcess wrong(dir.file("w"), {"--fault", "wrong-banner"});
  EXPECT_EQ(RunCli({"read", "--port", Q(wrong.link()), "--history-dir", history}).exitCode, 1);
  EXPECT_EQ(RunCli({"history", "list", "--history-dir", history}).out, list.out);
  testing::WriteAll(dir.file("blocked"), "x");
  const auto blocked = RunCli({"read", "--port", port, "--history-dir", Q(dir.file("blocked") + "/history")});
  EXPECT_EQ(blocked.exitCode, 0);
  EXPECT_NE(blocked.err.find("The board history cannot be written: Cannot make the folder"), std::string::npos)
      << blocked.err;
}

}  // namespace
}  // namespace tonalis
