// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace tonalis {

// The transmitter's push-to-talk as the sender sees it. Keying may take a
// while (a rig answering over CAT), so it reports when it is done.
class PttLine {
 public:
  using Done = std::function<void(bool ok)>;
  virtual ~PttLine() = default;
  // Whether the user has PTT enabled ("Enable" ticked).
  virtual bool pttEnabled() const = 0;
  // Keys (true) or releases (false) the transmitter, and calls `done` (when
  // given) on this thread once it is in that state, or failed to get there;
  // perhaps before setPtt returns. A failure is said to the user by the line.
  virtual void setPtt(bool on, Done done) = 0;
};

}  // namespace tonalis
