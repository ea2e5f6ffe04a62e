// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone/morse.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tonalis {
namespace {

const std::vector<std::pair<std::string, std::string>>& Table() {
  static const std::vector<std::pair<std::string, std::string>> table = {
      {"A", ".-"},     {"B", "-..."},   {"C", "-.-."},   {"D", "-.."},    {"E", "."},       {"F", "..-."},
      {"G", "--."},    {"H", "...."},   {"I", ".."},     {"J", ".---"},   {"K", "-.-"},     {"L", ".-.."},
      {"M", "--"},     {"N", "-."},     {"O", "---"},    {"P", ".--."},   {"Q", "--.-"},    {"R", ".-."},
      {"S", "..."},    {"T", "-"},      {"U", "..-"},    {"V", "...-"},   {"W", ".--"},     {"X", "-..-"},
      {"Y", "-.--"},   {"Z", "--.."},   {"0", "-----"},  {"1", ".----"},  {"2", "..---"},   {"3", "...--"},
      {"4", "....-"},  {"5", "....."},  {"6", "-...."},  {"7", "--..."},  {"8", "---.."},   {"9", "----."},
      {"/", "-..-."},  {":", "---..."}, {";", "-.-.-."}, {"=", "-...-"},  {"?", "..--.."},  {"@", ".--.-."},
      {".", ".-.-.-"}, {",", "--..--"}, {"-", "-....-"}, {"'", ".----."}, {")", "-.--.-"},
      {"!", "-.-.--"}, {"\"", ".-..-."}, {"<SK>", "...-.-"}, {"<AS>", ".-..."}, {"<AR>", ".-.-."},
      {"<KN>", "-.--."}, {"<BT>", "-...-"}, {"<SOS>", "...---..."}, {"+", ".-.-."}, {"(", "-.--."}};
  return table;
}

std::string Upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

}  // namespace

std::string MorseCode(const std::string& symbol) {
  const std::string key = Upper(symbol);
  for (const auto& [s, code] : Table())
    if (s == key) return code;
  return {};
}

std::string MorseSymbol(const std::string& code) {
  // The first of equal codes wins: = before <BT> (the call field has =),
  // <AR> before +, <KN> before (.
  for (const auto& [s, c] : Table())
    if (c == code) return s;
  return {};
}

std::vector<std::string> MorseSymbols(const std::string& text) {
  std::vector<std::string> symbols;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto close = text.find('>', i);
    if (text[i] == '<' && close != std::string::npos && !MorseCode(text.substr(i, close - i + 1)).empty()) {
      symbols.push_back(text.substr(i, close - i + 1));
      i = close;
      continue;
    }
    symbols.push_back(std::string(1, text[i]));
  }
  return symbols;
}

std::vector<std::int16_t> RenderMorse(const std::string& text, double dotMs, double toneHz, int rate,
                                      double amplitude) {
  std::vector<std::int16_t> out;
  const double unit = dotMs / 1000.0 * rate;  // samples per dot
  const auto edge = static_cast<std::size_t>(std::max(1.0, std::min(0.002 * rate, unit / 4)));
  double phase = 0;
  auto silence = [&](double units) { out.resize(out.size() + static_cast<std::size_t>(std::lround(units * unit)), 0); };
  auto tone = [&](double units) {
    const auto n = static_cast<std::size_t>(std::lround(units * unit));
    for (std::size_t k = 0; k < n; ++k) {
      double gain = 1.0;
      if (k < edge) gain = 0.5 - 0.5 * std::cos(M_PI * k / edge);
      if (n - 1 - k < edge) gain = std::min(gain, 0.5 - 0.5 * std::cos(M_PI * (n - 1 - k) / edge));
      out.push_back(static_cast<std::int16_t>(amplitude * gain * std::sin(phase)));
      phase += 2 * M_PI * toneHz / rate;
    }
  };
  bool first = true;
  for (const std::string& symbol : MorseSymbols(text)) {
    if (symbol == " ") {
      if (!first) silence(4);  // with the 3 after the character before: 7
      continue;
    }
    const std::string code = MorseCode(symbol);
    if (code.empty()) continue;
    for (std::size_t e = 0; e < code.size(); ++e) {
      tone(code[e] == '.' ? 1 : 3);
      silence(e + 1 < code.size() ? 1 : 3);
    }
    first = false;
  }
  return out;
}

}  // namespace tonalis
