// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/site_memory.h"

#include <QSettings>

namespace tonalis {
namespace {

struct Field {
  const char* key;
  QString SiteMemory::*member;
};
const Field kFields[] = {{"state", &SiteMemory::state},       {"detail", &SiteMemory::detail},
                         {"contacted", &SiteMemory::contacted}, {"board", &SiteMemory::board},
                         {"last_read", &SiteMemory::lastRead},  {"last_send", &SiteMemory::lastSend},
                         {"reply", &SiteMemory::reply}};

}  // namespace

SiteMemory RecallSite(const QString& folder, const QString& name) {
  QSettings file(folder + "/" + kSiteStateFileName, QSettings::IniFormat);
  file.beginGroup(name);
  SiteMemory memory;
  for (const Field& f : kFields) memory.*f.member = file.value(f.key).toString();
  return memory;
}

bool RememberSite(const QString& folder, const QString& name, const SiteMemory& memory) {
  QSettings file(folder + "/" + kSiteStateFileName, QSettings::IniFormat);
  file.beginGroup(name);
  for (const Field& f : kFields)
    if (!(memory.*f.member).isEmpty()) file.setValue(f.key, memory.*f.member);
  // A new send's reply replaces the last one's, none heard included.
  if (!memory.lastSend.isEmpty()) file.setValue("reply", memory.reply);
  file.endGroup();
  file.sync();
  return file.status() == QSettings::NoError;
}

}  // namespace tonalis
