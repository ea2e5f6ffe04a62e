// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/differences.h"

#include "config/command_names.h"
#include "i18n/text.h"

#include <array>

namespace tonalis {
namespace {

constexpr const char* kArrow = " \xE2\x86\x92 ";  // →
// The fields as the History dialog and history diff name them.
constexpr const char* kEmpty = TONALIS_TEXT("(empty)");
constexpr const char* kOutputAtPowerOn = TONALIS_TEXT("Output %1 at power-on");
constexpr const char* kCwAtPowerOn = TONALIS_TEXT("CW replies at power-on");
constexpr const char* kVoltageAtPowerOn = TONALIS_TEXT("Voltage check at power-on");
constexpr const char* kCommand = TONALIS_TEXT("Command %1 (%2)");
constexpr const char* kModifierIdName = TONALIS_TEXT("Modifier ID");
constexpr const char* kChecksumIdName = TONALIS_TEXT("Checksum ID");
constexpr const char* kCwCall = TONALIS_TEXT("CW call");
constexpr const char* kMorseSpeed = TONALIS_TEXT("Morse speed");
constexpr const char* kOutput2TimerName = TONALIS_TEXT("Output 2 timer");
constexpr const char* kLowBatteryName = TONALIS_TEXT("Low battery level");
constexpr const char* kHighBatteryName = TONALIS_TEXT("High battery level");
constexpr const char* kByte = TONALIS_TEXT("Byte %1 (no field shows it): %2");

constexpr const char* kErased = TONALIS_TEXT("(blank: erased)");

// A field as the user reads it: an erased board's bytes (0xFF, which the
// decoding gives as "ÿ") are said to be blank.
std::string Shown(const std::string& text) {
  if (text.empty()) return Message(kEmpty);
  bool erased = true;
  for (std::size_t i = 0; i < text.size() && erased; ++i) {
    if (static_cast<unsigned char>(text[i]) == 0xFF) continue;
    erased = text.compare(i, 2, "\xC3\xBF") == 0;
    ++i;
  }
  return erased ? Message(kErased) : text;
}
std::string OnOff(int state) { return state == 1 ? "ON" : "OFF"; }

// One field as the user sees it, and the bytes of the image it comes from.
struct FieldChange {
  std::string text;  // empty when the field is the same
  layout::Field bytes;
};

std::vector<FieldChange> Compare(const DecoderConfig& a, const DecoderConfig& b) {
  using namespace layout;
  std::vector<FieldChange> out;
  auto text = [&out](const std::string& name, const std::string& x, const std::string& y, Field bytes,
                     const std::string& unit = {}) {
    out.push_back({x == y ? std::string() : name + ": " + Shown(x) + unit + kArrow + Shown(y) + unit, bytes});
  };
  auto flag = [&out](const std::string& name, int x, int y) {
    out.push_back({x == y ? std::string() : name + ": " + OnOff(x) + kArrow + OnOff(y), kPowerOnFlags});
  };
  for (int i = 0; i < 4; ++i) {
    const auto at = static_cast<std::size_t>(i);
    flag(Fill(Message(kOutputAtPowerOn), {std::to_string(i + 1)}), a.chkOutput[at], b.chkOutput[at]);
  }
  flag(Message(kCwAtPowerOn), a.chkMorse, b.chkMorse);
  flag(Message(kVoltageAtPowerOn), a.chkBCheck, b.chkBCheck);
  for (int n = 0; n < kCommandCount; ++n) {
    const auto at = static_cast<std::size_t>(n);
    text(Fill(Message(kCommand), {std::to_string(n), CommandName(n, Message)}), a.txtMem[at], b.txtMem[at], Command(n));
  }
  text(Message(kModifierIdName), a.txtSeqCmd, b.txtSeqCmd, kModifierId);
  text(Message(kChecksumIdName), a.txtCrcTag, b.txtCrcTag, kChecksumId);
  text(Message(kCwCall), a.txtCallID, b.txtCallID, kCallSign);
  text(Message(kMorseSpeed), a.txtMorseSpeed, b.txtMorseSpeed, kMorseTiming, " WPM");
  text(Message(kOutput2TimerName), a.txtTmr2, b.txtTmr2, kOutput2Timer, " s");
  text(Message(kLowBatteryName), a.txtBlo, b.txtBlo, kLowBattery, " V");
  text(Message(kHighBatteryName), a.txtBhi, b.txtBhi, kHighBattery, " V");
  return out;
}

}  // namespace

std::vector<std::string> ConfigDifferences(const DecoderConfig& a, const DecoderConfig& b) {
  std::vector<std::string> out;
  for (const auto& change : Compare(a, b))
    if (!change.text.empty()) out.push_back(change.text);
  return out;
}

std::vector<std::string> ImageDifferences(const DecoderImage& a, const DecoderImage& b) {
  std::vector<std::string> out;
  std::array<bool, kImageSize> shown{};
  for (const auto& change : Compare(DecodeImage(a), DecodeImage(b))) {
    if (change.text.empty()) continue;
    out.push_back(change.text);
    for (std::size_t i = 0; i < change.bytes.width; ++i) shown[change.bytes.offset + i] = true;
  }
  // A changed byte no field change accounts for (a reserved byte, a Morse
  // timing that rounds to the same speed, a digit after an end mark) is
  // named by its offset, so that nothing differs unseen.
  static constexpr char kHex[] = "0123456789ABCDEF";
  auto hex = [](std::uint8_t v) { return std::string{kHex[v >> 4], kHex[v & 15]}; };
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i] && !shown[i])
      out.push_back(Fill(Message(kByte), {std::to_string(i), hex(a[i]) + kArrow + hex(b[i])}));
  return out;
}

}  // namespace tonalis
