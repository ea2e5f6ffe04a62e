// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/decoder_image.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "config/digits.h"
#include "config/text_value.h"

namespace tonalis {
namespace {

using namespace layout;

// The texts are apart from the functions: lupdate takes those inside one
// that returns a std::string for std's.
const char* const kNotADigit = TONALIS_TEXT("%1 contains %2, which is not a DTMF digit (%3).");
const char* const kTooManyDigits = TONALIS_TEXT("%1 is too long: %2 digits, at most %3 fit in the decoder.");
const char* const kControlCharacter = TONALIS_TEXT("the control character %1");
const char* const kCommandNumber = TONALIS_TEXT("Command #%1");
const char* const kModifierName = TONALIS_TEXT("Modifier ID");

// The first UTF-8 character of `text` that `allowed` rejects, described for
// a message, or nothing when every character is allowed.
template <typename Allowed>
std::optional<std::string> FirstRejected(std::string_view text, Allowed allowed, Translate tx) {
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t len = 1;
    if (c >= 0xC0) len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    if (len > 1 || !allowed(static_cast<char>(c))) {
      if (c < 0x20 || c == 0x7F) return Fill(tx(kControlCharacter), {std::to_string(c)});
      return "\"" + std::string(text.substr(i, len)) + "\"";
    }
    i += len;
  }
  return std::nullopt;
}

constexpr const char* kDigitList = "0-9, *, #, A-D";

// A digit sequence that must fit `maxDigits` board codes.
std::optional<UserMessage> CheckDigits(std::string_view text, const std::string& name, std::size_t maxDigits,
                                       Translate tx) {
  if (auto bad = FirstRejected(text, [](char ch) { return BoardCodeOf(ch) >= 0; }, tx))
    return UserMessage{tx(kWarningTitle), Fill(tx(kNotADigit), {name, *bad, kDigitList}), UserMessage::Icon::None};
  if (text.size() > maxDigits)
    return UserMessage{tx(kWarningTitle),
                       Fill(tx(kTooManyDigits), {name, std::to_string(text.size()), std::to_string(maxDigits)}),
                       UserMessage::Icon::None};
  return std::nullopt;
}

// Digit codes from `field.offset`, then the end mark when there is room left.
void WriteDigits(DecoderImage& image, Field field, std::string_view digits) {
  std::size_t at = field.offset;
  for (char ch : digits) image[at++] = static_cast<std::uint8_t>(BoardCodeOf(ch));
  if (at < field.offset + field.width) image[at] = kDigitEnd;
}

std::string ReadDigits(const DecoderImage& image, std::size_t offset, std::size_t maxDigits) {
  std::string digits;
  for (std::size_t k = 0; k < maxDigits; ++k) {
    const std::uint8_t b = image[offset + k];
    if (b == kDigitEnd) break;
    digits += CodeToDigit(b);
  }
  return digits;
}

bool IsCallCharacter(char ch) { return ch == ' ' || (ch >= '0' && ch <= 'Z'); }

// Printable ASCII as itself; the upper half as its ISO 8859-1 character (an
// unprogrammed board's 0xFF shows as "ÿ"); other control bytes as U+FFFD.
std::string CallCharacter(std::uint8_t b) {
  if (b >= 0x20 && b < 0x7F) return std::string(1, static_cast<char>(b));
  if (b >= 0xA0) return Latin1ToUtf8(std::string(1, static_cast<char>(b)));
  return "\xEF\xBF\xBD";
}

}  // namespace

