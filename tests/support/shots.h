// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QWidget>

namespace tonalis::testing {

// With TONALIS_SHOTS set to a folder, what the operator sees at each step is
// kept there as a picture, for looking at.
inline void Shot(QWidget* widget, const char* name) {
  const QString folder = qEnvironmentVariable("TONALIS_SHOTS");
  if (folder.isEmpty()) return;
  QApplication::processEvents();
  widget->grab().save(folder + "/" + name + ".png");
}

}  // namespace tonalis::testing
