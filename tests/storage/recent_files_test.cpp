// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/recent_files.h"

#include <gtest/gtest.h>

#include "support/test_files.h"

namespace tonalis {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentFiles, NewestFirstOnceEachAndNoMoreThanTheLimit) {
  testing::TempDir dir;
  const std::string folder = dir.path().string();
  EXPECT_EQ(ReadRecentFiles(folder), Paths{}) << "none yet";
  for (int i = 1; i <= 10; ++i) ASSERT_FALSE(RememberRecentFile(folder, "/site/" + std::to_string(i) + ".prg"));
  ASSERT_FALSE(RememberRecentFile(folder, "/site/5.prg"));
  const Paths expected{"/site/5.prg", "/site/10.prg", "/site/9.prg", "/site/8.prg",
                       "/site/7.prg", "/site/6.prg",  "/site/4.prg", "/site/3.prg"};
  EXPECT_EQ(ReadRecentFiles(folder), expected);
  ASSERT_FALSE(ForgetRecentFile(folder, "/site/9.prg"));
  EXPECT_EQ(ReadRecentFiles(folder).size(), 7u);
  EXPECT_EQ(ReadRecentFiles(folder)[2], "/site/8.prg");
}

TEST(RecentFiles, OnlyWhatCanBeAPathIsRead) {
  testing::TempDir dir;
  const std::string folder = dir.path().string();
  const std::string file = dir.file(kRecentFileName);
  const std::pair<std::string, Paths> rows[] = {
      {"/a.prg\r\n\n/b\x01.prg\n/a.prg\n/c d.prg\n", {"/a.prg", "/c d.prg"}},
      {std::string(70 * 1024, 'x'), {}},  // too large for a list of eight paths
  };
  for (const auto& [text, paths] : rows) {
    testing::WriteAll(file, text);
    EXPECT_EQ(ReadRecentFiles(folder), paths);
  }
  std::filesystem::remove(file);
  std::filesystem::create_directory(file);
  EXPECT_EQ(ReadRecentFiles(folder), Paths{}) << "a folder in its place";
  EXPECT_TRUE(RememberRecentFile(folder, "/a.prg")) << "and it cannot be written";
}

}  // namespace
}  // namespace tonalis
