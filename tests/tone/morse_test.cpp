// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone/morse.h"

#include <gtest/gtest.h>

namespace tonalis {
namespace {

TEST(Morse, CodesOfEveryCallCharacterAndTheProsigns) {
  const std::pair<const char*, const char*> cases[] = {
      {"A", ".-"},    {"z", "--.."},     {"0", "-----"},   {"9", "----."},  {"/", "-..-."},  {":", "---..."},
      {";", "-.-.-."}, {"=", "-...-"},   {"?", "..--.."},  {"@", ".--.-."}, {"<AR>", ".-.-."}, {"<SK>", "...-.-"},
      {"<", ""},      {">", ""},         {"#", ""},
  };
  for (const auto& [symbol, code] : cases) EXPECT_EQ(MorseCode(symbol), code) << symbol;
  EXPECT_EQ(MorseSymbol(".-.-."), "<AR>");
  EXPECT_EQ(MorseSymbol("-...-"), "=") << "the call field's sign before its prosign twin";
  EXPECT_EQ(MorseSymbol("......."), "");
  EXPECT_EQ(MorseSymbols("AB <SK>"), (std::vector<std::string>{"A", "B", " ", "<SK>"}));
}

TEST(Morse, ElementsAndSpacesInDots) {
  // E (.) and T (-) at a 10 ms dot, 8000 Hz: 80 samples a unit.
  const auto e = RenderMorse("E", 10, 800);
  EXPECT_EQ(e.size(), 80u + 3 * 80u) << "a dot and the space after a character";
  const auto et = RenderMorse("E T", 10, 800);
  EXPECT_EQ(et.size(), (1 + 3 + 4 + 3 + 3) * 80u) << "a word space is seven units";
  // The tone's edges are soft; its middle is at full level.
  EXPECT_EQ(e[0], 0);
  EXPECT_GT(*std::max_element(e.begin(), e.begin() + 80), 11000);
  EXPECT_TRUE(std::all_of(e.begin() + 80, e.end(), [](std::int16_t v) { return v == 0; }));
  EXPECT_EQ(RenderMorse("<>#", 10, 800).size(), 0u) << "characters without a code are left out";
}

}  // namespace
}  // namespace tonalis
