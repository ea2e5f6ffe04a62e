// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/message_boxes.h"

#include "ui/accessibility.h"

#include "i18n/language.h"

#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace tonalis {

QString DisplayText(const std::string& text) { return QString::fromStdString(text).replace("\r\n", "\n"); }

void QtMessageBoxes::setWindow(QWidget* window) {
  if (window_) window_->removeEventFilter(this);
  window_ = window;
  if (window_) window_->installEventFilter(this);
}

void QtMessageBoxes::showMessage(const UserMessage& message) {
  queue_.push_back({message, {}, {}});
  showNext();
}

void QtMessageBoxes::ask(const UserMessage& question, const std::vector<std::string>& buttons, Answered answered) {
  queue_.push_back({question, buttons, std::move(answered)});
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
  const Pending pending = queue_.front();
  queue_.pop_front();
  const UserMessage& message = pending.message;

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
  auto* box = new QMessageBox(icon, Tr(message.title.c_str()), DisplayText(message.text),
                              pending.buttons.empty() ? QMessageBox::Ok : QMessageBox::NoButton, window_);
  std::vector<QAbstractButton*> buttons;
  std::vector<QString> labels;
  for (const auto& label : pending.buttons) labels.push_back(QString::fromStdString(label));
  for (const QString& label : WithMnemonics(labels)) buttons.push_back(box->addButton(label, QMessageBox::ActionRole));
  if (buttons.empty()) {
    box->setEscapeButton(QMessageBox::Ok);
  } else {
    box->setDefaultButton(static_cast<QPushButton*>(buttons.front()));
    box->setEscapeButton(buttons.back());
  }
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::WindowModal);
  current_ = box;
  connect(box, &QMessageBox::finished, this, [this, box, buttons, answered = pending.answered] {
    current_ = nullptr;
    if (answered) {
      const auto chosen = std::find(buttons.begin(), buttons.end(), box->clickedButton());
      // Closed without a button (the window manager's close): as Escape.
      answered(chosen == buttons.end() ? static_cast<int>(buttons.size()) - 1
                                       : static_cast<int>(chosen - buttons.begin()));
    }
    QTimer::singleShot(0, this, &QtMessageBoxes::showNext);
  });
  box->open();
  box->raise();
  box->activateWindow();
}

}  // namespace tonalis
