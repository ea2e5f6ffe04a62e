// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/item_reader.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tonalis {
namespace {

std::vector<std::string> Texts(const ItemReadResult& r) {
  std::vector<std::string> out;
  for (const auto& item : r.items) out.push_back(item.text);
  return out;
}

TEST(ItemReader, ItemRules) {
  struct Case {
    const char* name;
    std::string input;
    std::size_t count;
    std::vector<std::string> items;
  };
  const Case cases[] = {
      {"quoted keeps commas", "\"a,b\",c\r\n", 2, {"a,b", "c"}},
      {"unquoted trims spaces", "  x ,  y  \r\n", 2, {"x", "y"}},
      {"quoted keeps spaces", "\" x \"\r\n", 1, {" x "}},
      {"line ends of every kind", "1\r\n2\n3\r4", 4, {"1", "2", "3", "4"}},
      {"empty quoted", "\"\",\"\"\r\n", 2, {"", ""}},
      {"empty line is an empty item", "1\r\n\r\n2\r\n", 3, {"1", "", "2"}},
      {"comma at the end of the file", "1,", 2, {"1", ""}},
      {"text after the closing quote", "\"ab\"cd,e\r\n", 2, {"ab", "e"}},
      {"items spread over lines", "1,2\r\n3\r\n4,5,6", 6, {"1", "2", "3", "4", "5", "6"}},
      {"stops at the count", "1,2,3,4", 2, {"1", "2"}},
      {"ISO 8859-1 becomes UTF-8", "\"\xE9t\xE9\"", 1, {"\xC3\xA9t\xC3\xA9"}},
      {"UTF-8 stays", "\"\xC3\xA9t\xC3\xA9\"", 1, {"\xC3\xA9t\xC3\xA9"}},
      {"NUL bytes are text", std::string("\"a\0b\"", 5), 1, {std::string("a\0b", 3)}},
  };
  for (const auto& c : cases) {
    std::istringstream in(c.input);
    const ItemReadResult r = ReadItems(in, c.count);
    EXPECT_EQ(r.error, "") << c.name;
    EXPECT_EQ(Texts(r), c.items) << c.name;
  }
}

TEST(ItemReader, ReportsWhereItStopped) {
  struct Case {
    std::string input;
    std::size_t count;
    std::size_t itemsRead;
    const char* error;
  };
  const Case cases[] = {
      {"", 1, 0, "The file ends early: item 1 of 1 is missing."},
      {"1\r\n2\r\n", 3, 2, "The file ends early: item 3 of 3 is missing."},
      {"1,\"abc\r\n", 2, 1, "Line 1: the closing quote of item 2 is missing."},
      {"1\r\n2\r\n\"x", 3, 2, "Line 3: the closing quote of item 3 is missing."},
      {std::string(kMaxItemLength + 1, 'x'), 1, 0, "item 1 on line 1 is too long."},
      {"\"" + std::string(kMaxItemLength + 1, 'x') + "\"", 1, 0, "item 1 on line 1 is too long."},
      {std::string(kMaxItemLength + 1, ' ') + "1", 1, 0, "item 1 on line 1 is too long."},
  };
  for (const auto& c : cases) {
    std::istringstream in(c.input);
    const ItemReadResult r = ReadItems(in, c.count);
    EXPECT_EQ(r.items.size(), c.itemsRead) << c.error;
    EXPECT_EQ(r.error, c.error);
  }
}

TEST(ItemReader, RecordsQuotingAndLines) {
  std::istringstream in("1,\"2\"\r\n\r\n 3");
  const ItemReadResult r = ReadItems(in, 4);
  ASSERT_EQ(r.items.size(), 4u);
  EXPECT_FALSE(r.items[0].quoted);
  EXPECT_TRUE(r.items[1].quoted);
  EXPECT_EQ(r.items[1].line, 1);
  EXPECT_EQ(r.items[2].line, 2);
  EXPECT_EQ(r.items[3].line, 3);
}

TEST(ItemReader, WritingRoundTrips) {
  const std::vector<std::string> texts = {"", "a,b", " spaced ", "\xC3\xA9", "0123456789*#ABCD"};
  std::vector<std::string> items;
  for (const auto& t : texts) items.push_back(QuoteItem(t));
  const std::string line = JoinItemLine(items);
  EXPECT_EQ(line.substr(line.size() - 2), "\r\n");
  std::istringstream in(line);
  EXPECT_EQ(Texts(ReadItems(in, texts.size())), texts);
  EXPECT_TRUE(IsStorableText("a,b"));
  EXPECT_FALSE(IsStorableText("a\"b"));
  EXPECT_FALSE(IsStorableText("a\nb"));
  EXPECT_FALSE(IsStorableText("a\rb"));
}

}  // namespace
}  // namespace tonalis
