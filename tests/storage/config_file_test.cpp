// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/config_file.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/examples.h"
#include "support/test_files.h"

namespace tonalis {
namespace {

using testing::ReadAll;
using testing::TempDir;
using testing::WriteAll;

ConfigFileContent Example() {
  ConfigFileContent f;
  f.config = testing::WorkedExample();
  return f;
}

std::string Lines(std::initializer_list<std::string> lines, int emptyCommands) {
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out + [&] {
    std::string s;
    for (int i = 0; i < emptyCommands; ++i) s += "\"\"\r\n";
    return s;
  }();
}

ConfigFileLoad Parse(const std::string& text) {
  std::istringstream in(text);
  return ParseConfigFile(in);
}

TEST(ConfigFile, WritesTheTwentyTwoLines) {
  EXPECT_EQ(
      FormatConfigFile(Example()),
      Lines({"1", "0", "0", "0", "\"1234\",\"#\",1,\"20\",\"ABC\",\"10\",0,\"11.5\",\"13.8\"", "\"11\"", "\"10\""},
            14) +
          "\"1\"\r\n");
  EXPECT_EQ(FormatConfigFile(ConfigFileContent{}),
            Lines({"0", "0", "0", "0", "\"\",\"\",1,\"\",\"\",\"\",1,\"\",\"\""}, 16) + "\"1\"\r\n");
}

TEST(ConfigFile, SaveThenLoadGivesBackEveryText) {
  TempDir dir;
  ConfigFileContent f = Example();
  f.config.txtBlo = "12";  // not normalised to 12.0
  f.config.txtTmr2 = "007";
  f.config.txtCallID = "A, B";  // a comma inside a text
  f.config.txtMem[9] = " 1 ";
  f.config.txtMem[15] = "\xC3\xA9";
  f.config.chkOutput = {0, 1, 1, 1};
  f.txtPrgComm = "16";
  const std::string path = dir.file("x.prg");
  ASSERT_FALSE(WriteConfigFile(path, f));
  const ConfigFileLoad load = ReadConfigFile(path);
  ASSERT_TRUE(load.ok()) << load.error;
  EXPECT_EQ(load.groupsRead, kConfigGroupCount);
  EXPECT_EQ(load.content.config, f.config);
  EXPECT_EQ(load.content.txtPrgComm, "16");
}

TEST(ConfigFile, ThirtyItemsOnOneLineLoadTheSame) {
  std::string line = "1,0,0,0,\"1234\",\"#\",1,\"20\",\"ABC\",\"10\",0,\"11.5\",\"13.8\",\"11\",\"10\"";
  for (int i = 0; i < 14; ++i) line += ",\"\"";
  line += ",\"1\",\"ignored\",junk\r\n";
  const ConfigFileLoad load = Parse(line);
  ASSERT_TRUE(load.ok()) << load.error;
  EXPECT_EQ(load.content.config, Example().config);
}

TEST(ConfigFile, FailedLoadsReportTheGroupsRead) {
  const std::string fiveLines =
      Lines({"1", "1", "0", "1", "\"12\",\"#\",0,\"20\",\"ABC\",\"10\",1,\"11.5\",\"13.8\""}, 0);
  struct Case {
    const char* name;
    std::string text;
    int groups;
    const char* error;
  };
  const Case cases[] = {
      {"empty file", "", 0, "The file ends early: item 1 of 30 is missing."},
      {"only five lines", fiveLines, 2, "The file ends early: item 14 of 30 is missing."},
      {"no port", fiveLines + Lines({}, 16), 3, "The file ends early: item 30 of 30 is missing."},
      {"output state 2", Lines({"1", "2", "0", "0"}, 0), 0,
       "Line 2: the Output 2 power-on state is \"2\", which is not a check state (0 or 1)."},
      {"CW state text", Lines({"1", "0", "0", "0", "\"\",\"\",yes,\"\",\"\",\"\",1,\"\",\"\""}, 16) + "\"1\"\r\n", 1,
       "Line 5: the CW Enabled is \"yes\", which is not a check state (0 or 1)."},
      {"binary", std::string("\x01\x02\xFF\x00\x7F", 5), 0, "The file ends early: item 2 of 30 is missing."},
  };
  for (const auto& c : cases) {
    const ConfigFileLoad load = Parse(c.text);
    EXPECT_EQ(load.groupsRead, c.groups) << c.name;
    EXPECT_EQ(load.error, c.error) << c.name;
  }
  const ConfigFileLoad partial = Parse(fiveLines);
  EXPECT_TRUE(partial.hasGroup(ConfigGroup::Parameters));
  EXPECT_FALSE(partial.hasGroup(ConfigGroup::Commands));
  EXPECT_EQ(partial.content.config.chkOutput, (std::array<int, 4>{1, 1, 0, 1}));
  EXPECT_EQ(partial.content.config.txtSeqCmd, "12");
  EXPECT_EQ(partial.content.config.chkMorse, 0);
}

TEST(ConfigFile, UnreadableFilesAreDescribed) {
  TempDir dir;
  EXPECT_EQ(ReadConfigFile(dir.file("none.prg")).error, "File not found.");
  EXPECT_EQ(ReadConfigFile(dir.path().string()).error, "This is a folder, not a configuration file.");

  // Bytes of a binary file are never echoed raw into a message.
  const std::string binary = dir.file("binary.prg");
  WriteAll(binary, std::string("\x01\x1B[2J\x7F\xC3") + std::string(100, 'z') + ",0,0,0\r\n");
  EXPECT_EQ(ReadConfigFile(binary).error,
            "Line 1: the Output 1 power-on state is \"\\x01\\x1B[2J\\x7F\xC3\x83zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz...\", "
            "which is not a check state (0 or 1).");
}

TEST(ConfigFile, EnormousFilesAreNotReadWhole) {
  TempDir dir;
  // Sparse files: hundreds of megabytes on paper, nothing on the disk.
  const std::string junk = dir.file("junk.prg");
  WriteAll(junk, "");
  std::filesystem::resize_file(junk, 400u << 20);
  const ConfigFileLoad bad = ReadConfigFile(junk);
  EXPECT_EQ(bad.error, "item 1 on line 1 is too long.");

  const std::string tail = dir.file("tail.prg");
  WriteAll(tail, FormatConfigFile(Example()));
  std::filesystem::resize_file(tail, 400u << 20);
  const ConfigFileLoad good = ReadConfigFile(tail);
  EXPECT_TRUE(good.ok()) << good.error;
  EXPECT_EQ(good.content.config, Example().config);
}

TEST(ConfigFile, TextsTheFormatCannotHoldAreRefusedAndTheOldFileKept) {
  TempDir dir;
  const std::string path = dir.file("x.prg");
  ASSERT_FALSE(WriteConfigFile(path, Example()));
  const std::string before = ReadAll(path);
  for (const char* bad : {"A\"B", "A\r\nB"}) {
    ConfigFileContent f = Example();
    f.config.txtMem[7] = bad;
    const auto error = WriteConfigFile(path, f);
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, "The command 7 holds a double quote or a line break, which a configuration file cannot keep.");
    EXPECT_EQ(ReadAll(path), before);
  }
}

}  // namespace
}  // namespace tonalis
