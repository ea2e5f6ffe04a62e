// SPDX-License-Identifier: GPL-3.0-or-later
#include "remote/replacement.h"

#include "config/decoder_image.h"
#include "config/digits.h"

#include <tuple>

namespace tonalis {
namespace {

std::string Upper(std::string s) {
  for (char& ch : s)
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  return s;
}

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

ReplacementResult Refuse(UserMessage m, std::optional<FieldSelection> selection = std::nullopt) {
  ReplacementResult r;
  r.refusal = std::move(m);
  r.selection = selection;
  return r;
}

}  // namespace

ReplacementResult CalculateReplacement(const std::string& originalText, const std::string& modifierText,
                                       const std::string& checksumText, const std::string& newText, Translate tx) {
  using Icon = UserMessage::Icon;
  // Over the air there is no letter case: compare and send what the board hears.
  const std::string original = Upper(originalText);
  const std::string modifier = Upper(modifierText);
  const std::string checksumId = Upper(checksumText);
  const std::string fresh = Upper(newText);

  if (checksumId.empty() || modifier.empty())
    return Refuse({"DTMF",
                   tx(TONALIS_TEXT("Modifier ID or Checksum ID cannot be empty.")) + kCrLf +
                       tx(TONALIS_TEXT("Please insert Modifier ID / Checksum ID in Direct Programming Tab.")),
                   Icon::Exclamation});

  const int n = static_cast<int>(modifier.size());
  if (EndsWith(original, modifier))
    return Refuse(
        {tx(TONALIS_TEXT("Warning")),
         tx(TONALIS_TEXT("Original Sequence ends with Modifier ID Sequence.")) + kCrLf +
             tx(TONALIS_TEXT("Please modify Original Sequence.")),
         Icon::Information},
        FieldSelection{FieldSelection::Field::Original, static_cast<int>(original.size()) - n, n});
  if (EndsWith(fresh, modifier))
    return Refuse(
        {tx(TONALIS_TEXT("Warning")),
         tx(TONALIS_TEXT("New Sequence ends with Modifier ID Sequence.")) + kCrLf +
             tx(TONALIS_TEXT("Please modify New Sequence.")),
         Icon::Information},
        FieldSelection{FieldSelection::Field::New, static_cast<int>(fresh.size()) - n, n});

  if (fresh.size() < 2 || original.empty())
    return Refuse({"DTMF", tx(TONALIS_TEXT("Original/New Sequence too short.")), Icon::Exclamation});

  // The board could never match a sequence with anything but its sixteen digits.
  const std::pair<const char*, const std::string*> pieces[] = {
      {TONALIS_TEXT("Original Sequence"), &original}, {TONALIS_TEXT("Modifier ID"), &modifier},
      {TONALIS_TEXT("New Sequence"), &fresh}};
  for (const auto& [name, text] : pieces) {
    if (!IsDigitSequence(*text))
      return Refuse({"DTMF",
                     Fill(tx(TONALIS_TEXT("%1 \"%2\" holds characters that are not DTMF digits.")), {tx(name), *text}) +
                         kCrLf + tx(TONALIS_TEXT("Only 0-9, *, #, A, B, C and D can be sent.")),
                     Icon::Exclamation});
  }
  // Longer texts do not fit the board's fields, and a New sequence of more
  // digits could overflow the two checksum digits.
  const std::tuple<const char*, const std::string*, std::size_t> limits[] = {
      {TONALIS_TEXT("Original Sequence"), &original, layout::kCommandDigits},
      {TONALIS_TEXT("Modifier ID"), &modifier, layout::kModifierDigits},
      {TONALIS_TEXT("New Sequence"), &fresh, layout::kCommandDigits}};
  for (const auto& [name, text, limit] : limits) {
    if (text->size() > limit)
      return Refuse({"DTMF",
                     Fill(tx(TONALIS_TEXT("%1 is too long: %2 digits, at most %3 fit in the decoder.")),
                          {tx(name), std::to_string(text->size()), std::to_string(limit)}),
                     Icon::Exclamation});
  }
  if (checksumId.size() != 1 || !IsDigitSequence(checksumId))
    return Refuse({"DTMF",
                   Fill(tx(TONALIS_TEXT("Checksum ID \"%1\" must be one DTMF digit.")), {checksumId}) + kCrLf +
                       tx(TONALIS_TEXT("Please correct it in Direct Programming Tab.")),
                   Icon::Exclamation});

  // The board takes the Checksum ID as the end of the new command.
  if (fresh.find(checksumId) != std::string::npos)
    return Refuse({"DTMF",
                   Fill(tx(TONALIS_TEXT("New Sequence \"%1\" contains the Checksum ID %2.")), {fresh, checksumId}) +
                       kCrLf + tx(TONALIS_TEXT("The decoder would take it as the end of the new command.")),
                   Icon::Exclamation});

  int sum = 0;
  for (char ch : fresh) sum += DigitToCode(ch);

  ReplacementResult r;
  r.sequence = original + modifier + fresh + ChecksumSuffix(checksumId, sum);
  return r;
}

std::optional<UserMessage> ChecksumIdConflict(const std::string& checksumId,
                                              const std::array<std::string, kCommandCount>& commands, Translate tx) {
  if (checksumId.empty()) return std::nullopt;
  for (const std::string& command : commands) {
    if (command.find(checksumId) != std::string::npos)
      return UserMessage{
          tx(TONALIS_TEXT("Warning")),
          Fill(tx(TONALIS_TEXT("Digit %1 already used in command sequences.")), {checksumId}) + kCrLf +
              tx(TONALIS_TEXT("Please choose another digit.")),
          UserMessage::Icon::None};
  }
  return std::nullopt;
}

std::string CommandMatchCaption(const std::string& base, const std::string& separator, const std::string& sequence,
                                const std::array<std::string, kCommandCount>& commands) {
  if (sequence.empty()) return base;
  for (int i = 0; i < kCommandCount; ++i)
    if (commands[static_cast<std::size_t>(i)] == sequence) return base + separator + "[cmd " + std::to_string(i) + "]";
  return base;
}

ReplacementResult ReplacementAgainstCommands(const std::string& original, const std::string& newSeq,
                                             const std::array<std::string, kCommandCount>& commands, Translate tx) {
  const std::string from = Upper(original), to = Upper(newSeq);
  std::optional<int> replaced;
  for (int n = 0; n < kCommandCount; ++n)
    if (!from.empty() && Upper(commands[static_cast<std::size_t>(n)]) == from) replaced = n;
  if (!replaced)
    return Refuse({tx(TONALIS_TEXT("Warning")),
                   Fill(tx(TONALIS_TEXT("The Original Sequence %1 is none of the commands: the board would ignore "
                                        "the replacement.")),
                        {original}),
                   UserMessage::Icon::Exclamation},
                  FieldSelection{FieldSelection::Field::Original, 0, static_cast<int>(original.size())});
  for (int n = 0; n < kCommandCount; ++n)
    if (n != *replaced && !to.empty() && Upper(commands[static_cast<std::size_t>(n)]) == to)
      return Refuse({tx(TONALIS_TEXT("Warning")),
                     Fill(tx(TONALIS_TEXT("The New Sequence %1 is already command %2: the board would refuse the "
                                          "replacement, as two commands cannot be the same.")),
                          {newSeq, std::to_string(n)}),
                     UserMessage::Icon::Exclamation},
                    FieldSelection{FieldSelection::Field::New, 0, static_cast<int>(newSeq.size())});
  return {};
}

}  // namespace tonalis
