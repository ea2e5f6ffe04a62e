// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/digits.h"

#include <gtest/gtest.h>

namespace tonalis {
namespace {

TEST(Digits, DigitToCodeFoldsCaseAndRejectsTheRest) {
  const std::pair<char, int> cases[] = {{'0', 10}, {'1', 1},  {'5', 5},  {'9', 9},  {'*', 11},  {'#', 12},
                                        {'A', 13}, {'B', 14}, {'C', 15}, {'c', 15}, {'b', 14},  {'D', 0},
                                        {'d', 0},  {'E', -1}, {' ', -1}, {'+', -1}, {'\0', -1}, {'\xFF', -1}};
  for (const auto& [c, code] : cases) EXPECT_EQ(DigitToCode(c), code) << "character " << int(c);
}

TEST(Digits, CodeToDigitIsTheInverseOverSixteenCodes) {
  for (int code = 0; code < 16; ++code) {
    const std::string digit = CodeToDigit(code);
    ASSERT_EQ(digit.size(), 1u);
    EXPECT_EQ(DigitToCode(digit[0]), code);
    EXPECT_EQ(BoardCodeOf(digit[0]), code);
  }
  EXPECT_EQ(CodeToDigit(0), "D");
  EXPECT_EQ(CodeToDigit(10), "0");
  EXPECT_EQ(CodeToDigit(15), "C");
  EXPECT_EQ(CodeToDigit(16), "");
  EXPECT_EQ(CodeToDigit(255), "");
  EXPECT_EQ(CodeToDigit(-1), "");
}

TEST(Digits, BoardCodeLookupIsCaseSensitive) {
  EXPECT_EQ(BoardCodeOf('A'), 13);
  EXPECT_EQ(BoardCodeOf('a'), -1);
  EXPECT_EQ(BoardCodeOf('d'), -1);
  EXPECT_TRUE(IsDigitSequence("0123456789*#ABCD"));
  EXPECT_TRUE(IsDigitSequence(""));
  EXPECT_FALSE(IsDigitSequence("12a"));
  EXPECT_FALSE(IsDigitSequence("1 2"));
}

TEST(Digits, ChecksumSuffixWritesBothNibblesAsDigits) {
  struct Case {
    const char* id;
    int value;
    const char* expected;
  };
  const Case cases[] = {{"#", 43, "#2*"}, {"5", 0, "5DD"},  {"", 0, "DD"},    {"#", 150, "#96"},
                        {"#", 12, "#D#"}, {"#", 55, "#37"}, {"#", 37, "#25"}, {"1", 255, "1CC"}};
  for (const auto& c : cases) EXPECT_EQ(ChecksumSuffix(c.id, c.value), c.expected) << c.value;
}

}  // namespace
}  // namespace tonalis
