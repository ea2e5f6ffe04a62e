// SPDX-License-Identifier: GPL-3.0-or-later
#include "remote/replacement.h"

#include <gtest/gtest.h>

namespace tonalis {
namespace {

using Icon = UserMessage::Icon;
using Field = FieldSelection::Field;

TEST(Replacement, BuildsTheSequenceWithItsChecksum) {
  struct Case {
    const char* original;
    const char* fresh;
    const char* expected;
  };
  const Case cases[] = {
      {"12", "345", "1299345#D#"},
      {"5", "1234567890", "5991234567890#37"},
      {"1", "0AB", "1990AB#25"},
      {"1", "DD", "199DD#DD"},
      {"CCCCCCCCCC", "CCCCCCCCCC", "CCCCCCCCCC99CCCCCCCCCC#96"},
      // Letters pasted in lower case are sent as the board hears them.
      {"1a", "0ab", "1A990AB#25"},
      // The Modifier ID inside a sequence, not at its end, is no ambiguity.
      {"1993", "0AB", "1993990AB#25"},
  };
  for (const auto& c : cases) {
    const ReplacementResult r = CalculateReplacement(c.original, "99", "#", c.fresh);
    ASSERT_TRUE(r.sequence) << c.original << "/" << c.fresh << ": " << r.refusal->text;
    EXPECT_EQ(*r.sequence, c.expected);
    EXPECT_FALSE(r.refusal);
  }
}

TEST(Replacement, ChecksInOrderWithTextsTitlesIconsAndSelection) {
  struct Case {
    const char* original;
    const char* modifier;
    const char* checksum;
    const char* fresh;
    UserMessage message;
    std::optional<FieldSelection> selection;
  };
  const UserMessage empty{"DTMF",
                          "Modifier ID or Checksum ID cannot be empty.\r\n"
                          "Please insert Modifier ID / Checksum ID in Direct Programming Tab.",
                          Icon::Exclamation};
  const UserMessage originalEnds{
      "Warning", "Original Sequence ends with Modifier ID Sequence.\r\nPlease modify Original Sequence.",
      Icon::Information};
  const UserMessage newEnds{"Warning", "New Sequence ends with Modifier ID Sequence.\r\nPlease modify New Sequence.",
                            Icon::Information};
  const UserMessage tooShort{"DTMF", "Original/New Sequence too short.", Icon::Exclamation};
  const Case cases[] = {
      {"1299", "", "#", "345", empty, std::nullopt},
      {"1299", "99", "", "345", empty, std::nullopt},
      {"1299", "99", "#", "345", originalEnds, FieldSelection{Field::Original, 2, 2}},
      {"99", "99", "#", "345", originalEnds, FieldSelection{Field::Original, 0, 2}},
      {"12", "99", "#", "34599", newEnds, FieldSelection{Field::New, 3, 2}},
      {"9", "99", "#", "345", UserMessage{}, std::nullopt},
      {"12", "99", "#", "7", tooShort, std::nullopt},
      {"", "99", "#", "77", tooShort, std::nullopt},
      {"1299", "99", "#", "7", originalEnds, FieldSelection{Field::Original, 2, 2}},
  };
  for (const auto& c : cases) {
    const ReplacementResult r = CalculateReplacement(c.original, c.modifier, c.checksum, c.fresh);
    if (c.message.text.empty()) {
      // An Original shorter than the Modifier ID never ends with it.
      EXPECT_TRUE(r.sequence) << c.original;
      continue;
    }
    ASSERT_TRUE(r.refusal) << c.original << "/" << c.fresh;
    EXPECT_FALSE(r.sequence);
    EXPECT_EQ(*r.refusal, c.message) << r.refusal->text;
    ASSERT_EQ(r.selection.has_value(), c.selection.has_value()) << c.original;
    if (c.selection) {
      EXPECT_EQ(r.selection->field, c.selection->field);
      EXPECT_EQ(r.selection->start, c.selection->start);
      EXPECT_EQ(r.selection->length, c.selection->length);
    }
  }
}

TEST(Replacement, RefusesWhatTheBoardCouldNeverMatch) {
  const std::tuple<const char*, const char*, const char*, const char*, const char*> cases[] = {
      {"12", "99", "#", "3E5", "New Sequence \"3E5\" holds characters that are not DTMF digits."},
      {"12", "99", "#", "3 5", "New Sequence \"3 5\" holds characters that are not DTMF digits."},
      {"1+", "99", "#", "345", "Original Sequence \"1+\" holds characters"},
      {"12", "9x", "#", "345", "Modifier ID \"9X\" holds characters"},
      {"12", "99", "##", "345", "Checksum ID \"##\" must be one DTMF digit."},
      {"12", "99", "E", "345", "Checksum ID \"E\" must be one DTMF digit."},
      {"12", "99", "5", "152", "New Sequence \"152\" contains the Checksum ID 5."},
      {"12", "99", "b", "3B", "New Sequence \"3B\" contains the Checksum ID B."},
      // Longer than the board's fields (a New sequence of 19 Ds would also
      // overflow the two checksum digits).
      {"12345678901", "99", "#", "345", "Original Sequence is too long: 11 digits, at most 10"},
      {"12", "123456789", "#", "345", "Modifier ID is too long: 9 digits, at most 8"},
      {"12", "99", "#", "DDDDDDDDDDDDDDDDDDD", "New Sequence is too long: 19 digits, at most 10"},
  };
  for (const auto& [original, modifier, checksum, fresh, start] : cases) {
    const ReplacementResult r = CalculateReplacement(original, modifier, checksum, fresh);
    ASSERT_TRUE(r.refusal) << fresh;
    EXPECT_EQ(r.refusal->title, "DTMF");
    EXPECT_EQ(r.refusal->icon, Icon::Exclamation);
    EXPECT_EQ(r.refusal->text.rfind(start, 0), 0u) << r.refusal->text;
  }
}

// What the board would do with a replacement its commands cannot take.
TEST(Replacement, TheBoardsCommandsDecideWhetherItWouldTakeIt) {
  std::array<std::string, kCommandCount> commands{};
  commands[0] = "345";
  commands[1] = "10";
  commands[2] = "a5";
  struct Case {
    const char* original;
    const char* fresh;
    const char* refusal;  // empty: taken
    FieldSelection::Field field;
  };
  const Case cases[] = {
      {"345", "99", "", FieldSelection::Field::Original},
      {"A5", "99", "", FieldSelection::Field::Original},  // letters in either case
      {"345", "345", "", FieldSelection::Field::Original},
      {"345", "10",
       "The New Sequence 10 is already command 1: the board would refuse the replacement, as two commands cannot be "
       "the same.",
       FieldSelection::Field::New},
      {"10", "a5", "The New Sequence a5 is already command 2: the board would refuse", FieldSelection::Field::New},
      {"77", "99", "The Original Sequence 77 is none of the commands: the board would ignore the replacement.",
       FieldSelection::Field::Original},
  };
  for (const auto& c : cases) {
    const ReplacementResult r = ReplacementAgainstCommands(c.original, c.fresh, commands);
    EXPECT_EQ(r.refusal.has_value(), *c.refusal != 0) << c.original << " -> " << c.fresh;
    if (!r.refusal) continue;
    EXPECT_EQ(r.refusal->text.rfind(c.refusal, 0), 0u) << r.refusal->text;
    ASSERT_TRUE(r.selection);
    EXPECT_EQ(r.selection->field, c.field) << c.original;
  }
}

TEST(Replacement, ChecksumIdConflictNamesTheDigitOnce) {
  std::array<std::string, kCommandCount> commands{};
  commands[3] = "152";
  commands[7] = "55";
  const auto warning = ChecksumIdConflict("5", commands);
  ASSERT_TRUE(warning);
  EXPECT_EQ(*warning,
            (UserMessage{"Warning", "Digit 5 already used in command sequences.\r\nPlease choose another digit.",
                         Icon::None}));
  EXPECT_FALSE(ChecksumIdConflict("#", commands));
  EXPECT_FALSE(ChecksumIdConflict("", commands));
  // Case-sensitive, as the commands hold upper case.
  commands[0] = "A1";
  EXPECT_FALSE(ChecksumIdConflict("a", commands));
  EXPECT_TRUE(ChecksumIdConflict("A", commands));
}

TEST(Replacement, CommandMatchCaptions) {
  std::array<std::string, kCommandCount> commands{};
  commands[3] = "12B";
  commands[12] = "777";
  commands[13] = "777";
  EXPECT_EQ(CommandMatchCaption(kOriginalCaption, kOriginalMatchSeparator, "777", commands),
            "Original Sequence [cmd 12]");
  EXPECT_EQ(CommandMatchCaption(kNewCaption, kNewMatchSeparator, "12B", commands), "New Sequence  [cmd 3]");
  EXPECT_EQ(CommandMatchCaption(kOriginalCaption, kOriginalMatchSeparator, "", commands), "Original Sequence");
  EXPECT_EQ(CommandMatchCaption(kOriginalCaption, kOriginalMatchSeparator, "12b", commands), "Original Sequence");
  // An empty text never matches the empty commands.
  EXPECT_EQ(CommandMatchCaption(kNewCaption, kNewMatchSeparator, "", commands), "New Sequence");
}

}  // namespace
}  // namespace tonalis
