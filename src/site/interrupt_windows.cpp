// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/interrupt.h"

namespace tonalis {

void Interrupt(QProcess& process) { process.kill(); }

void TieToParent(QProcess&) {}

}  // namespace tonalis
