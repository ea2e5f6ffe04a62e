// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/settings_file.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/test_files.h"

namespace tonalis {
namespace {

SettingsLoad Parse(const std::string& line) {
  std::istringstream in(line);
  return ParseSettings(in, "/cfg");
}

std::string Record(const std::string& left, const std::string& top) {
  return "\"a.prg\"," + left + "," + top + ",1,\"12\",\"60\",\"40\",\"300\",\"1\",\"2\",\"200\"\r\n";
}

TEST(SettingsFile, PositionsReadAsSixteenBitNumbers) {
  struct Case {
    const char* left;
    const char* top;
    bool readable;
    int x;
    int y;
  };
  const std::string huge(400, '9');
  const Case cases[] = {
      {"-150", "75", true, -150, 75},     {"32767", "-32768", true, 32767, -32768},
      {"32768", "0", false, 0, 0},        {"0", "-32769", false, 0, 0},
      {"1500.5", "2.5", true, 1500, 2},   {huge.c_str(), "0", false, 0, 0},
  };
  for (const auto& c : cases) {
    const SettingsLoad load = Parse(Record(c.left, c.top));
    EXPECT_EQ(!load.unreadable, c.readable) << c.left << "," << c.top;
    if (!c.readable) continue;
    EXPECT_EQ(load.settings.windowLeft, c.x) << c.left;
    EXPECT_EQ(load.settings.windowTop, c.y) << c.top;
    EXPECT_EQ(load.settings.txtPrgComm, "2");
  }
}

TEST(SettingsFile, WritingKeepsTheRecordReadable) {
  testing::TempDir dir;
  const std::string path = dir.file("Tonalis3.ini");
  AppSettings s = DefaultSettings("/cfg");
  s.windowLeft = 40000;  // a second monitor to the right
  s.windowTop = -40000;
  s.currentConfigPath = "/home/op/\"odd\".prg";  // the format cannot hold a quote
  s.text1 = "123";
  ASSERT_FALSE(WriteSettingsFile(path, s));

  const SettingsLoad load = ReadSettingsFile(path, "/cfg");
  ASSERT_FALSE(load.unreadable) << load.error;
  EXPECT_EQ(load.settings.windowLeft, 32767);
  EXPECT_EQ(load.settings.windowTop, -32768);
  EXPECT_EQ(load.settings.currentConfigPath, "") << "only the item that cannot be stored is left empty";
  EXPECT_EQ(load.settings.text1, "123");
  EXPECT_EQ(load.settings.txtTxd, "200");
}

}  // namespace
}  // namespace tonalis
