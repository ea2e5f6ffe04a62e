// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/journal.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/shout.h"
#include "support/test_files.h"

namespace tonalis {
namespace {

JournalRecord Send(const std::string& id, const std::string& what) {
  JournalRecord r;
  r.id = id;
  r.utc = "2026-12-08T07:37:00.123Z";
  r.local = "2026-12-08 08:37:00 +01:00";
  r.kind = "send";
  r.what = what;
  r.timing = "digit 50 ms, gap 50 ms";
  r.ptt = "rts on /dev/ttyS0";
  r.result = "completed";
  r.detail = "Sequence completed.\nEffective time = 700mS.";
  return r;
}

TEST(Journal, RecordsSurviveTheirTextAndTornOrForeignLinesAreSkipped) {
  JournalRecord odd = Send("1", "a\ttab, a \\ backslash, \"quotes\"");
  odd.reply = "ABC R";
  const std::string line = FormatJournalRecord(odd);
  EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1) << "one line a record, whatever it holds";
  ASSERT_TRUE(ParseJournalRecord(line));
  EXPECT_EQ(*ParseJournalRecord(line), odd);

  // A reply and a monitor's verdict join their send; one whose send is gone, and
  // torn or foreign lines, are left out.
  JournalRecord reply;
  reply.id = "2";
  reply.kind = "reply";
  reply.reply = "ABC R";
  JournalRecord monitor = reply;
  monitor.kind = "monitor";
  monitor.monitor = "3 of 3 digits heard";
  JournalRecord orphan = reply;
  orphan.id = "9";
  // A write cut short by a kill, and the next record appended to it on the same line: that one is kept.
  const std::string text = FormatJournalRecord(Send("2", "123")) + "not a record\n" + FormatJournalRecord(reply) +
                           FormatJournalRecord(orphan) + "tonalis-journal-1\tbad\\q\n" + FormatJournalRecord(monitor) +
                           FormatJournalRecord(Send("4", "67")).substr(0, 40) + FormatJournalRecord(Send("5", "89")) +
                           FormatJournalRecord(Send("3", "45")).substr(0, 30);
  const auto records = ReadJournalText(text);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[1].what, "89");
  EXPECT_EQ(records[0].what, "123");
  EXPECT_EQ(records[0].reply, "ABC R");
  EXPECT_EQ(records[0].monitor, "3 of 3 digits heard");

  EXPECT_EQ(JournalCsv({odd}),
            "utc,local,kind,what,timing,ptt,result,detail,reply,monitor\r\n"
            "2026-12-08T07:37:00.123Z,2026-12-08 08:37:00 +01:00,send,\"a\ttab, a \\ backslash, \"\"quotes\"\"\","
            "\"digit 50 ms, gap 50 ms\",rts on /dev/ttyS0,completed,\"Sequence completed.\nEffective time = 700mS.\","
            "ABC R,\r\n");
}

TEST(Journal, TheSitesKeysAreMasked) {
  struct Case {
    const char* sequence;
    const char* modifier;
    const char* checksum;
    const char* masked;
  };
  const Case cases[] = {
      {"111234345#D#", "1234", "#", "11xxxx345xxx"},  // a replacement
      {"12341234345#D#", "1234", "#", "1234xxxx345xxx"},  // the Original is the Modifier ID's digits
      {"111234345#D1", "1234", "#", "11xxxx345xxx"},      // typed by hand, a checksum that does not hold
      {"1111234#D#", "1234", "#", "1111234#D#"},          // no New after the Modifier ID
      {"51234", "1234", "#", "51234"},                    // the keys' digits in a plain send
      {"0123456789*#ABCD1234#", "1234", "#", "0123456789*#ABCD1234#"},
      {"98#", "1234", "#", "98#"},
      {"111234345#D#", "", "#", "111234345#D#"},
  };
  for (const auto& c : cases) EXPECT_EQ(MaskKeys(c.sequence, c.modifier, c.checksum), c.masked) << c.sequence;
}

// Kinds and results in the operator's language; the records keep English.
TEST(Journal, KindsAndResultsAreShownInTheProgramsLanguage) {
  for (const char* word : {"send", "command", "replacement", "ptt-test", "test-tone", "calibration-tone", "completed",
                           "failed", "stopped"})
    EXPECT_EQ(JournalWord(word, testing::Shout), testing::Upper(word));
  EXPECT_EQ(JournalWord("reply", testing::Shout), "reply") << "a word it does not know, as it is";
}

TEST(Journal, AFullFileIsRotatedAndEveryFileIsRead) {
  testing::TempDir dir;
  const std::string folder = dir.file("journal");
  ASSERT_FALSE(AppendJournalRecord(folder, Send("1", "1")));
  // Rotated a dozen times in one second: no rotated file replaces another,
  // and they are read in the order they were written (_2 before _10).
  JournalRecord next = Send("", "");
  next.utc = "2026-12-09T10:00:00.000Z";
  for (int i = 2; i <= 13; ++i) {
    {
      // Grown past the limit (lines of another kind, which reading skips).
      std::ofstream grow(folder + "/" + kJournalFileName, std::ios::app);
      grow << std::string(kJournalRotateBytes, 'x') << '\n';
    }
    next.id = next.what = std::to_string(i);
    ASSERT_FALSE(AppendJournalRecord(folder, next));
    EXPECT_LT(std::filesystem::file_size(folder + "/" + kJournalFileName), 1000u);
  }
  EXPECT_TRUE(std::filesystem::exists(folder + "/journal-2026-12-09T10-00-00.log"));
  EXPECT_TRUE(std::filesystem::exists(folder + "/journal-2026-12-09T10-00-00_12.log"));
  const auto records = ReadJournal(folder);
  ASSERT_EQ(records.size(), 13u);
  for (int i = 0; i < 13; ++i) EXPECT_EQ(records[static_cast<std::size_t>(i)].what, std::to_string(i + 1));
  EXPECT_TRUE(AppendJournalRecord(dir.file("journal/journal.log/x"), next)) << "a folder that cannot be made is said";
}

}  // namespace
}  // namespace tonalis
