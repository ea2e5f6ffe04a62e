// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/station_settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_files.h"

namespace tonalis {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

TEST(StationSettings, EveryValueComesBackAtItsBounds) {
  std::vector<StationSettings> cases;
  auto with = [&](auto change) {
    StationSettings s;
    change(s);
    cases.push_back(s);
  };
  with([](StationSettings& s) { s.ptt.method = PttMethod::Cm108, s.ptt.cm108Gpio = 1, s.ptt.cm108Device = "/dev/h"; });
  with([](StationSettings& s) { s.ptt.method = PttMethod::Cm108, s.ptt.cm108Gpio = 8; });
  with([](StationSettings& s) { s.ptt.line = SerialLine::Dtr, s.ptt.invert = true; });
  with([](StationSettings& s) { s.ptt.method = PttMethod::Rigctld, s.ptt.rigctldPort = 1, s.ptt.rigctldHost = "::1"; });
  with([](StationSettings& s) { s.ptt.method = PttMethod::Rigctld, s.ptt.rigctldPort = 65535; });
  with([](StationSettings& s) {
    s.ptt.method = PttMethod::Cat, s.ptt.rigModel = 1, s.ptt.rigBaud = 300, s.ptt.rigDevice = "/dev/tty USB0";
  });
  with([](StationSettings& s) { s.ptt.method = PttMethod::Cat, s.ptt.rigModel = 999999, s.ptt.rigBaud = 4000000; });
  with([](StationSettings& s) { s.listenForReply = true, s.listenSeconds = 2, s.txLimitSeconds = 1; });
  with([](StationSettings& s) { s.monitorSend = true, s.inputDevice = "/tmp/receiver.fifo", s.maskKeys = false; });
  with([](StationSettings& s) { s.listenSeconds = 120, s.txLimitSeconds = kMaxTxLimitSeconds; });
  with([](StationSettings& s) { s.outputDevice = "USB Audio CODEC: #1", s.inputDevice = "hw:1,0", s.language = "it"; });
  with([](StationSettings& s) { s.language = "en"; });
  with([](StationSettings& s) { s.levels = {kMinLevelDb, -kMaxTwistDb}, s.tailMs = 0; });
  with([](StationSettings& s) { s.levels = {4.1, -0.3}, s.tailMs = kMaxTailMs; });
  with([](StationSettings& s) { s.levels = {-10, kMaxTwistDb}; });
  testing::TempDir dir;
  int row = 0;
  for (const auto& written : cases) {
    const std::string folder = dir.file(std::to_string(row++));  // one each, as below
    std::filesystem::create_directories(folder);
    ASSERT_FALSE(WriteStationSettings(Q(folder), written));
    const StationSettings read = ReadStationSettings(Q(folder));
    EXPECT_EQ(read, written) << testing::ReadAll(folder + "/station.ini");
    EXPECT_TRUE(read.problems.empty()) << read.problems[0];
  }
}

TEST(StationSettings, AValueThatCannotBeReadIsSaidWithItsLine) {
  struct Case {
    std::string ini;
    std::string said;   // the first problem begins so
    bool pttUnusable;   // a PTT value: nothing is keyed
  };
  const Case cases[] = {
      {"[ptt]\nmethod=rts\n", "", false},
      {"[ui]\nlanguage=auto\n", "", false},
      {"[ui]\nlanguage=fr\n", "station.ini line 2: ui/language = 'fr' is not one of auto, en, it", false},
      {"[ptt]\nmethod=RTS\n", "station.ini line 2: ptt/method = 'RTS' is not one of", true},
      {"[listen]\nseconds=1\n", "station.ini line 2: listen/seconds = '1' is not a whole number from 2 to 120", false},
      {"[listen]\nreply=true\nmonitor=yes\n", "station.ini line 3: listen/monitor = 'yes' is neither true nor false", false},
      {"[listen]\nseconds=121\n", "station.ini line 2: listen/seconds = '121'", false},
      {"[ptt]\ninvert=maybe\n", "station.ini line 2: ptt/invert = 'maybe' is neither true nor false", true},
      {"[ptt]\n\ntx_limit_seconds=-1\n", "station.ini line 3: ptt/tx_limit_seconds = '-1'", false},
      {"[ptt]\ntx_limit_seconds=3601\n", "station.ini line 2: ptt/tx_limit_seconds = '3601'", false},
      {"[ptt]\ncm108_gpio=9\n", "station.ini line 2: ptt/cm108_gpio = '9'", true},
      {"[ptt]\ntail_ms=2001\n", "station.ini line 2: ptt/tail_ms = '2001'", false},
      {"[output]\nlevel_db=-40.1\n", "station.ini line 2: output/level_db = '-40.1' is not a number from -40 to 6", false},
      {"[output]\ntwist_db=+10.5\n", "station.ini line 2: output/twist_db = '+10.5'", false},
      {"[output]\ntwist_db=3\nlevel_db=6\n", "station.ini line 3: output/level_db = '6' is too loud with that twist", false},
      {"[ptt]\nrigctld_port=0\n", "station.ini line 2: ptt/rigctld_port = '0'", true},
      {"[ptt]\nrigctld_port=4532x\n", "station.ini line 2: ptt/rigctld_port = '4532x'", true},
      {"[ptt]\nrig_baud=4000001\n", "station.ini line 2: ptt/rig_baud = '4000001'", true},
      {"[sound]\noutput=" + std::string(5000, 'x') + "\n",
       "station.ini line 2: sound/output = '" + std::string(60, 'x') + "...' is longer than 4096 characters", false},
  };
  testing::TempDir dir;
  int row = 0;
  for (const auto& c : cases) {
    // A folder for each row: QSettings keeps what it read of a path while its
    // time and size look unchanged, and rows come within one clock tick.
    const std::string folder = dir.file(std::to_string(row++));
    std::filesystem::create_directories(folder);
    testing::WriteAll(folder + "/station.ini", c.ini);
    const StationSettings s = ReadStationSettings(Q(folder));
    if (c.said.empty()) {
      EXPECT_TRUE(s.problems.empty()) << c.ini;
      continue;
    }
    ASSERT_FALSE(s.problems.empty()) << c.ini;
    EXPECT_EQ(s.problems[0].rfind(c.said, 0), 0u) << s.problems[0];
    EXPECT_LT(s.problems[0].size(), 200u) << "a huge value is not printed whole";
    EXPECT_EQ(!s.ptt.unusable.empty(), c.pttUnusable) << c.ini;
    EXPECT_EQ(s.ptt.usesPttPort(), !c.pttUnusable) << "an unreadable PTT never keys the PTT Comm port";
    if (c.ini.find("[output]") != std::string::npos) {
      EXPECT_EQ(s.levels, ToneLevels{}) << c.ini << ": levels that cannot be played fall back to the defaults";
    }
  }
  // A file far larger than a station file is refused whole.
  testing::WriteAll(dir.file("station.ini"), "[sound]\noutput=" + std::string(200000, 'y') + "\n");
  const StationSettings huge = ReadStationSettings(Q(dir.path().string()));
  ASSERT_EQ(huge.problems.size(), 1u);
  EXPECT_NE(huge.problems[0].find("too large"), std::string::npos);
  EXPECT_FALSE(huge.ptt.unusable.empty());
}

}  // namespace
}  // namespace tonalis
