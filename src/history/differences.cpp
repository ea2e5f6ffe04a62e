// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/differences.h"

#include "config/command_names.h"

#include <array>

namespace tonalis {
namespace {

constexpr const char* kArrow = " \xE2\x86\x92 ";  // →

std::string Shown(const std::string& text) { return text.empty() ? "(empty)" : text; }
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
    flag("Output " + std::to_string(i + 1) + " at power-on", a.chkOutput[at], b.chkOutput[at]);
  }
  flag("CW replies at power-on", a.chkMorse, b.chkMorse);
  flag("Voltage check at power-on", a.chkBCheck, b.chkBCheck);
  for (int n = 0; n < kCommandCount; ++n) {
    const auto at = static_cast<std::size_t>(n);
    text("Command " + std::to_string(n) + " (" + CommandName(n) + ")", a.txtMem[at], b.txtMem[at], Command(n));
  }
  text("Modifier ID", a.txtSeqCmd, b.txtSeqCmd, kModifierId);
  text("Checksum ID", a.txtCrcTag, b.txtCrcTag, kChecksumId);
  text("CW call", a.txtCallID, b.txtCallID, kCallSign);
  text("Morse speed", a.txtMorseSpeed, b.txtMorseSpeed, kMorseTiming, " WPM");
  text("Output 2 timer", a.txtTmr2, b.txtTmr2, kOutput2Timer, " s");
  text("Low battery level", a.txtBlo, b.txtBlo, kLowBattery, " V");
  text("High battery level", a.txtBhi, b.txtBhi, kHighBattery, " V");
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
      out.push_back("Byte " + std::to_string(i) + " (no field shows it): " + hex(a[i]) + kArrow + hex(b[i]));
  return out;
}

}  // namespace tonalis
