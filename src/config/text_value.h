// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tonalis {

// Numbers typed by the user stay text until an action reads them. These
// helpers read them the same way everywhere, with '.' as the decimal
// separator whatever the locale.

// The value of the longest leading part made of decimal digits with at most
// one '.'; 0 for an empty text or one that starts with neither; infinity for
// a number too large for a double, so that range checks refuse it.
double ValueOfText(std::string_view text);

// A text that is a complete number: digits with at most one '.', at least one
// digit, optionally surrounded by spaces. Anything else gives no value.
std::optional<double> StrictNumber(std::string_view text);

// Nearest integer, halves to the even neighbour (59.5 -> 60, 42.5 -> 42).
double RoundHalfEven(double x);

// `x` without its fraction, clamped to the 32-bit range (a NaN gives the
// minimum): every double that becomes an integer goes through here.
std::int32_t ToInt32(double x);

// Tenths as text with exactly one decimal: 115 -> "11.5", 5 -> "0.5".
std::string FormatTenths(long long tenths);

// Text encoding. Field texts are UTF-8 inside the tool.
std::size_t CodePointCount(std::string_view utf8);
bool IsValidUtf8(std::string_view bytes);
// Each byte taken as an ISO 8859-1 character.
std::string Latin1ToUtf8(std::string_view bytes);

// Text from a file, fit to quote in a message: control characters and bytes
// that are not UTF-8 as \xHH, cut after `maxCharacters` with "...".
std::string PrintableExcerpt(std::string_view bytes, std::size_t maxCharacters = 40);

}  // namespace tonalis
