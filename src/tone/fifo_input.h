// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "tone/audio_input.h"

namespace tonalis {

// An input that is a FIFO of raw audio, signed 16-bit little-endian mono at
// 8000 Hz, as an SDR receiver's demodulator writes it (rtl_fm -s 8000 ... >
// FIFO): read on a thread of its own, with what already waited in it at the
// start let go (it is not what we are about to send).
class FifoInput {
 public:
  static constexpr int kRate = 8000;
  FifoInput();
  ~FifoInput();
  // Whether `device` names an existing FIFO (never on a system without them).
  static bool Names(const std::string& device);
  std::optional<std::string> open(const std::string& path, AudioInput::Samples samples);
  void close();

 private:
  struct Reader;
  std::unique_ptr<Reader> reader_;
};

// Writes `bytes` into the FIFO at `path` for the program that reads it; the
// reason when none does (waiting for one could be for good) or it went away.
std::optional<std::string> WriteToFifo(const std::string& path, const std::string& bytes);

}  // namespace tonalis
