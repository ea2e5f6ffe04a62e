// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>

#include "history/differences.h"
#include "history/history_store.h"
#include "support/examples.h"
#include "support/test_files.h"

namespace tonalis {
namespace {

DecoderImage Example() { return ValidateAndEncode(testing::WorkedExample()).image; }

TEST(HistoryDifferences, EveryKindOfFieldInTheUsersWords) {
  struct Case {
    std::function<void(DecoderConfig&)> change;
    const char* said;
  };
  const Case cases[] = {
      {[](DecoderConfig& c) { c.txtMem[3] = "456"; }, "Command 3 (Output 2 OFF): (empty) \u2192 456"},
      {[](DecoderConfig& c) { c.txtMem[0] = ""; }, "Command 0 (Output 1 ON): 11 \u2192 (empty)"},
      {[](DecoderConfig& c) { c.txtMem[12] = "7"; }, "Command 12 (Voltage Check Enable): (empty) \u2192 7"},
      {[](DecoderConfig& c) { c.txtCallID = "IK1XYZ"; }, "CW call: ABC \u2192 IK1XYZ"},
      {[](DecoderConfig& c) { c.chkOutput[0] = 0; }, "Output 1 at power-on: ON \u2192 OFF"},
      {[](DecoderConfig& c) { c.chkMorse = 0; }, "CW replies at power-on: ON \u2192 OFF"},
      {[](DecoderConfig& c) { c.chkBCheck = 1; }, "Voltage check at power-on: OFF \u2192 ON"},
      {[](DecoderConfig& c) { c.txtMorseSpeed = "25"; }, "Morse speed: 20 WPM \u2192 25 WPM"},
      {[](DecoderConfig& c) { c.txtTmr2 = "30"; }, "Output 2 timer: 10 s \u2192 30 s"},
      {[](DecoderConfig& c) { c.txtBlo = "11.8"; }, "Low battery level: 11.5 V \u2192 11.8 V"},
      {[](DecoderConfig& c) { c.txtBhi = "14.2"; }, "High battery level: 13.8 V \u2192 14.2 V"},
      {[](DecoderConfig& c) { c.txtSeqCmd = "99"; }, "Modifier ID: 1234 \u2192 99"},
      {[](DecoderConfig& c) { c.txtCrcTag = "*"; }, "Checksum ID: # \u2192 *"},
  };
  const DecoderImage before = Example();
  for (const auto& c : cases) {
    DecoderConfig changed = testing::WorkedExample();
    c.change(changed);
    const EncodeResult after = ValidateAndEncode(changed);
    ASSERT_TRUE(after.ok()) << c.said;
    EXPECT_EQ(ImageDifferences(before, after.image), std::vector<std::string>{c.said});
  }
  EXPECT_TRUE(ImageDifferences(before, before).empty());

  // Bytes no field shows are named, so that nothing differs unseen.
  DecoderImage reserved = before;
  reserved[170] = 0x00;
  EXPECT_EQ(ImageDifferences(before, reserved),
            std::vector<std::string>{"Byte 170 (no field shows it): FF \u2192 00"});
  DecoderImage timing = before;
  timing[layout::kMorseTiming.offset] = 61;  // 19.5 WPM still reads as 20
  EXPECT_EQ(ImageDifferences(before, timing),
            std::vector<std::string>{"Byte 2 (no field shows it): 3C \u2192 3D"});

  // An erased board's call is blank, not the bytes' glyphs.
  DecoderImage erased = before;
  for (std::size_t i = layout::kCallSign.offset; i < layout::kCallSign.offset + layout::kCallSign.width; ++i)
    erased[i] = 0xFF;
  const auto blank = ImageDifferences(before, erased);
  ASSERT_FALSE(blank.empty());
  EXPECT_EQ(blank[0], "CW call: ABC \u2192 (blank: erased)");
}

TEST(HistoryEntry, FileRoundTripAndRefusals) {
  HistoryEntry e;
  e.timeMs = 1796665023125;
  e.id = HistoryIdFor(e.timeMs);
  e.operation = "PROGRAM";
  e.port = "COM3";
  e.device = "/dev/serial/by-id/usb-FTDI-if00";
  e.banner = "Quorvantelix v3.0";
  e.file = "shack.prg";
  e.image = Example();
  e.image[170] = 0x12;
  e.changes = {"CW call: ABC \u2192 IK1XYZ"};
  e.previousKnown = true;
  EXPECT_EQ(e.id, "20261207T173703.125Z");
  const std::string text = FormatHistoryEntry(e);
  EXPECT_NE(text.find("\"1234\",\"#\",1,\"20\",\"ABC\",\"10\",0,\"11.5\",\"13.8\""), std::string::npos)
      << "a person reads the configuration too";
  for (const std::string& form : {text, testing::ReplaceAll(text, "\n", "\r\n")}) {
    const auto back = ParseHistoryEntry(form);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->image, e.image);
    EXPECT_EQ(back->id, e.id);
    EXPECT_EQ(back->timeMs, e.timeMs);
    EXPECT_EQ(back->operation, "PROGRAM");
    EXPECT_EQ(back->device, e.device);
    EXPECT_EQ(back->file, "shack.prg");
    EXPECT_EQ(back->changes, e.changes);
  }

