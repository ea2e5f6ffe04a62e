#include "storage/settings_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tonalis {

QString SettingsFolder() {
  const QString programFolder = QCoreApplication::applicationDirPath();
  if (QFileInfo(programFolder).isWritable()) return programFolder;
  // Shared by the window and the command line, whatever their names.
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/tonalis";
  QDir().mkpath(folder);
  return folder;
}

}  // namespace tonalis
