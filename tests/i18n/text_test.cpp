// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "i18n/text.h"
#include "config/decoder_image.h"
#include "link/protocol.h"
#include "support/examples.h"

namespace tonalis {
namespace {

std::string Italian(const char* text) {
  const std::string s = text;
  if (s == "Data from %1 successfully read") return "Dati letti da %1";
  if (s == "Error programming %1") return "%1: errore";
  if (s == "Command #%1") return "Comando n.%1";
  if (s == "%1 contains %2, which is not a DTMF digit (%3).") return "%1 contiene %2 (%3)";
  return s == "Warning" ? "Attenzione" : s;
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
  DecoderConfig config = testing::WorkedExample();
  config.txtMem[3] = "12X";
  const auto refused = ValidateAndEncode(config, Italian).refusal;
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->title, "Attenzione");
  EXPECT_EQ(refused->text, "Comando n.3 contiene \"X\" (0-9, *, #, A-D)");
}

}  // namespace
}  // namespace tonalis
