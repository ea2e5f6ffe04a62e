// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <deque>

#include "config/user_message.h"

namespace tonalis {

// Message boxes on screen: one OK button (or a question's buttons), the
// title, text and icon given,
// modal to the window, raised above it and focused. One box at a time: a
// message that comes while one is shown waits until it is dismissed, and
// none is shown before the window itself is on screen, so a box can never
// end up beneath it. Nothing waits in a nested event loop: the code that
// shows a message carries on at once.
class QtMessageBoxes : public QObject, public MessageSink {
  Q_OBJECT

 public:
  void setWindow(QWidget* window);
  void showMessage(const UserMessage& message) override;
  // In the same queue as the messages, one box at a time.
  void ask(const UserMessage& question, const std::vector<std::string>& buttons, Answered answered) override;

  // The box on screen, if any, and how many wait behind it.
  QMessageBox* current() const { return current_; }
  std::size_t waiting() const { return queue_.size(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showNext();

  struct Pending {
    UserMessage message;
    std::vector<std::string> buttons;  // empty: OK
    Answered answered;
  };
  QPointer<QWidget> window_;
  QPointer<QMessageBox> current_;
  std::deque<Pending> queue_;
};

// Line breaks for Qt: CR LF becomes LF.
QString DisplayText(const std::string& text);

}  // namespace tonalis
