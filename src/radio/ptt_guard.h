// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "station/ptt_choice.h"

namespace tonalis {

// A small process that releases the transmitter when the program that keyed
// it dies without a chance to (SIGKILL, a crash, the OOM killer): a CM108,
// CAT or rigctld transmitter would otherwise stay keyed with no limit (a
// serial line drops by itself when the kernel closes the port). It is
// started before keying and holds a pipe to this process: told "released",
// it ends; finding the pipe closed without a word, it releases.
class PttGuard {
 public:
  // The program that runs the guard: tonalis-cli, whose `ptt-guard` command
  // is RunPttGuard(). Without one no guard is started.
  static void setProgram(const std::string& path);

  PttGuard() = default;
  // Ends a guard that is still armed without a word: it releases once more.
  ~PttGuard();
  PttGuard(const PttGuard&) = delete;
  PttGuard& operator=(const PttGuard&) = delete;

  // Starts a guard for `choice` unless one is running; false when none could
  // be started.
  bool arm(const PttChoice& choice);
  // The transmitter is released: the guard ends without doing anything.
  void disarm();
  // Ends the guard without a word: it releases once more.
  void letGo();
  bool armed() const { return pipe_ != -1; }

 private:
  std::intptr_t pipe_ = -1;  // a file descriptor, or on Windows a handle
};

// The guard's side: waits on `pipe` (a file descriptor, or on Windows a
// handle) and, when it closes without "released", releases the transmitter
// of `choice`. Returns the exit status.
int RunPttGuard(std::intptr_t pipe, const PttChoice& choice);

// The release itself, told on standard error; the exit status.
int ReleaseForGoneOwner(const PttChoice& choice);

}  // namespace tonalis
