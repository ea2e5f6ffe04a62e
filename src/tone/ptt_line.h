#pragma once

namespace tonalis {

// The transmitter's push-to-talk line as the sender sees it.
class PttLine {
 public:
  virtual ~PttLine() = default;
  // Whether the user has PTT enabled ("Enable" ticked).
  virtual bool pttEnabled() const = 0;
  // Keys (true) or releases (false) the transmitter; false on failure.
  virtual bool setPtt(bool on) = 0;
};

}  // namespace tonalis
