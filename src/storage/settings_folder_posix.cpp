// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/settings_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tonalis {

QString SettingsFolder() {
  // Chosen by hand: a second station on one machine, or a test.
  const QString chosen = qEnvironmentVariable("TONALIS_SETTINGS_DIR");
  if (!chosen.isEmpty()) {
    QDir().mkpath(chosen);
    return chosen;
  }
  const QString programFolder = ProgramFolder();
  // An installed program shares its folder with every other program (and
  // root could write there): only a copy of its own keeps its settings beside it.
  const bool installed = QFileInfo(programFolder) == QFileInfo(QStringLiteral(TONALIS_INSTALL_BINDIR));
  if (!installed && QFileInfo(programFolder).isWritable()) return programFolder;
  // Shared by the window and the command line, whatever their names.
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/tonalis";
  QDir().mkpath(folder);
  return folder;
}

}  // namespace tonalis
