// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/text_value.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tonalis {
namespace {

TEST(TextValue, ValueIsTheLeadingNumber) {
  const std::pair<const char*, double> cases[] = {{"", 0},   {"abc", 0},  {"20", 20},       {"11.5", 11.5}, {".5", 0.5},
                                                  {"5.", 5}, {"1..2", 1}, {"12.5.3", 12.5}, {"20x", 20},    {" 20", 0},
                                                  {".", 0},  {"007", 7},  {"25.45", 25.45}, {"-3", 0},      {"1e3", 1}};
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(ValueOfText(text), value) << '"' << text << '"';
}

TEST(TextValue, StrictNumberAcceptsOnlyCompleteNumbers) {
  const std::pair<const char*, std::optional<double>> cases[] = {
      {"20", 20.0},          {" 20 ", 20.0},        {"1.5", 1.5},
      {".5", 0.5},           {"5.", 5.0},           {"", std::nullopt},
      {".", std::nullopt},   {"20x", std::nullopt}, {"1..2", std::nullopt},
      {"1 2", std::nullopt}, {"-1", std::nullopt},  {"abc", std::nullopt}};
  for (const auto& [text, value] : cases) EXPECT_EQ(StrictNumber(text), value) << '"' << text << '"';
}

TEST(TextValue, RoundingSendsHalvesToEven) {
  const std::pair<double, double> cases[] = {{59.5, 60}, {42.5, 42}, {8.5, 8},  {17.5, 18},  {0.5, 0},
                                             {1.5, 2},   {2.5, 2},   {7.93, 8}, {84.99, 85}, {0.49, 0},
                                             {-0.5, 0},  {-1.5, -2}, {255, 255}};
  for (const auto& [x, r] : cases) EXPECT_EQ(RoundHalfEven(x), r) << x;
}

TEST(TextValue, TenthsHaveExactlyOneDecimal) {
  EXPECT_EQ(FormatTenths(115), "11.5");
  EXPECT_EQ(FormatTenths(5), "0.5");
  EXPECT_EQ(FormatTenths(0), "0.0");
  EXPECT_EQ(FormatTenths(255), "25.5");
  EXPECT_EQ(FormatTenths(120), "12.0");
  EXPECT_EQ(FormatTenths(-15), "-1.5");
}

TEST(TextValue, Utf8Helpers) {
  EXPECT_EQ(CodePointCount("ABC"), 3u);
  EXPECT_EQ(CodePointCount("\xC3\xBF\xC3\xBF"), 2u);
  EXPECT_TRUE(IsValidUtf8("plain"));
  EXPECT_TRUE(IsValidUtf8("\xC3\xA9t\xC3\xA9"));
  EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x93\xBB"));
  EXPECT_FALSE(IsValidUtf8("\xE9t\xE9"));     // ISO 8859-1 "été"
  EXPECT_FALSE(IsValidUtf8("\xC3"));          // cut short
  EXPECT_FALSE(IsValidUtf8("\xC0\x80"));      // overlong NUL
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // surrogate
  EXPECT_EQ(Latin1ToUtf8("\xE9t\xE9"), "\xC3\xA9t\xC3\xA9");
  EXPECT_EQ(Latin1ToUtf8("\xFF"), "\xC3\xBF");

  const std::pair<std::string, const char*> excerpts[] = {
      {"plain \xC3\xA9t\xC3\xA9", "plain \xC3\xA9t\xC3\xA9"},
      {std::string("a\0b\tc\x7F", 6), "a\\x00b\\x09c\\x7F"},
      {"\xE9t\xE9", "\\xE9t\\xE9"},  // not UTF-8
      {"\xF0\x9F", "\\xF0\\x9F"},    // cut short
      {std::string(45, 'x'), "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx..."},
  };
  for (const auto& [bytes, shown] : excerpts) EXPECT_EQ(PrintableExcerpt(bytes), shown);
}

TEST(TextValue, NumbersTooLargeForADoubleAreNotZero) {
  const std::string huge = std::string(400, '9');
  EXPECT_EQ(ValueOfText(huge), HUGE_VAL);
  EXPECT_EQ(StrictNumber(huge + ".5"), HUGE_VAL);
  EXPECT_EQ(ValueOfText("0." + std::string(400, '0') + "1"), 0.0) << "too small to matter";
  const std::pair<double, std::int32_t> conversions[] = {
      {HUGE_VAL, INT32_MAX}, {-HUGE_VAL, INT32_MIN}, {3e9, INT32_MAX}, {-3e9, INT32_MIN}, {42.9, 42}, {NAN, INT32_MIN}};
  for (const auto& [x, i] : conversions) EXPECT_EQ(ToInt32(x), i) << x;
}

}  // namespace
}  // namespace tonalis
