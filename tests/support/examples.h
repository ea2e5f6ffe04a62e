// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/decoder_config.h"

namespace tonalis::testing {

// The board's documented example: Output 1 on at power-on, CW enabled,
// voltage check disabled, Checksum ID #, 20 WPM, timer 10 s, thresholds
// 11.5 and 13.8 V, command 0 = 11, command 1 = 10, Modifier ID 1234, call ABC.
inline DecoderConfig WorkedExample() {
  DecoderConfig c;
  c.chkOutput = {1, 0, 0, 0};
  c.chkMorse = 1;
  c.chkBCheck = 0;
  c.txtCrcTag = "#";
  c.txtMorseSpeed = "20";
  c.txtTmr2 = "10";
  c.txtBlo = "11.5";
  c.txtBhi = "13.8";
  c.txtMem[0] = "11";
  c.txtMem[1] = "10";
  c.txtSeqCmd = "1234";
  c.txtCallID = "ABC";
  return c;
}

}  // namespace tonalis::testing