EncodeResult ValidateAndEncode(const DecoderConfig& c, Translate tx) {
  EncodeResult r;
  DecoderImage& img = r.image;
  auto refuse = [&r](UserMessage m) {
    r.refusal = std::move(m);
    return r;
  };
  auto Warning = [tx](const std::string& text) { return UserMessage{tx(kWarningTitle), text, UserMessage::Icon::None}; };

  img.fill(kFill);
  img[kPowerOnFlags.offset] = 0;

  for (int i = 0; i < 4; ++i)
    if (c.chkOutput[static_cast<std::size_t>(i)] == 1) img[kPowerOnFlags.offset] |= static_cast<std::uint8_t>(1u << i);
  if (c.chkMorse == 1) img[kPowerOnFlags.offset] |= kMorseBit;
  if (c.chkBCheck == 1) img[kPowerOnFlags.offset] |= kVoltageCheckBit;

  if (c.txtCrcTag.empty()) return refuse(Warning(tx(TONALIS_TEXT("Checksum ID empty."))));
  if (c.txtCrcTag.size() != 1 || BoardCodeOf(c.txtCrcTag[0]) < 0)
    return refuse(
        Warning(Fill(tx(TONALIS_TEXT("Checksum ID must be one DTMF digit (%1), not \"%2\".")), {kDigitList, c.txtCrcTag})));
  img[kChecksumId.offset] = static_cast<std::uint8_t>(BoardCodeOf(c.txtCrcTag[0]));

  const double wpm = ValueOfText(c.txtMorseSpeed);
  if (wpm < 14 || wpm > 150) return refuse(Warning(tx(TONALIS_TEXT("Please insert a valid Morse Speed"))));
  const auto strictWpm = StrictNumber(c.txtMorseSpeed);
  if (!strictWpm) return refuse(Warning(Fill(tx(TONALIS_TEXT("Morse Speed \"%1\" is not a number.")), {c.txtMorseSpeed})));
  img[kMorseTiming.offset] = static_cast<std::uint8_t>(MorseDotMs(*strictWpm));

  const double timer = ValueOfText(c.txtTmr2);
  if (timer < 1 || timer > 255) return refuse(Warning(tx(TONALIS_TEXT("Please insert a valid Output 2 Timer Interval"))));
  const auto strictTimer = StrictNumber(c.txtTmr2);
  if (!strictTimer)
    return refuse(Warning(Fill(tx(TONALIS_TEXT("Output 2 Timer Interval \"%1\" is not a number.")), {c.txtTmr2})));
  img[kOutput2Timer.offset] = static_cast<std::uint8_t>(RoundHalfEven(*strictTimer));

  const double low = ValueOfText(c.txtBlo);
  const double high = ValueOfText(c.txtBhi);
  if (low >= high) return refuse(Warning(tx(TONALIS_TEXT("Battery High Level must be grater than Low level"))));
  if (low < 0 || low > 25.4) return refuse(Warning(tx(TONALIS_TEXT("Please insert a valid Low Battery Voltage"))));
  img[kLowBattery.offset] = static_cast<std::uint8_t>(RoundHalfEven(low * 10));
  if (high < 0.1 || high > 25.5) return refuse(Warning(tx(TONALIS_TEXT("Please insert a valid High Battery Voltage"))));
  img[kHighBattery.offset] = static_cast<std::uint8_t>(RoundHalfEven(high * 10));

  for (std::size_t a = 0; a < kCommandCount; ++a) {
    if (c.txtMem[a].empty()) continue;
    for (std::size_t b = 0; b < kCommandCount; ++b) {
      if (b != a && c.txtMem[a] == c.txtMem[b])
        return refuse(Warning(Fill(tx(TONALIS_TEXT("Command #%1 is equal to Command #%2")),
                                   {std::to_string(a), std::to_string(b)})));
    }
  }

  for (int n = 0; n < kCommandCount; ++n) {
    const std::string& command = c.txtMem[static_cast<std::size_t>(n)];
    if (auto m = CheckDigits(command, Fill(tx(kCommandNumber), {std::to_string(n)}), kCommandDigits, tx))
      return refuse(*m);
    WriteDigits(img, Command(n), command);
  }

  if (c.txtSeqCmd.empty()) return refuse(Warning(tx(TONALIS_TEXT("Modifier ID is empty"))));
  if (auto m = CheckDigits(c.txtSeqCmd, tx(kModifierName), kModifierDigits, tx)) return refuse(*m);
  WriteDigits(img, kModifierId, c.txtSeqCmd);

  if (auto bad = FirstRejected(c.txtCallID, IsCallCharacter, tx))
    return refuse(Warning(Fill(
        tx(TONALIS_TEXT("CW Call contains %1, which the decoder cannot send (A-Z, 0-9, space and : ; < = > ? @).")),
        {*bad})));
  if (c.txtCallID.size() > kCallChars)
    return refuse(Warning(Fill(tx(TONALIS_TEXT("CW Call is too long: %1 characters, at most %2 fit in the decoder.")),
                               {std::to_string(c.txtCallID.size()), std::to_string(kCallChars)})));
  std::size_t at = kCallSign.offset;
  for (char ch : c.txtCallID) img[at++] = static_cast<std::uint8_t>(ch);
  img[at] = kCallEnd;

  return r;
}

void EncodeCommand(DecoderImage& image, int n, std::string_view digits) {
  const Field field = Command(n);
  std::fill(image.begin() + static_cast<long>(field.offset), image.begin() + static_cast<long>(field.offset + field.width),
            kFill);
  WriteDigits(image, field, digits.substr(0, kCommandDigits));
}

DecoderConfig DecodeImage(const DecoderImage& img) {
  DecoderConfig c;
  const std::uint8_t flags = img[kPowerOnFlags.offset];
  for (int i = 0; i < 4; ++i) c.chkOutput[static_cast<std::size_t>(i)] = (flags >> i) & 1;
  c.chkMorse = (flags & kMorseBit) ? 1 : 0;
  c.chkBCheck = (flags & kVoltageCheckBit) ? 1 : 0;

  c.txtCrcTag = CodeToDigit(img[kChecksumId.offset]);

  // A timing byte of 0 has no speed; the field stays empty, which
  // programming then refuses like any missing speed.
  const std::uint8_t timing = img[kMorseTiming.offset];
  if (timing != 0)
    c.txtMorseSpeed = std::to_string(static_cast<long long>(RoundHalfEven(kMorseTimingNumerator / timing)));

  c.txtTmr2 = std::to_string(img[kOutput2Timer.offset]);
  c.txtBlo = FormatTenths(img[kLowBattery.offset]);
  c.txtBhi = FormatTenths(img[kHighBattery.offset]);

  for (int n = 0; n < kCommandCount; ++n)
    c.txtMem[static_cast<std::size_t>(n)] = ReadDigits(img, Command(n).offset, kCommandDigits);
  c.txtSeqCmd = ReadDigits(img, kModifierId.offset, kModifierDigits);

  for (std::size_t k = 0; k < kCallSign.width; ++k) {
    const std::uint8_t b = img[kCallSign.offset + k];
    if (b == kCallEnd) break;
    c.txtCallID += CallCharacter(b);
  }
  return c;
}

double MorseDotMs(double wpm) { return RoundHalfEven(kMorseTimingNumerator / wpm); }

}  // namespace tonalis
