// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/command_names.h"

#include "i18n/text.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace tonalis {
namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

std::string Trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// A plain array: lupdate takes the texts in a std::array for std's.
const char* const kNames[kCommandCount] = {
    TONALIS_TEXT("Output 1 ON"),
    TONALIS_TEXT("Output 1 OFF"),
    TONALIS_TEXT("Output 2 ON"),
    TONALIS_TEXT("Output 2 OFF"),
    TONALIS_TEXT("Output 3 ON"),
    TONALIS_TEXT("Output 3 OFF"),
    TONALIS_TEXT("Output 4 ON"),
    TONALIS_TEXT("Output 4 OFF"),
    TONALIS_TEXT("Send Status"),
    TONALIS_TEXT("CW Reply Enable/Disable"),
    TONALIS_TEXT("Timer [Output 2] off-ON-off"),
    TONALIS_TEXT("Timer [Output 2] on-OFF-on"),
    TONALIS_TEXT("Voltage Check Enable"),
    TONALIS_TEXT("Voltage Check Disable"),
    TONALIS_TEXT("ALL Outputs ON"),
    TONALIS_TEXT("ALL Outputs OFF"),
};

}  // namespace

std::string CommandName(int index, Translate tx) {
  return index >= 0 && index < kCommandCount ? tx(kNames[static_cast<std::size_t>(index)]) : "";
}

std::string CommandLabel(int index, Translate tx) { return std::to_string(index) + ": " + CommandName(index, tx); }

std::optional<int> FindCommand(const std::string& text, std::string* error) {
  const std::string wanted = Lower(Trimmed(text));
  auto fail = [&](const std::string& why) -> std::optional<int> {
    if (error) *error = why;
    return std::nullopt;
  };
  if (wanted.empty()) return fail("Name a command: its number (0-15) or its name, such as \"Output 1 ON\".");
  if (std::all_of(wanted.begin(), wanted.end(), [](unsigned char c) { return std::isdigit(c); })) {
    if (wanted.size() <= 2 && std::stoi(wanted) < kCommandCount) return std::stoi(wanted);
    return fail("There is no command " + Trimmed(text) + ": they are numbered 0 to 15.");
  }
  // The name whole, or its label ("0: Output 1 ON"); then a part of one name only.
  std::vector<int> parts;
  for (int n = 0; n < kCommandCount; ++n) {
    const std::string name = Lower(CommandName(n));
    if (wanted == name || wanted == Lower(CommandLabel(n))) return n;
    if (name.find(wanted) != std::string::npos) parts.push_back(n);
  }
  if (parts.size() == 1) return parts.front();
  if (parts.empty()) return fail("No command is called \"" + Trimmed(text) + "\".");
  std::string which;
  for (int n : parts) which += (which.empty() ? "" : ", ") + CommandLabel(n);
  return fail("\"" + Trimmed(text) + "\" could be " + which + ": say which.");
}

}  // namespace tonalis
