// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/config_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "config/text_value.h"
#include "i18n/text.h"
#include "storage/atomic_file.h"
#include "storage/file_reading.h"
#include "storage/item_reader.h"

namespace tonalis {
namespace {

constexpr int kGroupSizes[kConfigGroupCount] = {4, 9, 16, 1};

// Marked texts as plain pointers at namespace scope: lupdate takes a text
// inside a function that returns a std:: type for std's.
constexpr const char* kNotACheckState = TONALIS_TEXT("Line %1: the %2 is \"%3\", which is not a check state (0 or 1).");

constexpr const char* kItemNames[kConfigItemCount] = {TONALIS_TEXT("Output 1 power-on state"),
                                                      TONALIS_TEXT("Output 2 power-on state"),
                                                      TONALIS_TEXT("Output 3 power-on state"),
                                                      TONALIS_TEXT("Output 4 power-on state"),
                                                      TONALIS_TEXT("Modifier ID"),
                                                      TONALIS_TEXT("Checksum ID"),
                                                      TONALIS_TEXT("CW Enabled"),
                                                      TONALIS_TEXT("Morse speed"),
                                                      TONALIS_TEXT("CW call"),
                                                      TONALIS_TEXT("Output 2 timer"),
                                                      TONALIS_TEXT("V.Check Enabled"),
                                                      TONALIS_TEXT("low battery level"),
                                                      TONALIS_TEXT("high battery level"),
                                                      TONALIS_TEXT("command 0"),
                                                      TONALIS_TEXT("command 1"),
                                                      TONALIS_TEXT("command 2"),
                                                      TONALIS_TEXT("command 3"),
                                                      TONALIS_TEXT("command 4"),
                                                      TONALIS_TEXT("command 5"),
                                                      TONALIS_TEXT("command 6"),
                                                      TONALIS_TEXT("command 7"),
                                                      TONALIS_TEXT("command 8"),
                                                      TONALIS_TEXT("command 9"),
                                                      TONALIS_TEXT("command 10"),
                                                      TONALIS_TEXT("command 11"),
                                                      TONALIS_TEXT("command 12"),
                                                      TONALIS_TEXT("command 13"),
                                                      TONALIS_TEXT("command 14"),
                                                      TONALIS_TEXT("command 15"),
                                                      TONALIS_TEXT("programming port")};

std::string ItemName(int index) { return Message(kItemNames[index]); }

std::optional<int> CheckState(const FileItem& item) {
  if (item.text == "0") return 0;
  if (item.text == "1") return 1;
  return std::nullopt;
}

std::string NotACheckState(const FileItem& item, int index) {
  return Fill(Message(kNotACheckState), {std::to_string(item.line), ItemName(index), PrintableExcerpt(item.text)});
}

}  // namespace

ConfigFileLoad ParseConfigFile(std::istream& in) {
  ConfigFileLoad load;
  const ItemReadResult read = ReadItems(in, kConfigItemCount);
  const auto& items = read.items;
  DecoderConfig& c = load.content.config;

  int first = 0;
  for (int g = 0; g < kConfigGroupCount; ++g) {
    const int end = first + kGroupSizes[g];
    if (static_cast<int>(items.size()) < end) {
      load.error = read.error;
      return load;
    }
    auto text = [&](int index) { return items[static_cast<std::size_t>(index)].text; };
    // Converts a check-state item; on failure records the error.
    auto check = [&](int index, int& out) {
      const auto state = CheckState(items[static_cast<std::size_t>(index)]);
      if (!state) {
        load.error = NotACheckState(items[static_cast<std::size_t>(index)], index);
        return false;
      }
      out = *state;
      return true;
    };

    switch (static_cast<ConfigGroup>(g)) {
      case ConfigGroup::Outputs: {
        std::array<int, 4> outputs{};
        for (int i = 0; i < 4; ++i)
          if (!check(i, outputs[static_cast<std::size_t>(i)])) return load;
        c.chkOutput = outputs;
        break;
      }
      case ConfigGroup::Parameters: {
        int morse = 0;
        int vcheck = 0;
        if (!check(first + 2, morse) || !check(first + 6, vcheck)) return load;
        c.txtSeqCmd = text(first);
        c.txtCrcTag = text(first + 1);
        c.chkMorse = morse;
        c.txtMorseSpeed = text(first + 3);
        c.txtCallID = text(first + 4);
        c.txtTmr2 = text(first + 5);
        c.chkBCheck = vcheck;
        c.txtBlo = text(first + 7);
        c.txtBhi = text(first + 8);
        break;
      }
      case ConfigGroup::Commands:
        for (int n = 0; n < kCommandCount; ++n) c.txtMem[static_cast<std::size_t>(n)] = text(first + n);
        break;
      case ConfigGroup::Port:
        load.content.txtPrgComm = text(first);
        break;
    }
    load.groupsRead = g + 1;
    first = end;
  }
  return load;
}

ConfigFileLoad ReadConfigFile(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::status(FilePath(path), ec);
  if (ec || status.type() == fs::file_type::not_found) {
    ConfigFileLoad load;
    load.error = status.type() == fs::file_type::not_found
                     ? Message(TONALIS_TEXT("File not found."))
                     : Fill(Message(TONALIS_TEXT("Cannot open the file: %1")), {ec.message()});
    return load;
  }
  if (fs::is_directory(status)) {
    ConfigFileLoad load;
    load.error = Message(TONALIS_TEXT("This is a folder, not a configuration file."));
    return load;
  }
  // A pipe or device could block or never end. (A large file is read only
  // as far as its items go.)
  if (!fs::is_regular_file(status)) {
    ConfigFileLoad load;
    load.error = Message(TONALIS_TEXT("This is a pipe or a device, not a configuration file."));
    return load;
  }
  std::ifstream in(FilePath(path), std::ios::binary);
  if (!in) {
    ConfigFileLoad load;
    load.error = Fill(Message(TONALIS_TEXT("Cannot open the file: %1")), {std::strerror(errno)});
    return load;
  }
  return ParseConfigFile(in);
}

std::string FormatConfigFile(const ConfigFileContent& content) {
  const DecoderConfig& c = content.config;
  std::string out;
  for (int state : c.chkOutput) out += JoinItemLine({std::to_string(state)});
  out += JoinItemLine({QuoteItem(c.txtSeqCmd), QuoteItem(c.txtCrcTag), std::to_string(c.chkMorse),
                       QuoteItem(c.txtMorseSpeed), QuoteItem(c.txtCallID), QuoteItem(c.txtTmr2),
                       std::to_string(c.chkBCheck), QuoteItem(c.txtBlo), QuoteItem(c.txtBhi)});
  for (const std::string& command : c.txtMem) out += JoinItemLine({QuoteItem(command)});
  out += JoinItemLine({QuoteItem(content.txtPrgComm)});
  return out;
}

std::optional<std::string> WriteConfigFile(const std::string& path, const ConfigFileContent& content) {
  const DecoderConfig& c = content.config;
  std::vector<std::pair<int, const std::string*>> texts = {
      {4, &c.txtSeqCmd}, {5, &c.txtCrcTag}, {7, &c.txtMorseSpeed}, {8, &c.txtCallID},
      {9, &c.txtTmr2},   {11, &c.txtBlo},   {12, &c.txtBhi},       {29, &content.txtPrgComm}};
  for (int n = 0; n < kCommandCount; ++n) texts.emplace_back(13 + n, &c.txtMem[static_cast<std::size_t>(n)]);
  for (const auto& [index, text] : texts) {
    if (!IsStorableText(*text))
      return Fill(Message(TONALIS_TEXT("The %1 holds a double quote or a line break, which a configuration file "
                                       "cannot keep.")),
                  {ItemName(index)});
  }
  return WriteFileAtomically(path, FormatConfigFile(content));
}

}  // namespace tonalis