  const std::pair<std::string, const char*> bad[] = {
      {"hello\n", "not a board history entry"},
      {testing::ReplaceAll(text, "image: 8", "image: x"), "not hexadecimal"},
      {testing::ReplaceAll(text, "image: 81", "image:"), "not 192 bytes"},
      {testing::ReplaceAll(text, "operation: PROGRAM", "operation: ERASE"), "none of READ, PROGRAM and AIR"},
      {testing::ReplaceAll(text, "id: 2026", "id: a b"), "not a token"},
  };
  for (const auto& [form, why] : bad) {
    std::string error;
    EXPECT_FALSE(ParseHistoryEntry(form, &error));
    EXPECT_NE(error.find(why), std::string::npos) << error;
  }
}

TEST(HistoryEntry, APrgMadeFromAnEntryNamesItsPort) {
  const std::pair<const char*, const char*> cases[] = {
      {"COM3", "3"}, {"COM16", "16"}, {"COM17", "1"}, {"COM0", "1"}, {"/dev/ttyUSB0", "1"}, {"COMx", "1"}, {"", "1"}};
  for (const auto& [port, prgComm] : cases) EXPECT_EQ(PrgCommForPort(port), prgComm) << port;
}

TEST(HistoryStore, PruningKeepsTheNewestAndEveryDayOfAProgram) {
  constexpr std::int64_t kDay = 24LL * 3600 * 1000;
  const std::int64_t now = 1000 * kDay;
  auto entry = [](std::int64_t time, const char* op) {
    HistoryEntry e;
    e.timeMs = time;
    e.id = HistoryIdFor(time);
    e.operation = op;
    return e;
  };
  struct Case {
    const char* name;
    std::vector<HistoryEntry> entries;
    std::size_t max;
    std::vector<std::size_t> removed;  // indices
  };
  const Case cases[] = {
      {"within the limits", {entry(now - kDay, "READ"), entry(now, "READ")}, 5, {}},
      {"too many: the oldest go",
       {entry(now - 3, "READ"), entry(now - 2, "READ"), entry(now - 1, "READ"), entry(now, "READ")}, 2, {0, 1}},
      {"too old", {entry(now - 800 * kDay, "READ"), entry(now, "READ")}, 5, {0}},
      {"the last PROGRAM of a day stays, however old",
       {entry(now - 800 * kDay, "PROGRAM"), entry(now - 800 * kDay + 5, "PROGRAM"), entry(now - 800 * kDay + 9, "READ"),
        entry(now, "READ")},
       5, {0, 2}},
      {"and when there are too many",
       {entry(now - 3 * kDay, "PROGRAM"), entry(now - 2, "READ"), entry(now - 1, "READ"), entry(now, "READ")}, 2, {1, 2}},
      {"a hostile time is only old", {entry(INT64_MIN, "READ"), entry(INT64_MAX, "READ")}, 5, {0}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> expected;
    for (std::size_t i : c.removed) expected.push_back(c.entries[i].id);
    EXPECT_EQ(PruneList(c.entries, now, c.max), expected) << c.name;
  }
}

TEST(HistoryStore, AProgramRecordsWhatItChangedOnThatDevice) {
  testing::TempDir dir;
  HistoryStore store(dir.file("history"));
  auto add = [&](const char* op, const char* device, const DecoderImage& image) {
    HistoryEntry e;
    e.timeMs = 1796665023125;  // the same millisecond each time: ids stay apart
    e.operation = op;
    e.device = device;
    e.image = image;
    EXPECT_FALSE(store.add(e));
    return e;
  };
  DecoderImage changed = Example();
  changed[layout::kCallSign.offset] = 'X';
  const HistoryEntry read = add("READ", "/dev/a", Example());
  add("READ", "/dev/b", changed);  // another board
  const HistoryEntry program = add("PROGRAM", "/dev/a", changed);
  EXPECT_NE(read.id, program.id);
  EXPECT_TRUE(program.previousKnown);
  EXPECT_EQ(program.changes, std::vector<std::string>{"CW call: ABC \u2192 XBC"});
  const auto entries = store.entries();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(store.find(program.id)->changes, program.changes);
  EXPECT_EQ(store.previous(entries[2])->id, read.id);

  // A damaged file is listed as such; a renamed entry goes by its file's name.
  testing::WriteAll(dir.file("history/20261208T000000.000Z.txt"), "tonalis-history: 1\nid: x\nimage: FF\n");
  std::filesystem::rename(dir.file("history/" + read.id + ".txt"), dir.file("history/renamed.txt"));
  std::vector<HistoryStore::Damaged> damaged;
  const auto listed = store.entries(&damaged);
  ASSERT_EQ(damaged.size(), 1u);
  EXPECT_EQ(damaged[0].id, "20261208T000000.000Z");
  std::string why;
  EXPECT_FALSE(store.find("20261208T000000.000Z", &why));
  EXPECT_NE(why.find("not a history entry"), std::string::npos) << why;
  EXPECT_TRUE(store.find("renamed")) << "shown by the id it is listed with";
  EXPECT_TRUE(std::any_of(listed.begin(), listed.end(), [](const HistoryEntry& e) { return e.id == "renamed"; }));

  // A folder that cannot be made says why.
  testing::WriteAll(dir.file("file"), "x");
  HistoryStore blocked(dir.file("file") + "/history");
  HistoryEntry e;
  e.operation = "READ";
  const auto error = blocked.add(e);
  ASSERT_TRUE(error);
  EXPECT_NE(error->find("Cannot make the folder"), std::string::npos) << *error;
}

}  // namespace
}  // namespace tonalis

