// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <string>

#include "journal/journal.h"
#include "tone/device_thread.h"

namespace tonalis {

// Appends journal records on a thread of its own, in the order given, so
// that a slow or stuck file system never holds up the window. A record that
// cannot be written is said through `failed`, on the owner's thread.
class JournalWriter : public QObject, public JournalSink {
  Q_OBJECT

 public:
  explicit JournalWriter(std::string folder, QObject* parent = nullptr);
  void append(const JournalRecord& record) override;

 Q_SIGNALS:
  void failed(const QString& why);
  // A record is in the journal's file.
  void written();

 private:
  std::string folder_;
  DeviceThread thread_;
};

}  // namespace tonalis
