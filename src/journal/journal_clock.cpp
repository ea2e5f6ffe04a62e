// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/journal_clock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <atomic>
#include <cstdlib>

namespace tonalis {

JournalRecord NewJournalRecord(const std::string& kind) {
  return NewJournalRecordAt(kind, QDateTime::currentMSecsSinceEpoch());
}

JournalRecord NewJournalRecordAt(const std::string& kind, std::int64_t msSinceEpoch) {
  static std::atomic<int> serial{0};
  const QDateTime now = QDateTime::fromMSecsSinceEpoch(msSinceEpoch);
  JournalRecord r;
  r.kind = kind;
  r.utc = now.toUTC().toString("yyyy-MM-ddTHH:mm:ss.zzzZ").toStdString();
  const int offset = now.offsetFromUtc() / 60;
  r.local = now.toString("yyyy-MM-dd HH:mm:ss ").toStdString() +
            QString::asprintf("%c%02d:%02d", offset < 0 ? '-' : '+', std::abs(offset) / 60, std::abs(offset) % 60)
                .toStdString();
  r.id = r.utc + "-" + std::to_string(QCoreApplication::applicationPid()) + "-" + std::to_string(++serial);
  return r;
}

std::string JournalFolder(const std::string& settingsFolder) { return settingsFolder + "/journal"; }

std::string SendResult(bool completed, bool stopped) {
  if (completed) return "completed";
  return stopped ? "stopped" : "failed";
}

}  // namespace tonalis
