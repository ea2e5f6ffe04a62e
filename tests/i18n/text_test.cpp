// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "i18n/text.h"
#include "link/protocol.h"

namespace tonalis {
namespace {

std::string Italian(const char* text) {
  const std::string s = text;
  return s == "Data from %1 successfully read" ? "Dati letti da %1" : s == "Error programming %1" ? "%1: errore" : s;
}

TEST(Text, PlaceholdersFilledInTheTranslationsOrder) {
  const struct {
    const char* pattern;
    std::string filled;
  } cases[] = {
      {"Error no.%1 on %2", "Error no.5 on COM1"}, {"%2 su %1", "COM1 su 5"}, {"%1%1", "55"},
      {"100% sure, %3 kept", "100% sure, %3 kept"}, {"ends in %", "ends in %"}, {"%0 and %a", "%0 and %a"},
  };
  for (const auto& c : cases) EXPECT_EQ(Fill(c.pattern, {"5", "COM1"}), c.filled) << c.pattern;
  // A value that holds a placeholder is not filled again.
  EXPECT_EQ(Fill("%1 and %2", {"%2", "x"}), "%2 and x");
  // The core's messages in the language it is given.
  EXPECT_EQ(CompleteDataFrame(true, false, {}, {}, "Quorvantelix v3.0", Italian).message, "Dati letti da Quorvantelix v3.0");
  EXPECT_EQ(CompleteDataFrame(true, true, DecoderImage{1}, {}, "Q", Italian).message, "Q: errore");
}

}  // namespace
}  // namespace tonalis
