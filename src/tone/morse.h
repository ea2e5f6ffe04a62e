// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tonalis {

// Morse code: "...-.." style, '.' a dot, '-' a dash. Letters (either case),
// digits, '/', the call field's signs that have a code (: ; = ? @), the
// usual punctuation, and the prosigns written <AR> <SK> <BT> <KN> <AS>.
// Empty for a character without a code.
std::string MorseCode(const std::string& symbol);

// The symbol of a code, "" when none: the decoder's table.
std::string MorseSymbol(const std::string& code);

// The symbols of a text, one per character, a prosign <XX> as one.
std::vector<std::string> MorseSymbols(const std::string& text);

// A text as the board keys it: a dot of `dotMs`, a dash of three, a space of
// one between elements, three between characters and seven between words,
// on a tone of `toneHz` at `rate` samples a second, each element with a
// short raised-cosine edge so that it does not click. Characters without a
// code are left out.
std::vector<std::int16_t> RenderMorse(const std::string& text, double dotMs, double toneHz, int rate = 8000,
                                      double amplitude = 12000);

// The board's dot length from its Morse timing byte (milliseconds), and the
// speed it stands for (words per minute, PARIS: 1200 / dot ms).
inline double WpmFromDotMs(double dotMs) { return 1200.0 / dotMs; }

}  // namespace tonalis
