// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone/send_fields.h"

#include "config/text_value.h"

namespace tonalis {
namespace {

// Reads a duration field; writes the minimum back when it is below it or
// not a number at all.
double Corrected(std::string& text, int minimum) {
  const auto value = StrictNumber(text);
  if (!value || *value < minimum) {
    text = std::to_string(minimum);
    return minimum;
  }
  return *value;
}

}  // namespace

SendTiming CorrectSendTiming(const SendTimingTexts& fields) {
  SendTiming t;
  t.texts = fields;
  t.digitSeconds = Corrected(t.texts.digitMs, kMinDigitMs) / 1000.0;
  t.gapSeconds = Corrected(t.texts.gapMs, kMinGapMs) / 1000.0;
  t.pauseSeconds = Corrected(t.texts.pauseMs, kMinPauseMs) / 1000.0;

  const double txDelay = ValueOfText(t.texts.txDelayMs);
  if (txDelay < kMinTxDelayMs || txDelay > kMaxTxDelayMs) {
    t.texts.txDelayMs = std::to_string(kDefaultTxDelayMs);
    t.txDelayMs = kDefaultTxDelayMs;
  } else {
    t.txDelayMs = static_cast<int>(RoundHalfEven(txDelay));
  }
  return t;
}

namespace {
// Apart from the function (lupdate takes the texts inside one returning a
// std::string for std's).
const char* const kCompleted = TONALIS_TEXT("Sequence completed.");
const char* const kEffectiveTime = TONALIS_TEXT("Effective time = %1");
}  // namespace

std::string CompletionText(std::int32_t ms, Translate tx) {
  std::string time;
  if (ms <= 9999) {
    time = std::to_string(ms) + "mS.";
  } else {
    // Tenths of a second, halves rounded up, from the exact milliseconds.
    time = FormatTenths((static_cast<long long>(ms) + 50) / 100) + " Sec.";
  }
  return tx(kCompleted) + kCrLf + Fill(tx(kEffectiveTime), {time});
}

}  // namespace tonalis

namespace tonalis {

std::optional<UserMessage> SoundCardWarning(bool hasInputDevice, Translate tx) {
  if (hasInputDevice) return std::nullopt;
  return UserMessage{"DTMF",
                     tx(TONALIS_TEXT("This PC has no sound card.")) + kCrLf +
                         tx(TONALIS_TEXT("The program cannot send the DTMF tones")),
                     UserMessage::Icon::Error};
}

}  // namespace tonalis
