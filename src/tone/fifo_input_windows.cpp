// SPDX-License-Identifier: GPL-3.0-or-later
// Windows has no FIFOs in its file system: every input is a sound device.
#include "tone/fifo_input.h"

namespace tonalis {

struct FifoInput::Reader {};

FifoInput::FifoInput() = default;
FifoInput::~FifoInput() = default;
bool FifoInput::Names(const std::string&) { return false; }
std::optional<std::string> FifoInput::open(const std::string& path, AudioInput::Samples) {
  return path + " is not a sound input device";
}
void FifoInput::close() {}
std::optional<std::string> WriteToFifo(const std::string& path, const std::string&) {
  return path + " is not a file";
}

}  // namespace tonalis
