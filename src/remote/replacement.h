// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>

#include "config/decoder_config.h"
#include "config/user_message.h"
#include "i18n/text.h"

namespace tonalis {

// The field a refused replacement points the user to, with the part to select.
struct FieldSelection {
  enum class Field { Original, New };
  Field field;
  int start;
  int length;
};

struct ReplacementResult {
  std::optional<std::string> sequence;      // the sequence to send, on success
  std::optional<UserMessage> refusal;       // the first failing check otherwise
  std::optional<FieldSelection> selection;  // where the focus goes after the refusal
};

// The over-the-air sequence that makes the board replace the command
// `original` by `newSeq`: Original + Modifier ID + New + Checksum ID + two
// checksum digits. Letters are taken in either case and sent in upper case.
ReplacementResult CalculateReplacement(const std::string& original, const std::string& modifierId,
                                       const std::string& checksumId, const std::string& newSeq,
                                       Translate tx = Untranslated);

// Why the board would not take a replacement that CalculateReplacement
// accepted, judged against its commands: the original is none of them (the
// board ignores it), or the new sequence is already another command (the
// board refuses it). Nothing when it would take it.
ReplacementResult ReplacementAgainstCommands(const std::string& original, const std::string& newSeq,
                                             const std::array<std::string, kCommandCount>& commands,
                                             Translate tx = Untranslated);

// The warning shown when the Checksum ID digit occurs in one of the commands;
// nothing when it is empty or occurs in none.
std::optional<UserMessage> ChecksumIdConflict(const std::string& checksumId,
                                              const std::array<std::string, kCommandCount>& commands,
                                              Translate tx = Untranslated);

// `base`, and when `sequence` equals a command, `separator` + "[cmd i]" for
// the first such command: "Original Sequence [cmd 3]".
std::string CommandMatchCaption(const std::string& base, const std::string& separator, const std::string& sequence,
                                const std::array<std::string, kCommandCount>& commands);

inline constexpr const char* kOriginalCaption = "Original Sequence";
inline constexpr const char* kOriginalMatchSeparator = " ";
inline constexpr const char* kNewCaption = "New Sequence";
inline constexpr const char* kNewMatchSeparator = "  ";

}  // namespace tonalis
