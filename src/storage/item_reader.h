// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

namespace tonalis {

// One item of an item file (configuration or settings file).
struct FileItem {
  std::string text;
  bool quoted = false;
  int line = 0;  // 1-based line the item started on
};

struct ItemReadResult {
  std::vector<FileItem> items;  // the items read before any failure, at most `count`
  std::string error;            // empty when `count` items were read
};

// The longest item accepted; no field of the tool comes near it, and it keeps
// a damaged or foreign file from being read into memory whole.
inline constexpr std::size_t kMaxItemLength = 64 * 1024;

// Reads up to `count` items: an item ends at a comma or at a line end (CR LF,
// LF or CR); a double-quoted item is taken verbatim between its quotes, commas
// included; an unquoted item is read up to the next comma or line end with
// leading and trailing spaces removed. Nothing after the last wanted item is
// read.
ItemReadResult ReadItems(std::istream& in, std::size_t count);

// Writing: one line of items separated by commas, ended by CR LF.
// A text item cannot hold a double quote or a line break: the reader would
// end the item there.
bool IsStorableText(const std::string& text);
std::string QuoteItem(const std::string& text);
std::string JoinItemLine(const std::vector<std::string>& items);

}  // namespace tonalis
