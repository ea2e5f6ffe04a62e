// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "config/user_message.h"

namespace tonalis {

// A way of keying the transmitter other than a line of the PTT port.
class PttDriver {
 public:
  using Done = std::function<void(bool ok)>;
  virtual ~PttDriver() = default;
  // Keys or releases; `done` follows on this thread once the transmitter is
  // in that state (perhaps before key() returns). A failure is said once, in
  // plain words, through the message sink the driver was given. A driver
  // destroyed while keyed releases first.
  virtual void key(bool on, Done done) = 0;
  // After a failure: whether the transmitter may be keyed all the same (an
  // answer lost, and the release after it failed too).
  virtual bool stateUnknown() const { return false; }
};

}  // namespace tonalis
