// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/journal_writer.h"

#include <memory>
#include <optional>

namespace tonalis {

JournalWriter::JournalWriter(std::string folder, QObject* parent)
    : QObject(parent), folder_(std::move(folder)), thread_(this) {}

void JournalWriter::append(const JournalRecord& record) {
  auto error = std::make_shared<std::optional<std::string>>();
  thread_.run(
      [folder = folder_, record, error] {
        *error = AppendJournalRecord(folder, record);
        return error->has_value() ? 1 : 0;
      },
      [this, error](int) {
        if (*error)
          Q_EMIT failed(QString::fromStdString(**error));
        else
          Q_EMIT written();
      });
}

}  // namespace tonalis
