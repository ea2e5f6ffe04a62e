// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/field_rules.h"

#include <gtest/gtest.h>

#include <functional>

namespace tonalis {
namespace {

// Each rule at the edges of what it lets through: what a typed code enters
// (0: nothing).
TEST(FieldRules, EachRuleAtItsEdges) {
  struct Case {
    const char* rule;
    std::function<int(int)> filter;
    std::vector<std::pair<int, int>> codes;
  };
  const Case cases[] = {
      {"digit", FilterDigitKey,
       {{'0', '0'}, {'9', '9'}, {'/', 0}, {':', 0}, {'.', 0}, {kBackspace, kBackspace}, {kCopy, 0}, {' ', 0}}},
      {"decimal", FilterDecimalKey,
       {{'0', '0'}, {'9', '9'}, {'.', '.'}, {',', '.'}, {'/', 0}, {kBackspace, kBackspace}, {kCopy, 0}}},
      {"call sign", FilterCallSignKey,
       {{'0', '0'}, {'/', 0}, {':', ':'}, {'@', '@'}, {'Z', 'Z'}, {'z', 'Z'}, {'k', 'K'}, {'[', 0}, {' ', ' '},
        {kBackspace, kBackspace}, {kCopy, 0}, {22, 0}}},
      {"dtmf", FilterDtmfKey,
       {{'0', '0'}, {'9', '9'}, {'*', '*'}, {'#', '#'}, {'a', 'A'}, {'d', 'D'}, {'E', 0}, {'e', 0}, {' ', 0},
        {kBackspace, kBackspace}, {kCopy, kCopy}, {22, 0}, {24, 0}, {26, 0}, {kReturn, 0}}},
      {"checksum", FilterChecksumKey, {{'#', '#'}, {'b', 'B'}, {kCopy, 0}, {kBackspace, kBackspace}}},
      {"new sequence", [](int code) { return FilterNewSequenceKey(code, '#'); },
       {{'#', 0}, {'*', '*'}, {'1', '1'}, {kBackspace, kBackspace}}},
      {"new sequence, checksum B", [](int code) { return FilterNewSequenceKey(code, 'B'); },
       {{'b', 0}, {'B', 0}, {'c', 'C'}}},
  };
  for (const auto& c : cases)
    for (const auto& [typed, entered] : c.codes) EXPECT_EQ(c.filter(typed), entered) << c.rule << " " << typed;
}

}  // namespace
}  // namespace tonalis
