#pragma once

#include <QPointer>
#include <QWidget>

#include "config/user_message.h"

namespace tonalis {

// Message boxes on screen: one OK button, the title, text and icon given,
// modal to the window but without holding up the code that shows them.
class QtMessageBoxes : public MessageSink {
 public:
  void setParent(QWidget* parent) { parent_ = parent; }
  void showMessage(const UserMessage& message) override;

 private:
  QPointer<QWidget> parent_;
};

// Line breaks for Qt: CR LF becomes LF.
QString DisplayText(const std::string& text);

}  // namespace tonalis
