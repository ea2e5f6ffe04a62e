// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/board_air.h"

#include <gtest/gtest.h>

#include "remote/replacement.h"
#include "support/examples.h"

namespace tonalis {
namespace {

// The worked example with every command set: 0 = "11", 1 = "10", n = "n0" after.
DecoderImage Memory(bool cw = true) {
  DecoderConfig c = testing::WorkedExample();
  for (int n = 2; n < kCommandCount; ++n) c.txtMem[static_cast<std::size_t>(n)] = std::to_string(n) + "0";
  c.chkMorse = cw ? 1 : 0;
  return ValidateAndEncode(c).image;
}

TEST(BoardAir, EachCommandDoesWhatItsTableSays) {
  struct Case {
    const char* heard;
    const char* did;
    const char* reply;
    std::array<bool, 4> outputs;
  };
  // Power-on: Output 1 ON, the others OFF; CW on.
  const Case cases[] = {
      {"10", "command 1: Output 1 OFF", "ABC R", {false, false, false, false}},
      {"20", "command 2: Output 2 ON", "ABC R", {true, true, false, false}},
      {"70", "command 7: Output 4 OFF", "ABC R", {true, false, false, false}},
      {"80", "command 8: status sent", "ABC 1000", {true, false, false, false}},
      {"140", "command 14: all outputs ON", "ABC R", {true, true, true, true}},
      {"150", "command 15: all outputs OFF", "ABC R", {false, false, false, false}},
      {"120", "command 12: voltage check enabled", "ABC R", {true, false, false, false}},
      {"100", "command 10: Output 2 ON for 10 s", "ABC R", {true, true, false, false}},
      {"99", "ignored", "", {true, false, false, false}},
      {"", "ignored", "", {true, false, false, false}},
  };
  for (const auto& c : cases) {
    DecoderImage memory = Memory();
    BoardAir air(memory);
    const auto o = air.hear(c.heard, memory, 0);
    EXPECT_EQ(o.did, c.did) << c.heard;
    EXPECT_EQ(o.reply, c.reply) << c.heard;
    EXPECT_EQ(air.outputs(), c.outputs) << c.heard;
    EXPECT_FALSE(o.memoryChanged);
    EXPECT_EQ(memory, Memory()) << "a command leaves the memory alone";
  }
}

TEST(BoardAir, TheTimerAndTheCwSwitch) {
  DecoderImage memory = Memory();
  BoardAir air(memory);
  air.hear("110", memory, 100.0);  // Output 2 OFF for the timer's 10 s, then back ON
  EXPECT_FALSE(air.outputs()[1]);
  EXPECT_EQ(air.nextEvent(), 110.0);
  EXPECT_TRUE(air.tick(109.9).empty());
  EXPECT_EQ(air.tick(110.0), std::vector<std::string>{"Output 2 ON again: the timer ended"});
  EXPECT_TRUE(air.outputs()[1]);

  EXPECT_EQ(air.hear("90", memory, 0).did, "command 9: CW replies OFF");
  EXPECT_EQ(air.hear("20", memory, 0).reply, "") << "silent with CW replies off";
  EXPECT_EQ(air.hear("90", memory, 0).reply, "ABC R");
  DecoderImage quiet = Memory(false);
  EXPECT_EQ(BoardAir(quiet).hear("20", quiet, 0).reply, "");
}

TEST(BoardAir, AReplacementWithItsChecksumReplacesTheCommand) {
  struct Case {
    std::string heard;
    std::string did;
    std::string command0;
  };
  const std::string right = *CalculateReplacement("11", "1234", "#", "345").sequence;  // 111234345#D#
  const Case cases[] = {
      {right, "command 0 replaced by 345", "345"},
      {"111234345#D1", "replacement of command 0 refused: wrong checksum", "11"},
      {"111234345#D", "ignored", "11"},                 // one checksum digit short
      {"991234345#D#", "ignored", "11"},                // no such command
      {*CalculateReplacement("11", "1234", "#", "20").sequence,
       "replacement of command 0 refused: the new command is already one", "11"},
      // The longest command a slot holds.
      {*CalculateReplacement("11", "1234", "#", "9876543210").sequence, "command 0 replaced by 9876543210",
       "9876543210"},
  };
  for (const auto& c : cases) {
    DecoderImage memory = Memory();
    BoardAir air(memory);
    const auto o = air.hear(c.heard, memory, 0);
    EXPECT_EQ(o.did, c.did) << c.heard;
    EXPECT_EQ(DecodeImage(memory).txtMem[0], c.command0) << c.heard;
    EXPECT_EQ(o.memoryChanged, c.command0 != "11");
    DecoderImage expected = Memory();
    EncodeCommand(expected, 0, c.command0);
    EXPECT_EQ(memory, expected) << "nothing but the command's bytes change";
  }
}

TEST(BoardAir, DigitsMakeSequencesSplitByTheGap) {
  SequenceAssembler sequences(1.0);
  EXPECT_FALSE(sequences.digit('1', 0.0, 0.05));
  EXPECT_FALSE(sequences.digit('2', 0.95, 0.05));  // 0.9 s after the 1 ended
  EXPECT_EQ(sequences.deadline(), 2.0);
  EXPECT_FALSE(sequences.quiet(2.0));
  const auto first = sequences.digit('3', 2.01, 0.05);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->digits, "12");
  EXPECT_EQ(first->start, 0.0);
  const auto second = sequences.quiet(3.1);
  ASSERT_TRUE(second);
  EXPECT_EQ(second->digits, "3");
  EXPECT_EQ(second->start, 2.01) << "a sequence starts where its first digit does";
  EXPECT_FALSE(sequences.close());
  sequences.digit('4', 5, 0.05);
  EXPECT_EQ(sequences.close()->digits, "4");
  // A channel that never falls quiet: a sequence at most kMaxSequenceDigits long.
  for (std::size_t i = 0; i < kMaxSequenceDigits; ++i)
    EXPECT_FALSE(sequences.digit('5', 10 + 0.1 * static_cast<double>(i), 0.05));
  const auto longest = sequences.digit('6', 10 + 0.1 * static_cast<double>(kMaxSequenceDigits), 0.05);
  ASSERT_TRUE(longest);
  EXPECT_EQ(longest->digits, std::string(kMaxSequenceDigits, '5'));
  EXPECT_EQ(sequences.close()->digits, "6");
}

}  // namespace
}  // namespace tonalis
