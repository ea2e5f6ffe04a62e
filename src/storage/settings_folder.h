// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "storage/program_folder.h"

namespace tonalis {

// Where the tool keeps its settings, Default.prg and ports.ini: the
// program's own folder when it is writable and not the system's program
// folder (a portable copy), otherwise the per-user configuration folder
// (~/.config/tonalis). TONALIS_SETTINGS_DIR in the environment overrides both.
QString SettingsFolder();

}  // namespace tonalis
