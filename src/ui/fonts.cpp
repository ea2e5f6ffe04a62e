// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fonts.h"

#include <QStringList>

namespace tonalis {
namespace {

QFont Font(const QStringList& families, QFont::StyleHint hint, double points, bool bold) {
  QFont font;
  font.setFamilies(families);
  font.setStyleHint(hint);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

}  // namespace

QFont SansFont(double points, bool bold) {
  return Font({"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "DejaVu Sans", "Sans Serif"},
              QFont::SansSerif, points, bold);
}

QFont MonoFont(double points, bool bold) {
  return Font({"Courier New", "Liberation Mono", "DejaVu Sans Mono", "Monospace"}, QFont::TypeWriter, points, bold);
}

QFont NarrowFont(double points, bool bold) {
  return Font({"Arial Narrow", "Liberation Sans Narrow", "DejaVu Sans Condensed", "Sans Serif"}, QFont::SansSerif,
              points, bold);
}

}  // namespace tonalis
