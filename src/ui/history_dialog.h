// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <functional>
#include <vector>

#include "config/decoder_config.h"
#include "config/user_message.h"
#include "history/history_store.h"

namespace tonalis {

// The board history: every content read or programmed, newest first, what
// each changed from the one before it for the same device and how it differs
// from the window's fields; an entry can be put back into the fields (then
// PROGRAM restores it) or saved as a configuration file.
class HistoryDialog : public QDialog {
  Q_OBJECT

 public:
  // `fields` gives the window's fields at the moment they are compared.
  HistoryDialog(QWidget* parent, const HistoryStore& store, std::function<DecoderConfig()> fields,
                MessageSink& messages);

  QTreeWidget* list() const { return list_; }
  QPlainTextEdit* details() const { return details_; }
  QPushButton* loadButton() const { return load_; }
  QPushButton* saveButton() const { return save_; }
  // Saves the selected entry as a configuration file (the Save button asks where).
  void saveSelected(const QString& path);

 Q_SIGNALS:
  // "Load into the fields" for this entry.
  void loadRequested(const tonalis::HistoryEntry& entry);
  // Help, or F1: the manual.
  void helpRequested();

 private:
  const HistoryEntry* selected() const;
  void showSelected();

  std::vector<HistoryEntry> entries_;  // oldest first
  std::vector<std::optional<HistoryEntry>> previous_;
  std::function<DecoderConfig()> fields_;
  MessageSink& messages_;
  QTreeWidget* list_;
  QPlainTextEdit* details_;
  QPushButton* load_;
  QPushButton* save_;
  QLabel* status_ = nullptr;  // what the last button did
};

}  // namespace tonalis
