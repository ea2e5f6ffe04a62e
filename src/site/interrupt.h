// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>

namespace tonalis {

// Stops a command as Ctrl+C stops it: it releases the transmitter and ends
// as it always does (SIGINT on Linux; on Windows, where a process of another
// console cannot be sent one, it is ended and its PTT guard releases).
void Interrupt(QProcess& process);

}  // namespace tonalis
