// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QLabel>
#include <QTreeWidget>
#include <array>
#include <string>

#include "config/decoder_config.h"

namespace tonalis {

// The configuration's sixteen commands as the fields hold them, each with
// its label, its digits and a Send button; the list takes the arrow keys and
// Enter. Empty commands are greyed out. Not modal: the operator works on.
class CommandsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CommandsDialog(QWidget* parent);

  // The commands as the fields now hold them; `unsaved` when the fields
  // differ from the configuration last loaded, saved, read or programmed.
  void setCommands(const std::array<std::string, kCommandCount>& commands, bool unsaved);
  // A send is under way: no other can start.
  void setSending(bool sending);
  // What the last send from here came to, and the board's reply or the
  // monitor's verdict: the dialog stands over the window's own status lines.
  void setResult(const QString& status, const QString& air);
  QTreeWidget* list() const { return list_; }
  QLabel* result() const { return result_; }
  QLabel* note() const { return note_; }

 Q_SIGNALS:
  void sendRequested(int command);
  void helpRequested();
  void printRequested();

 private:
  void sendCurrent();

  QTreeWidget* list_;
  QLabel* note_;
  QLabel* result_;
  std::array<std::string, kCommandCount> commands_{};
  bool sending_ = false;
};

}  // namespace tonalis
