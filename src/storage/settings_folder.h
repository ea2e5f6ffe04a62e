#pragma once

#include <QString>

namespace tonalis {

// Where the tool keeps its settings, Default.prg and ports.ini: the
// program's own folder when it is writable (a portable install), otherwise
// the per-user configuration folder (~/.config/tonalis).
QString SettingsFolder();

}  // namespace tonalis
