// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tonalis {

// The sixteen DTMF digits in the order the user interface lists them.
inline constexpr std::string_view DigitAlphabet = "0123456789*#ABCD";

// A digit's position in this text is the 4-bit code the board stores it under:
// D is 0 and 0 is 10, not the other way round.
inline constexpr std::string_view DigitCodeTable = "D1234567890*#ABC";

// 0..15 for a DTMF digit (letters in either case), -1 for anything else.
std::int16_t DigitToCode(char c);

// The digit whose board code is `code`, or "" for codes above 15.
std::string CodeToDigit(int code);

// Exact, case-sensitive lookup used when building the board image:
// 0..15, or -1 for a character the board cannot store.
int BoardCodeOf(char c);

// True when every character of `text` is one of the sixteen upper-case digits.
bool IsDigitSequence(std::string_view text);

// Checksum ID, then the digits of the high and low nibble of `value` (0..255).
std::string ChecksumSuffix(std::string_view checksumId, int value);

}  // namespace tonalis
