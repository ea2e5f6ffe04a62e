// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "i18n/text.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>

#include "config/decoder_image.h"
#include "history/differences.h"
#include "link/protocol.h"
#include "storage/atomic_file.h"
#include "storage/config_file.h"
#include "storage/file_reading.h"
#include "support/examples.h"
#include "support/shout.h"
#include "support/test_files.h"
#include "tone/synthesis.h"

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
  // A value that is a sentence keeps one full stop where the pattern puts another after it.
  const std::pair<const char*, const char*> stops[] = {
      {"cannot be read: %1.", "cannot be read: it could block."},
      {"%1. Then more", "it could block. Then more"},
      {"see %1", "see it could block."},
      {"wait %1...", "wait it could block...."},
  };
  for (const auto& [pattern, filled] : stops) EXPECT_EQ(Fill(pattern, {"it could block."}), filled) << pattern;
  EXPECT_EQ(Fill("%1.", {"Loading..."}), "Loading....") << "an ellipsis is not a full stop";
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

// The storage's and the history's messages in the language the program set,
// every word of them; English again once it is unset.
TEST(Text, FileAndHistoryMessagesInTheLanguageSet) {
  testing::TempDir dir;
  const std::string missing = dir.file("none.prg");
  std::ofstream(dir.file("short.prg")) << "1\n0\n";
  std::ofstream(dir.file("check.prg")) << "1\n2\n";
  DecoderConfig a = testing::WorkedExample(), b = a;
  b.txtMem[2] = "99";
  b.chkMorse = 1 - a.chkMorse;
  using testing::Upper;
  const Translate shout = testing::Shout;
  const std::function<std::string()> messages[] = {
      [&] { return ReadConfigFile(missing).error; },
      [&] { return ReadConfigFile(dir.path().string()).error; },
      [&] { return ReadConfigFile(dir.file("short.prg")).error; },
      [&] { return ReadConfigFile(dir.file("check.prg")).error; },
      [&] { return SmallFileProblem(missing, 10).value_or(""); },
      [&] { return WriteFileAtomically(dir.path().string(), "x").value_or(""); },
      [&] { return RenderTone(50, 1, 0).error; },
      [&] {
        return RenderSequence("1", CalcSampleCounts(0.05, 0.05, 0.5), 1, {9, 0}).error;
      },
      [&] {
        std::string all;
        for (const auto& line : ConfigDifferences(a, b)) all += line + "\n";
        return all;
      },
  };
  for (const auto& message : messages) {
    const std::string english = message();
    ASSERT_FALSE(english.empty());
    SetMessageTranslation(shout);
    const std::string shouted = message();
    SetMessageTranslation(nullptr);
    // Every word but the values: the folder's path and the system's reason.
    std::string expected = Upper(english);
    for (const std::string& value : {missing, dir.path().string(), std::string(std::strerror(EISDIR))})
      for (std::size_t at; (at = expected.find(Upper(value))) != std::string::npos;)
        expected.replace(at, value.size(), value);
    EXPECT_EQ(shouted, expected) << english;
    EXPECT_EQ(message(), english) << "English again";
  }
}

}  // namespace
}  // namespace tonalis
