// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "radio/hamlib_ptt.h"
#include "station/ptt_choice.h"

namespace tonalis {

// One open connection to the rig of a PttChoice (CAT or rigctld): through
// Hamlib on Linux; on Windows rigctld's own text protocol over TCP. Every
// call blocks up to the rig's time-out: they run on HamlibPtt's worker.
class RigConnection {
 public:
  virtual ~RigConnection() = default;
  struct Answer {
    bool ok = false;
    std::string words;     // why not, in the rig library's words
    bool refused = false;  // the rig (or rigctld) answered that it will not
  };
  virtual Answer setPtt(bool on) = 0;
};

// Connects; nothing, with `failure` said for the user, when it cannot.
std::unique_ptr<RigConnection> ConnectRig(const PttChoice& choice, std::string& failure);

// The rig library's diagnostics on standard error, or not.
void SetRigLibraryVerbose(bool verbose);

}  // namespace tonalis
