// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <optional>

namespace tonalis::cli {

// Each takes the subcommand's arguments, its own name first, and returns the
// exit status.
int RunEncode(const QStringList& args);
int RunDecode(const QStringList& args);
int RunReplace(const QStringList& args);
int RunIdentify(const QStringList& args);
int RunRead(const QStringList& args);
int RunProgram(const QStringList& args);
int RunBoardSim(const QStringList& args);
int RunRender(const QStringList& args);
int RunSend(const QStringList& args);
int RunSendCommand(const QStringList& args);
int RunJournal(const QStringList& args);
int RunCard(const QStringList& args);
int RunTone(const QStringList& args);
int RunAudioDevices(const QStringList& args);
int RunPttTest(const QStringList& args);
int RunSerialPorts(const QStringList& args);
int RunHistory(const QStringList& args);
int RunDtmfDecode(const QStringList& args);
int RunCwDecode(const QStringList& args);
int RunListen(const QStringList& args);
int RunAgent(const QStringList& args);
// `args`: --site SITE COMMAND ... The exit status; nothing when SITE is this
// computer, with --site SITE taken out of `args` (the command runs here).
std::optional<int> RunOnSite(QStringList& args);

}  // namespace tonalis::cli
