// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/message_boxes.h"

#include <QEvent>
#include <QMessageBox>
#include <QTimer>

namespace tonalis {

QString DisplayText(const std::string& text) { return QString::fromStdString(text).replace("\r\n", "\n"); }

void QtMessageBoxes::setWindow(QWidget* window) {
  if (window_) window_->removeEventFilter(this);
  window_ = window;
  if (window_) window_->installEventFilter(this);
}

void QtMessageBoxes::showMessage(const UserMessage& message) {
  queue_.push_back(message);
  showNext();
}

bool QtMessageBoxes::eventFilter(QObject* watched, QEvent* event) {
  // Messages of the window's load wait for the window to be shown.
  if (watched == window_ && event->type() == QEvent::Show) QTimer::singleShot(0, this, &QtMessageBoxes::showNext);
  return QObject::eventFilter(watched, event);
}

void QtMessageBoxes::showNext() {
  if (current_ || queue_.empty()) return;
  if (window_ && !window_->isVisible()) return;
  const UserMessage message = queue_.front();
  queue_.pop_front();

  QMessageBox::Icon icon = QMessageBox::NoIcon;
  switch (message.icon) {
    case UserMessage::Icon::Information:
      icon = QMessageBox::Information;
      break;
    case UserMessage::Icon::Exclamation:
      icon = QMessageBox::Warning;
      break;
    case UserMessage::Icon::Error:
      icon = QMessageBox::Critical;
      break;
    case UserMessage::Icon::None:
      break;
  }
  auto* box =
      new QMessageBox(icon, QString::fromStdString(message.title), DisplayText(message.text), QMessageBox::Ok, window_);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::WindowModal);
  box->setEscapeButton(QMessageBox::Ok);
  current_ = box;
  connect(box, &QMessageBox::finished, this, [this] {
    current_ = nullptr;
    QTimer::singleShot(0, this, &QtMessageBoxes::showNext);
  });
  box->open();
  box->raise();
  box->activateWindow();
}

}  // namespace tonalis
