// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Marks a text of the Qt-free code for translation: lupdate is told about it
// (as QT_TR_NOOP, in the context "tonalis"), and the text is translated where
// it reaches the window or the command line, by Tr().
#define TONALIS_TEXT(text) text

#include <string>

namespace tonalis {

// How the Qt-free code has a marked text translated: the window and the
// command line pass theirs; without one the text stays as written.
using Translate = std::string (*)(const char* text);
inline std::string Untranslated(const char* text) { return text; }

}  // namespace tonalis
