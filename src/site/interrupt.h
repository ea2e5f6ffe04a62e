// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>

namespace tonalis {

// Stops a command as Ctrl+C stops it: it releases the transmitter and ends
// as it always does (SIGINT on Linux; on Windows, where a process of another
// console cannot be sent one, it is ended and its PTT guard releases).
void Interrupt(QProcess& process);

// Makes a command about to be started end as Ctrl+C ends it when the agent
// that started it dies, however it dies (killed, crashed): the command then
// releases its transmitter. On Windows the command's PTT guard covers it.
void TieToParent(QProcess& process);

}  // namespace tonalis
