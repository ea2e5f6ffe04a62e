// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace tonalis {

// The window's three typefaces, with what stands in for them where the
// Windows fonts are missing: a sans serif, a monospace, a condensed sans.
QFont SansFont(double points, bool bold = false);    // "MS Sans Serif"
QFont MonoFont(double points, bool bold = false);    // "Courier"
QFont NarrowFont(double points, bool bold = false);  // "Arial Narrow"

}  // namespace tonalis
