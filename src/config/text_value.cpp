// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/text_value.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace tonalis {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the leading "digits with at most one '.'" part of `text`.
std::size_t LeadingNumberLength(std::string_view text) {
  std::size_t n = 0;
  bool seenPoint = false;
  while (n < text.size()) {
    const char c = text[n];
    if (IsDigit(c)) {
      ++n;
    } else if (c == '.' && !seenPoint) {
      seenPoint = true;
      ++n;
    } else {
      break;
    }
  }
  return n;
}

double ParseNumber(std::string_view number) {
  // from_chars rejects a trailing or leading '.', so complete it first.
  std::string s(number);
  if (s.empty() || s == ".") return 0.0;
  if (s.front() == '.') s.insert(s.begin(), '0');
  if (s.back() == '.') s.pop_back();
  double value = 0.0;
  const auto result = std::from_chars(s.data(), s.data() + s.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Hundreds of digits: too large for a double, or too small to matter.
    // Reading them as 0 would let them pass every range check.
    const std::string_view whole = std::string_view(s).substr(0, s.find('.'));
    return whole.find_first_not_of('0') == std::string_view::npos ? 0.0 : HUGE_VAL;
  }
  return value;
}

}  // namespace

double ValueOfText(std::string_view text) { return ParseNumber(text.substr(0, LeadingNumberLength(text))); }

std::optional<double> StrictNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  const std::size_t n = LeadingNumberLength(text);
  if (n == 0 || n != text.size() || text == ".") return std::nullopt;
  return ParseNumber(text);
}

double RoundHalfEven(double x) {
  const double lower = std::floor(x);
  const double diff = x - lower;
  if (diff < 0.5) return lower;
  if (diff > 0.5) return lower + 1.0;
  return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

std::int32_t ToInt32(double x) {
  // Outside the range the conversion is undefined: clamp first.
  if (!(x > static_cast<double>(INT32_MIN))) return INT32_MIN;
  if (!(x < static_cast<double>(INT32_MAX))) return INT32_MAX;
  return static_cast<std::int32_t>(x);
}

std::string FormatTenths(long long tenths) {
  const bool negative = tenths < 0;
  const unsigned long long magnitude =
      negative ? 0ULL - static_cast<unsigned long long>(tenths) : static_cast<unsigned long long>(tenths);
  return (negative ? "-" : "") + std::to_string(magnitude / 10) + "." + std::to_string(magnitude % 10);
}

std::size_t CodePointCount(std::string_view utf8) {
  std::size_t count = 0;
  for (unsigned char c : utf8)
    if ((c & 0xC0) != 0x80) ++count;
  return count;
}

bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    std::size_t extra = 0;
    unsigned int min = 0;
    unsigned int cp = 0;
    if (c < 0x80) {
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      extra = 1, min = 0x80, cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      extra = 2, min = 0x800, cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      extra = 3, min = 0x10000, cp = c & 0x07;
    } else {
      return false;
    }
    if (i + extra >= bytes.size()) return false;
    for (std::size_t k = 1; k <= extra; ++k) {
      const auto cc = static_cast<unsigned char>(bytes[i + k]);
      if ((cc & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (cc & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += extra + 1;
  }
  return true;
}

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (unsigned char c : bytes) {
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

std::string PrintableExcerpt(std::string_view bytes, std::size_t maxCharacters) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  std::size_t characters = 0;
  for (std::size_t i = 0; i < bytes.size(); ++characters) {
    if (characters == maxCharacters) return out + "...";
    const auto c = static_cast<unsigned char>(bytes[i]);
    std::size_t length = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
    if (length > 1 && (i + length > bytes.size() || !IsValidUtf8(bytes.substr(i, length)))) length = 0;
    if (length == 0 || c < 0x20 || c == 0x7F) {
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
      ++i;
      continue;
    }
    out.append(bytes.substr(i, length));
    i += length;
  }
  return out;
}

}  // namespace tonalis
