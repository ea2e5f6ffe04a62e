#include "ui/message_boxes.h"

#include <QMessageBox>

namespace tonalis {

QString DisplayText(const std::string& text) { return QString::fromStdString(text).replace("\r\n", "\n"); }

void QtMessageBoxes::showMessage(const UserMessage& message) {
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
      new QMessageBox(icon, QString::fromStdString(message.title), DisplayText(message.text), QMessageBox::Ok, parent_);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

}  // namespace tonalis
