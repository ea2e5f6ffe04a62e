// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Marks a text of the Qt-free code for translation: lupdate is told about it
// (as QT_TR_NOOP, in the context "tonalis"), and the text is translated where
// it reaches the window or the command line, by Tr().
#define TONALIS_TEXT(text) text

#include <cstdio>
#include <string>
#include <vector>

namespace tonalis {

// How the Qt-free code has a marked text translated: the window and the
// command line pass theirs; without one the text stays as written.
using Translate = std::string (*)(const char* text);
inline std::string Untranslated(const char* text) { return text; }

// The core's messages for people (file, storage and history errors) in the
// program's language: the window and the command line set the translation
// once at start; unset (tests, the PTT guard) the messages stay as written.
void SetMessageTranslation(Translate tx);
std::string Message(const char* text);

// A number as printf's `format` gives it ("%+.1f"), for a message's value.
inline std::string Printed(const char* format, double value) {
  char text[48];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// `pattern` with %1, %2... replaced by `args` in order of number, as Qt's
// QString::arg does (a translation may put them in another order). A value
// that is a sentence of its own ends with its full stop: where the pattern
// puts one right after it, one is enough.
inline std::string Fill(const std::string& pattern, const std::vector<std::string>& args) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const std::size_t n = static_cast<std::size_t>(next - '1');
    if (pattern[i] == '%' && next >= '1' && next <= '9' && n < args.size()) {
      const std::string& value = args[n];
      const bool stopAfter = i + 2 < pattern.size() && pattern[i + 2] == '.' &&
                             (i + 3 == pattern.size() || pattern[i + 3] != '.');
      const bool endsWithStop = !value.empty() && value.back() == '.' &&
                                (value.size() < 2 || value[value.size() - 2] != '.');
      out += stopAfter && endsWithStop ? value.substr(0, value.size() - 1) : value;
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace tonalis
