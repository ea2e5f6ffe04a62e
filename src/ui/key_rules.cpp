#include "ui/key_rules.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include "ui/field_rules.h"
#include "ui/form_layout.h"

namespace tonalis {

FieldRules::FieldRules(QLineEdit* field, Rule rule) : QObject(field), field_(field), rule_(std::move(rule)) {
  field->installEventFilter(this);
}

FieldRules* FieldRules::Install(QLineEdit* field, Rule rule) { return new FieldRules(field, std::move(rule)); }

FieldRules& FieldRules::selectAllOnClick() {
  selectAll_ = true;
  return *this;
}

FieldRules& FieldRules::onReturn(std::function<void()> action) {
  onReturn_ = std::move(action);
  return *this;
}

FieldRules& FieldRules::onDoubleClick(std::function<void()> action) {
  onDoubleClick_ = std::move(action);
  return *this;
}

FieldRules& FieldRules::onClickOrKeyRelease(std::function<void()> action) {
  onClickOrKeyRelease_ = std::move(action);
  return *this;
}

bool FieldRules::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      // Focus keys and keys that type nothing are not the rule's business.
      if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Delete) return false;
      int code = 0;
      if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        code = kReturn;
      } else if ((key->modifiers() & Qt::ControlModifier) && key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z) {
        code = key->key() - Qt::Key_A + 1;  // Ctrl+C is 3, Ctrl+V 22, as the terminal codes go
      } else {
        const QString text = key->text();
        if (text.size() != 1) return false;
        code = text.at(0).unicode();
        if (code > 255) return true;  // outside the 8-bit set no rule admits anything
      }
      if (code == kReturn && onReturn_) {
        onReturn_();
        return true;
      }
      const int entered = rule_(code);
      if (entered == 0) return true;
      const int limit = field_->property(kMaxCharsProperty).toInt();
      if (limit > 0 && entered != kBackspace && entered != kCopy &&
          field_->text().size() - field_->selectedText().size() >= limit)
        return true;
      if (entered == code) return false;
      field_->insert(QString(QChar(entered)));
      return true;
    }
    case QEvent::KeyRelease:
      if (onClickOrKeyRelease_) onClickOrKeyRelease_();
      return false;
    case QEvent::MouseButtonRelease:
      if (selectAll_) QTimer::singleShot(0, field_, &QLineEdit::selectAll);
      if (onClickOrKeyRelease_) onClickOrKeyRelease_();
      return false;
    case QEvent::MouseButtonDblClick:
      if (onDoubleClick_) {
        onDoubleClick_();
        return true;
      }
      return false;
    default:
      return false;
  }
}

}  // namespace tonalis
