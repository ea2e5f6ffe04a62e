// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QPointer>
#include <QString>
#include <optional>
#include <utility>

#include "listen/transmission_check.h"

class QDialog;

namespace tonalis {

// The strip under Send Sequence: what the monitor heard of the last send,
// the board's reply, and a replacement's new command offered to the fields.
// One line, its whole text for a screen reader and the monitor's table in
// its tooltip; a click takes the offer or opens the table.
class AirStrip : public QLabel {
  Q_OBJECT

 public:
  explicit AirStrip(QWidget* parent);

  // A new send: the last one's lines go.
  void clear();
  void setMonitorText(const QString& text);
  // The monitor's check: its summary line and its table a digit.
  void showCheck(const TransmissionCheck& check, bool truncated);
  void setReplyText(const QString& text);
  // A command replaced over the air, offered to the fields.
  void offer(int command, const QString& digits);
  // The whole line, as a screen reader hears it.
  QString whole() const { return accessibleName(); }
  // The monitor's table, or nothing before its first showing.
  QDialog* monitorDialog() const { return monitorDialog_; }

 Q_SIGNALS:
  // The offer was clicked: the command and its digits.
  void offerTaken(int command, const QString& digits);
  // The line changed.
  void changed();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void refresh();
  void showMonitorDetails();

  QString monitorText_, monitorDetails_, replyText_;
  std::optional<std::pair<int, QString>> offer_;
  QPointer<QDialog> monitorDialog_;
};

}  // namespace tonalis
