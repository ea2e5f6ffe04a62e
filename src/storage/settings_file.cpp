// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/settings_file.h"

#include <algorithm>
#include <fstream>

#include "config/text_value.h"
#include "storage/atomic_file.h"
#include "storage/item_reader.h"

namespace tonalis {
namespace {

constexpr std::size_t kItemCount = 11;

// A number item read into a 16-bit integer: an optional minus, then a
// complete number, rounded half to even.
std::optional<int> SixteenBit(const std::string& text) {
  const bool negative = !text.empty() && text[0] == '-';
  const auto value = StrictNumber(negative ? text.substr(1) : text);
  if (!value) return std::nullopt;
  const double rounded = RoundHalfEven(negative ? -*value : *value);
  if (rounded < -32768 || rounded > 32767) return std::nullopt;
  return static_cast<int>(rounded);
}

// The file holds 16-bit positions: a window beyond 32767 twips (2184 px, an
// ordinary second monitor) is stored at the edge, which the next start moves
// back onto a screen, rather than as a number that would void the record.
int SixteenBitPosition(int twips) { return std::clamp(twips, -32768, 32767); }

}  // namespace

AppSettings DefaultSettings(const std::string& folder) {
  AppSettings s;
  s.currentConfigPath = folder + "/" + kDefaultConfigName;
  return s;
}

SettingsLoad ParseSettings(std::istream& in, const std::string& folder) {
  SettingsLoad load;
  const ItemReadResult read = ReadItems(in, kItemCount);
  auto unreadable = [&](std::string error) {
    load.settings = DefaultSettings(folder);
    load.unreadable = true;
    load.error = std::move(error);
    return load;
  };
  if (!read.error.empty()) return unreadable(read.error);
  const auto& items = read.items;

  std::optional<int> numbers[3];
  for (std::size_t i = 0; i < 3; ++i) {
    numbers[i] = SixteenBit(items[i + 1].text);
    if (!numbers[i]) return unreadable("item " + std::to_string(i + 2) + " is not a number from -32768 to 32767");
  }
  AppSettings& s = load.settings;
  s.currentConfigPath = items[0].text;
  s.windowLeft = *numbers[0];
  s.windowTop = *numbers[1];
  s.mainTab = *numbers[2];
  if (s.mainTab != 0 && s.mainTab != 1) {
    s.mainTab = 0;
    load.badTab = true;
    load.error = "item 4 is not a tab number (0 or 1)";
  }
  s.text1 = items[4].text;
  s.text2 = items[5].text;
  s.text3 = items[6].text;
  s.text4 = items[7].text;
  s.txtPttCom = items[8].text;
  s.txtPrgComm = items[9].text;
  s.txtTxd = items[10].text;
  return load;
}

SettingsLoad ReadSettingsFile(const std::string& path, const std::string& folder) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    SettingsLoad load;
    load.settings = DefaultSettings(folder);
    load.unreadable = true;
    load.error = "no settings file";
    return load;
  }
  return ParseSettings(in, folder);
}

std::string FormatSettings(const AppSettings& s) {
  return JoinItemLine({QuoteItem(s.currentConfigPath), std::to_string(SixteenBitPosition(s.windowLeft)),
                       std::to_string(SixteenBitPosition(s.windowTop)),
                       std::to_string(s.mainTab), QuoteItem(s.text1), QuoteItem(s.text2), QuoteItem(s.text3),
                       QuoteItem(s.text4), QuoteItem(s.txtPttCom), QuoteItem(s.txtPrgComm), QuoteItem(s.txtTxd)});
}

std::optional<std::string> WriteSettingsFile(const std::string& path, const AppSettings& settings) {
  // An item the format cannot hold (a double quote, a line break) is stored
  // empty, so that it does not cost the user every other item.
  AppSettings s = settings;
  for (std::string* text :
       {&s.currentConfigPath, &s.text1, &s.text2, &s.text3, &s.text4, &s.txtPttCom, &s.txtPrgComm, &s.txtTxd}) {
    if (!IsStorableText(*text)) text->clear();
  }
  return WriteFileAtomically(path, FormatSettings(s));
}

}  // namespace tonalis
