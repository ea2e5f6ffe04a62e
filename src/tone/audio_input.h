// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tonalis {

// A sound input device: mono 16-bit samples, delivered from the device's own
// thread as they come.
class AudioInput {
 public:
  using Samples = std::function<void(const std::int16_t* samples, std::size_t count)>;
  virtual ~AudioInput() = default;
  // Opens `device` (empty: the default) at `rate` samples a second, or its
  // own rate when it has no other; the rate in use goes to `rateUsed`. The
  // failure in words, or nothing.
  virtual std::optional<std::string> open(const std::string& device, int rate, Samples samples, int* rateUsed) = 0;
  virtual void close() = 0;
};

}  // namespace tonalis
