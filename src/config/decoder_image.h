// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "config/decoder_config.h"
#include "config/user_message.h"
#include "i18n/text.h"

namespace tonalis {

inline constexpr std::size_t kImageSize = 192;

// The 192 bytes of a configuration as the board stores and exchanges it.
using DecoderImage = std::array<std::uint8_t, kImageSize>;

// Where every field lives in the image. Encoder and decoder both go through
// this table; nothing else knows an offset.
namespace layout {

struct Field {
  std::size_t offset;
  std::size_t width;
};

inline constexpr Field kPowerOnFlags{0, 1};
inline constexpr Field kChecksumId{1, 1};
inline constexpr Field kMorseTiming{2, 1};   // round(1190 / WPM)
inline constexpr Field kOutput2Timer{3, 1};  // seconds
inline constexpr Field kLowBattery{4, 1};    // tenths of a volt
inline constexpr Field kHighBattery{5, 1};
inline constexpr Field kReservedLow{6, 2};
inline constexpr Field kReservedHigh{168, 8};
inline constexpr Field kModifierId{176, 9};  // up to 8 digits and the end mark
inline constexpr Field kCallSign{185, 7};    // up to 6 characters and 0x00
constexpr Field Command(int n) { return {8 + 10 * static_cast<std::size_t>(n), 10}; }

inline constexpr std::size_t kCommandDigits = 10;
inline constexpr std::size_t kModifierDigits = 8;
inline constexpr std::size_t kCallChars = 6;

inline constexpr std::uint8_t kDigitEnd = 0x80;  // follows the last digit of a sequence
inline constexpr std::uint8_t kCallEnd = 0x00;   // follows the last call character
inline constexpr std::uint8_t kFill = 0xFF;

// Bits of the power-on flags byte.
inline constexpr std::uint8_t kVoltageCheckBit = 0x10;
inline constexpr std::uint8_t kMorseBit = 0x80;

// Morse speed <-> timing byte.
inline constexpr double kMorseTimingNumerator = 1190.0;

}  // namespace layout

struct EncodeResult {
  DecoderImage image{};                // complete only when ok()
  std::optional<UserMessage> refusal;  // the first failing check, title "Warning"
  bool ok() const { return !refusal.has_value(); }
};

// Checks the configuration in the board's fixed order and builds its image.
// Stops at the first failing check and reports it; never writes a byte
// outside the field being encoded.
EncodeResult ValidateAndEncode(const DecoderConfig& config, Translate tx = Untranslated);

// Every field of the configuration from an image read from the board. Checks
// no range: what the board holds is shown as it is.
DecoderConfig DecodeImage(const DecoderImage& image);

// The dot the board keys, in milliseconds (its Morse timing byte), for a
// speed in words per minute.
double MorseDotMs(double wpm);

// Command `n` of `image` replaced by `digits` (DTMF digits, at most ten), as
// the encoder writes it: the codes, the end mark when there is room, fill
// after it. Nothing outside the command's ten bytes changes.
void EncodeCommand(DecoderImage& image, int n, std::string_view digits);

}  // namespace tonalis
