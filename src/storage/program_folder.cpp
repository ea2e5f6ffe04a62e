// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/program_folder.h"

#include <QCoreApplication>

namespace tonalis {

QString ProgramFolder() {
  const QString started = qEnvironmentVariable(kProgramFolderVariable);
  return started.isEmpty() ? QCoreApplication::applicationDirPath() : started;
}

}  // namespace tonalis
