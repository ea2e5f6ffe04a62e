// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

namespace tonalis {

inline constexpr int kCommandCount = 16;

// The board's settings, one member per main-window control and named after it.
// Texts are kept exactly as typed (UTF-8); numbers are read only when the
// configuration is encoded. Check states are 0 (clear) or 1 (set).
struct DecoderConfig {
  std::array<std::string, kCommandCount> txtMem{};
  std::string txtSeqCmd;      // Modifier ID
  std::string txtCrcTag;      // Checksum ID
  std::string txtCallID;      // CW call
  std::string txtMorseSpeed;  // words per minute
  std::string txtTmr2;        // Output 2 timer, seconds
  std::string txtBlo;         // low battery threshold, volts
  std::string txtBhi;         // high battery threshold, volts
  std::array<int, 4> chkOutput{};
  int chkMorse = 1;
  int chkBCheck = 1;

  bool operator==(const DecoderConfig& o) const {
    return txtMem == o.txtMem && txtSeqCmd == o.txtSeqCmd && txtCrcTag == o.txtCrcTag && txtCallID == o.txtCallID &&
           txtMorseSpeed == o.txtMorseSpeed && txtTmr2 == o.txtTmr2 && txtBlo == o.txtBlo && txtBhi == o.txtBhi &&
           chkOutput == o.chkOutput && chkMorse == o.chkMorse && chkBCheck == o.chkBCheck;
  }
  bool operator!=(const DecoderConfig& o) const { return !(*this == o); }
};

// Caption of the power-on toggle of output i (0..3): "Output 1 ON", "Output 3 OFF".
std::string OutputCaption(int index, int state);

}  // namespace tonalis
