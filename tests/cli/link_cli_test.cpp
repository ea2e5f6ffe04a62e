// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

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
}

}  // namespace
}  // namespace tonalis
