// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_support.h"
#include "cli/commands.h"

namespace tonalis::cli {

// The simulated board is the other end of a pseudo-terminal, which Windows
// does not have: it runs on Linux (or under Wine's host), and this build
// talks to it through a COM port.
int RunBoardSim(const QStringList&) {
  PrintError(CliText("board-sim runs on Linux: start it there, and reach its pseudo-terminal through a COM port."));
  return kExitUsage;
}

}  // namespace tonalis::cli
