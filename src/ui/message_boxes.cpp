// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/message_boxes.h"

#include "ui/accessibility.h"

#include "i18n/language.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QScreen>
#include <QPointer>
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

namespace {

// A box is as wide as its text; a title longer than that is cut short by the
// window manager (a file's path, say): the box is made as wide as its title,
// within the screen.
void WideEnoughForItsTitle(QMessageBox* box) {
  auto* grid = qobject_cast<QGridLayout*>(box->layout());
  if (!grid) return;
  const QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
  // The title bar's buttons and margins, about.
  const int wanted = QFontMetrics(titleFont).horizontalAdvance(box->windowTitle()) + 140;
  const QScreen* screen = box->screen() ? box->screen() : QGuiApplication::primaryScreen();
  const int width = std::min(wanted, screen ? screen->availableGeometry().width() * 9 / 10 : wanted);
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                grid->columnCount());
}

}  // namespace

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
  WideEnoughForItsTitle(box);
  current_ = box;
  // The window that was active gets the focus back (a progress dialog over
  // the main window, say), not the box's parent.
  QPointer<QWidget> before = QApplication::activeWindow();
  connect(box, &QMessageBox::finished, this, [this, box, buttons, before, answered = pending.answered] {
    current_ = nullptr;
    if (before && before != box && before->isVisible()) {
      before->raise();
      before->activateWindow();
    }
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
