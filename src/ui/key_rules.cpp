// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/key_rules.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>

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

void FieldRules::paste(QClipboard::Mode mode) {
  QString text = QGuiApplication::clipboard()->text(mode);
  // As typing does: never beyond the field's limit.
  const int limit = field_->property(kMaxCharsProperty).toInt();
  if (limit > 0) text.truncate(std::max(0, limit - static_cast<int>(field_->text().size() - field_->selectedText().size())));
  if (text.isEmpty()) return;
  field_->insert(text);
  if (onClickOrKeyRelease_) onClickOrKeyRelease_();
}

void FieldRules::showContextMenu(const QPoint& at) {
  QMenu* menu = field_->createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  // The menu offers what the mouse can do; a shortcut is shown only where the
  // key rule lets it through.
  const bool copyKey = rule_(kCopy) == kCopy;
  // Qt shows each entry's shortcut after a tab in its text; that is also how
  // the entries are told apart.
  static const std::pair<QKeySequence::StandardKey, const char*> kEntries[] = {
      {QKeySequence::Undo, "edit-undo"}, {QKeySequence::Redo, "edit-redo"},   {QKeySequence::Cut, "edit-cut"},
      {QKeySequence::Copy, "edit-copy"}, {QKeySequence::Paste, "edit-paste"}, {QKeySequence::SelectAll, "select-all"}};
  for (QAction* action : menu->actions()) {
    QString text = action->text();
    const int tab = text.indexOf('\t');
    if (tab < 0) continue;
    const QString shortcut = text.mid(tab + 1);
    for (const auto& [key, name] : kEntries)
      if (shortcut == QKeySequence(key).toString(QKeySequence::NativeText)) action->setObjectName(name);
    if (!(copyKey && action->objectName() == QLatin1String("edit-copy"))) {
      text.truncate(tab);
      action->setText(text);
    }
    if (action->objectName() == QLatin1String("edit-paste")) {
      QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
      connect(action, &QAction::triggered, this, [this] { paste(QClipboard::Clipboard); });
    }
  }
  menu->popup(at);
}

bool FieldRules::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::ContextMenu:
      showContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
      return true;
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->matches(QKeySequence::Paste) && key->key() == Qt::Key_Insert) {
        paste(QClipboard::Clipboard);  // Shift+Insert types no character; the limit still holds
        return true;
      }
      // Focus keys and keys that type nothing are not the rule's business:
      // nor are Select All and Undo, which let no new character in.
      if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Delete) return false;
      if (key->matches(QKeySequence::SelectAll) || key->matches(QKeySequence::Undo)) return false;
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
      if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton) {
        if (QGuiApplication::clipboard()->supportsSelection()) paste(QClipboard::Selection);
        return true;
      }
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
