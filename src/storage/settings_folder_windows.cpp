// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "storage/settings_folder.h"

namespace tonalis {

QString SettingsFolder() {
  // Chosen by hand: a second station on one machine, or a test.
  const QString chosen = qEnvironmentVariable("TONALIS_SETTINGS_DIR");
  if (!chosen.isEmpty()) {
    QDir().mkpath(chosen);
    return chosen;
  }
  // Beside the program, as the original kept them, where this user may
  // write there (a copy of its own, or an old-style installation);
  // otherwise %APPDATA%\Tonalis. Folder permissions do not say it on
  // Windows: a file made and removed does.
  const QString programFolder = ProgramFolder();
  QTemporaryFile probe(programFolder + "/.tonalis-write-test-XXXXXX");
  if (probe.open()) return programFolder;
  const QString folder = QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA")) + "/Tonalis";
  QDir().mkpath(folder);
  return folder;
}

}  // namespace tonalis