namespace tonalis {
namespace {

// A replacement sent over the air is kept as AIR until a READ of its board
// finds it (confirmed) or finds something else (differs); on another board,
// a READ settles nothing.
TEST(HistoryStore, AReadSettlesWhatWasSentOverTheAir) {
  testing::TempDir dir;
  HistoryStore store(dir.file("history"));
  std::int64_t time = 1796665023125;
  auto add = [&](const char* op, const char* device, const DecoderImage& image) {
    HistoryEntry e;
    e.timeMs = time += 1000;
    e.operation = op;
    e.device = device;
    e.image = image;
    if (e.isAir()) e.air = kAirSent;
    EXPECT_FALSE(store.add(e));
    return e;
  };
  add("READ", "/dev/a", Example());
  const DecoderImage replaced = ImageAfterReplacement(Example(), 0, "345");
  DecoderConfig expected = DecodeImage(Example());
  expected.txtMem[0] = "345";
  EXPECT_EQ(DecodeImage(replaced), expected);
  const HistoryEntry air = add("AIR", "/dev/a", replaced);
  EXPECT_EQ(air.changes, std::vector<std::string>{"Command 0 (Output 1 ON): 11 \u2192 345"});
  const auto parsed = store.find(air.id);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->air, kAirSent);

  EXPECT_TRUE(store.settleAir(add("READ", "/dev/b", replaced)).empty()) << "another board";
  const HistoryEntry read = add("READ", "/dev/a", replaced);
  ASSERT_EQ(store.settleAir(read).size(), 1u);
  EXPECT_EQ(store.find(air.id)->air, "confirmed by READ " + read.id);

  const HistoryEntry lost = add("AIR", "/dev/a", ImageAfterReplacement(replaced, 1, "77"));
  const HistoryEntry after = add("READ", "/dev/a", replaced);
  ASSERT_EQ(store.settleAir(after).size(), 1u) << "the earlier one stays confirmed";
  EXPECT_EQ(store.find(lost.id)->air, "READ " + after.id + " differs");
  // Shown by the READ's time, not its id.
  EXPECT_EQ(AirStatusText(kAirSent), "sent over the air, not read back");
  EXPECT_EQ(AirStatusText(store.find(air.id)->air), "confirmed by the READ of " + LocalTimeText(read.timeMs));
  EXPECT_EQ(AirStatusText(store.find(lost.id)->air), "the READ of " + LocalTimeText(after.timeMs) + " differs");
  EXPECT_EQ(AirStatusText("confirmed by READ x"), "confirmed by the READ of x") << "an id that is no time, as it is";
}

}  // namespace
}  // namespace tonalis
