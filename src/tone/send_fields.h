// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "config/user_message.h"
#include "i18n/text.h"

namespace tonalis {

// The timing fields of the Send Sequence frame, as texts.
struct SendTimingTexts {
  std::string digitMs = "50";     // Text2
  std::string gapMs = "50";       // Text3
  std::string pauseMs = "1000";   // Text4
  std::string txDelayMs = "200";  // txtTxd
};

// The fields after the corrections a send makes, and the values it uses.
struct SendTiming {
  SendTimingTexts texts;  // what the fields show afterwards
  double digitSeconds = 0;
  double gapSeconds = 0;
  double pauseSeconds = 0;
  int txDelayMs = 0;
};

inline constexpr int kMinDigitMs = 25;
inline constexpr int kMinGapMs = 15;
inline constexpr int kMinPauseMs = 25;
inline constexpr int kMinTxDelayMs = 20;
inline constexpr int kMaxTxDelayMs = 2000;
// The TX delay that replaces one out of range.
inline constexpr int kDefaultTxDelayMs = 20;

// A duration below its minimum becomes the minimum, and so does one that is
// not a number (an emptied field); a TX delay outside 20..2000 ms becomes 20.
SendTiming CorrectSendTiming(const SendTimingTexts& fields);

// "Sequence completed." CR LF "Effective time = 9999mS." or "= 12.3 Sec.".
std::string CompletionText(std::int32_t effectiveTimeMs, Translate tx = Untranslated);

inline constexpr const char* kSendingText = TONALIS_TEXT("Sending Sequence.....");

// The warning at start when the machine has no sound input device, the
// tool's test for a sound card; nothing when it has one.
std::optional<UserMessage> SoundCardWarning(bool hasInputDevice, Translate tx = Untranslated);

}  // namespace tonalis
