// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "config/decoder_image.h"
#include "listen/dtmf_sequences.h"

namespace tonalis {

// The simulated board's radio side: what it does with a sequence of DTMF
// digits it heard, on its memory. The real board's rules for splitting the
// stream and answering are not known; these are the simulator's own, kept
// in one table (board_air.cpp) and described in the README:
// - a sequence equal to a non-empty command does what that command does;
// - a replacement sequence (a command, the Modifier ID, the new command,
//   the Checksum ID and the two checksum digits) with the right checksum
//   replaces that command in memory; with a wrong one nothing changes;
// - anything else is ignored.
// With CW replies on, an accepted sequence is answered in Morse: the call
// and R (done), or for Send Status the call and the four outputs as 1 and 0.
class BoardAir {
 public:
  struct Outcome {
    std::string did;    // "command 0 replaced by 345", "Output 1 ON", "ignored", ...
    std::string reply;  // what it answers in Morse; empty: silent
    bool memoryChanged = false;
  };

  // The power-on state from memory: outputs, CW replies, voltage check.
  explicit BoardAir(const DecoderImage& memory);

  // A heard sequence at `now` (seconds): acts on `memory`.
  Outcome hear(const std::string& sequence, DecoderImage& memory, double now);
  // What the Output 2 timer did by `now` ("Output 2 back OFF"), if anything.
  std::vector<std::string> tick(double now);
  // When the timer next ends, if it runs.
  std::optional<double> nextEvent() const { return timerEnds_; }

  const std::array<bool, 4>& outputs() const { return outputs_; }
  bool cwReplies() const { return cw_; }
  bool voltageCheck() const { return voltageCheck_; }

 private:
  std::string reply(const DecoderImage& memory, const std::string& text) const;

  std::array<bool, 4> outputs_{};
  bool cw_ = false;
  bool voltageCheck_ = false;
  std::optional<double> timerEnds_;
  bool timerRestores_ = false;  // the state Output 2 goes back to
};

}  // namespace tonalis
