// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <QObject>
#include <functional>

namespace tonalis {

// Applies a field's key rule to what is typed into it, and its mouse rules:
// a click that selects the whole text, a double-click action. Pasting with
// the mouse is not filtered, but keeps to the field's length limit as typing
// does, and the context menu shows only the shortcuts the rule lets through.
class FieldRules : public QObject {
  Q_OBJECT

 public:
  using Rule = std::function<int(int code)>;

  static FieldRules* Install(QLineEdit* field, Rule rule);

  FieldRules& selectAllOnClick();
  FieldRules& onReturn(std::function<void()> action);
  FieldRules& onDoubleClick(std::function<void()> action);
  FieldRules& onClickOrKeyRelease(std::function<void()> action);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  FieldRules(QLineEdit* field, Rule rule);
  void paste(QClipboard::Mode mode);
  void showContextMenu(const QPoint& at);

  QLineEdit* field_;
  Rule rule_;
  bool selectAll_ = false;
  std::function<void()> onReturn_;
  std::function<void()> onDoubleClick_;
  std::function<void()> onClickOrKeyRelease_;
};

}  // namespace tonalis
