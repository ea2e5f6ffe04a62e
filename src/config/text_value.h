#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tonalis {

// Numbers typed by the user stay text until an action reads them. These
// helpers read them the same way everywhere, with '.' as the decimal
// separator whatever the locale.

// The value of the longest leading part made of decimal digits with at most
// one '.'; 0 for an empty text or one that starts with neither.
double ValueOfText(std::string_view text);

// A text that is a complete number: digits with at most one '.', at least one
// digit, optionally surrounded by spaces. Anything else gives no value.
std::optional<double> StrictNumber(std::string_view text);

// Nearest integer, halves to the even neighbour (59.5 -> 60, 42.5 -> 42).
double RoundHalfEven(double x);

// Tenths as text with exactly one decimal: 115 -> "11.5", 5 -> "0.5".
std::string FormatTenths(long long tenths);

// Text encoding. Field texts are UTF-8 inside the tool.
std::size_t CodePointCount(std::string_view utf8);
bool IsValidUtf8(std::string_view bytes);
// Each byte taken as an ISO 8859-1 character.
std::string Latin1ToUtf8(std::string_view bytes);

}  // namespace tonalis
