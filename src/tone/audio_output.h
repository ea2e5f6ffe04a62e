// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tonalis {

// One sound device, one mono 16-bit 8000 Hz buffer at a time. Each step
// returns 0 or the back-end's error code; `finished` is called from the
// back-end's own thread once the whole buffer has been played.
class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  virtual int open() = 0;
  virtual int start(const std::int16_t* samples, std::int64_t count, std::function<void()> finished) = 0;
  virtual int stop() = 0;
  virtual int close() = 0;
  // Stops and closes whatever is open, ignoring every result.
  virtual void reset() = 0;
  // The device to open from the next sequence on, by name; empty: the default.
  virtual void setDevice(const std::string& name) { (void)name; }
};

}  // namespace tonalis
