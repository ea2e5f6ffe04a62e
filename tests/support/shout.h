// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cctype>
#include <string>

namespace tonalis::testing {

// A translation that shouts: a message made from it is its English in capitals
// wherever a word went through the translation, and a word that did not stands out.
inline std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}
inline std::string Shout(const char* text) { return Upper(text); }

}  // namespace tonalis::testing
