// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/prctl.h>

#include <csignal>

#include "site/interrupt.h"

namespace tonalis {

void Interrupt(QProcess& process) {
  if (process.processId() > 0) ::kill(static_cast<pid_t>(process.processId()), SIGINT);
}

void TieToParent(QProcess& process) {
  process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGINT); });
}

}  // namespace tonalis
