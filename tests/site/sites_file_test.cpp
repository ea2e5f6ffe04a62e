// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/sites_file.h"

#include <gtest/gtest.h>

#include "support/test_files.h"

namespace tonalis {
namespace {

TEST(SitesFile, WhatALineMeans) {
  const SitesFile file = ParseSites(
      "\xEF\xBB\xBF# the sites\r\n"
      "where=ssh://early\r\n"
      "[Hilltop]\r\n"
      "where = ssh://op@hilltop-pi.lan:2222 \r\n"
      "program=/opt/tonalis/bin/tonalis-cli\r\n"
      "config=/home/op/hill top.prg\r\n"
      "note=key in the blue box; second shelf\r\n"
      "colour=red\r\n"
      "[]\r\n"
      "[Shack]\r\n"
      "where=This Computer\r\n"
      "just words\r\n"
      "[hilltop]\r\n"
      "where=ssh://op@new-pi.lan\r\n");
  ASSERT_EQ(file.sites.size(), 2u);
  EXPECT_EQ(file.sites[0], (SiteEntry{"Shack", "This Computer", "", "", ""}));
  EXPECT_TRUE(file.sites[0].here());
  EXPECT_EQ(file.sites[1], (SiteEntry{"hilltop", "ssh://op@new-pi.lan", "", "", ""})) << "the later section is the one";
  EXPECT_FALSE(file.sites[1].here());
  ASSERT_NE(file.find(" HILLTOP "), nullptr);
  EXPECT_EQ(file.find("Valley"), nullptr);
  EXPECT_EQ(file.problems,
            (std::vector<std::string>{"line 2: where=ssh://early (before the first [site])",
                                      "line 8: colour=red (KEY is where, program, config or note)",
                                      "line 9: [] (a site's name in [brackets])",
                                      "line 12: just words (not of the form KEY=VALUE)"}));
}

TEST(SitesFile, WrittenAndReadBackAsTheyAre) {
  const std::vector<SiteEntry> sites = {
      {"Hilltop", "ssh://op@hilltop-pi.lan", "/opt/tonalis-cli", "/home/op/hill top.prg", "blue box = second shelf"},
      {"Shack", "", "", "", ""},
      {"Two\nlines", "ssh://x", "", "", "a\r\nb"},
  };
  const SitesFile back = ParseSites(FormatSites(sites));
  EXPECT_TRUE(back.problems.empty());
  ASSERT_EQ(back.sites.size(), 3u);
  EXPECT_EQ(back.sites[0], sites[0]);
  EXPECT_EQ(back.sites[1], (SiteEntry{"Shack", kThisComputer, "", "", ""}));
  EXPECT_EQ(back.sites[2], (SiteEntry{"Two lines", "ssh://x", "", "", "a  b"})) << "one line each";

  testing::TempDir dir;
  SitesFile read;
  EXPECT_FALSE(ReadSitesFile(dir.path().string(), read)) << "no file: no sites";
  EXPECT_TRUE(read.sites.empty());
  testing::WriteAll(dir.file(kSitesFileName), FormatSites(sites));
  EXPECT_FALSE(ReadSitesFile(dir.path().string(), read));
  EXPECT_EQ(read.sites.size(), 3u);
}

}  // namespace
}  // namespace tonalis
