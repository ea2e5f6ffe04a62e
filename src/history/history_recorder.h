// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "history/history_store.h"
#include "link/board_link.h"

namespace tonalis {

// Keeps every board content a link read, or programmed and verified, in the
// board history. A failed exchange stores nothing. A folder that cannot be
// written is said once; the exchange's own result stands.
class HistoryRecorder : public QObject {
  Q_OBJECT

 public:
  // `fileName` gives the configuration file named in the caption now.
  HistoryRecorder(BoardLink& link, MessageSink& messages, std::string folder, std::function<std::string()> fileName,
                  QObject* parent = nullptr);

  HistoryStore& store() { return store_; }

 Q_SIGNALS:
  // An entry was stored.
  void recorded(const tonalis::HistoryEntry& entry);

 private:
  void onExchangeFinished(bool success);

  BoardLink& link_;
  MessageSink& messages_;
  HistoryStore store_;
  std::function<std::string()> fileName_;
  bool failureSaid_ = false;
};

// Where the history lives: history/ in the settings folder for a copy that
// keeps its settings beside it, otherwise the user's data folder
// (~/.local/share/tonalis/history).
std::string HistoryFolder();

}  // namespace tonalis
