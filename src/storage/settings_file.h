// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <optional>
#include <string>

namespace tonalis {

// What the tool remembers between runs (Tonalis3.ini): one line of eleven
// items.
struct AppSettings {
  std::string currentConfigPath;
  int windowLeft = 0;  // twips
  int windowTop = 0;
  int mainTab = 0;  // 0 Direct Programming, 1 Remote Modify / Send
  std::string text1 = "0123456789*#ABCD";
  std::string text2 = "60";
  std::string text3 = "40";
  std::string text4 = "300";
  std::string txtPttCom = "1";
  std::string txtPrgComm = "1";
  std::string txtTxd = "200";
};

inline constexpr const char* kSettingsFileName = "Tonalis3.ini";
inline constexpr const char* kDefaultConfigName = "Default.prg";

// The record written when there is none: Default.prg in `folder`.
AppSettings DefaultSettings(const std::string& folder);

struct SettingsLoad {
  AppSettings settings;
  // The file could not be read as a record (missing, short, a position out
  // of range): `settings` holds the default record and the file is to be
  // rewritten with it.
  bool unreadable = false;
  // The tab number was neither 0 nor 1: the tab stays at 0, the rest
  // applies, and the file is to be rewritten with the default record.
  bool badTab = false;
  std::string error;
};

SettingsLoad ParseSettings(std::istream& in, const std::string& folder);
SettingsLoad ReadSettingsFile(const std::string& path, const std::string& folder);

std::string FormatSettings(const AppSettings& settings);
std::optional<std::string> WriteSettingsFile(const std::string& path, const AppSettings& settings);

}  // namespace tonalis
