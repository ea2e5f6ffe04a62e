// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace tonalis {

// The tool's window icon, drawn as the installed tonalis.svg shows it, so
// that no image plugin is needed.
QIcon AppIcon();

}  // namespace tonalis
