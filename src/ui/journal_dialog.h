// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QAbstractTableModel>
#include <QTreeView>
#include <functional>
#include <string>
#include <vector>

#include "config/user_message.h"
#include "journal/journal.h"

namespace tonalis {

class ChannelWatch;

// The journal of sends, newest first: filtered by a text and a first day,
// copied to the clipboard, exported as CSV. With the window's listening,
// "Listen to the channel" turns it on and off, and says how it goes.
class JournalDialog : public QDialog {
  Q_OBJECT

 public:
  JournalDialog(QWidget* parent, std::string folder, MessageSink& messages, ChannelWatch* watch = nullptr);

  // Reads the journal again (as records are written): a problem reading it
  // is said once, and a first day chosen stays.
  void reload();
  // The records shown (newest first), as the filter leaves them.
  const std::vector<const JournalRecord*>& shown() const { return shown_; }
  QTreeView* list() const { return list_; }
  QLineEdit* filter() const { return filter_; }
  QDateEdit* since() const { return since_; }
  // The records shown, as the clipboard gets them (tab-separated, a line each).
  void copyShown();
  // Writes the records shown as CSV; false (and said) when it cannot.
  bool exportTo(const QString& path);

 Q_SIGNALS:
  void helpRequested();

 private:
  void applyFilter();

  // The rows shown, made as the view asks for them: a long journal costs
  // the rows on screen, not a widget a record.
  class Model : public QAbstractTableModel {
   public:
    explicit Model(const std::vector<const JournalRecord*>& shown, QObject* parent)
        : QAbstractTableModel(parent), shown_(shown) {}
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void reset(const std::function<void()>& change);

   private:
    const std::vector<const JournalRecord*>& shown_;
  };

  std::string folder_;
  MessageSink& messages_;
  std::vector<JournalRecord> records_;  // oldest first
  std::vector<QString> searched_;       // each record's text as the filter searches it, folded
  std::vector<const JournalRecord*> shown_;
  Model* model_;
  QTreeView* list_;
  QLineEdit* filter_;
  QDateEdit* since_;
  QLabel* count_;
  std::string readError_;
  bool loaded_ = false;
  QPushButton* listen_ = nullptr;
  QLabel* listening_ = nullptr;
};

}  // namespace tonalis
