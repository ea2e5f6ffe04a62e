// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tonalis {

// The folder of the program as the user started it, where a copy of its own
// keeps its settings and translations. The command line's whole program runs
// from a folder of its own (libexec/tonalis), started by the tonalis-cli the
// user ran, which names its own folder in kProgramFolderVariable.
QString ProgramFolder();
inline constexpr const char* kProgramFolderVariable = "TONALIS_PROGRAM_DIR";

}  // namespace tonalis
