// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/digits.h"

namespace tonalis {

std::int16_t DigitToCode(char c) {
  if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  if (c == '0') return 10;
  if (c >= '1' && c <= '9') return static_cast<std::int16_t>(c - '0');
  switch (c) {
    case '*':
      return 11;
    case '#':
      return 12;
    case 'A':
      return 13;
    case 'B':
      return 14;
    case 'C':
      return 15;
    case 'D':
      return 0;
    default:
      return -1;
  }
}

std::string CodeToDigit(int code) {
  if (code < 0 || code > 15) return {};
  return std::string(1, DigitCodeTable[static_cast<std::size_t>(code)]);
}

int BoardCodeOf(char c) {
  const auto pos = DigitCodeTable.find(c);
  return pos == std::string_view::npos ? -1 : static_cast<int>(pos);
}

bool IsDigitSequence(std::string_view text) {
  for (char c : text)
    if (BoardCodeOf(c) < 0) return false;
  return true;
}

std::string ChecksumSuffix(std::string_view checksumId, int value) {
  const int hi = value / 16;
  const int lo = value - 16 * hi;
  return std::string(checksumId) + CodeToDigit(hi) + CodeToDigit(lo);
}

}  // namespace tonalis
