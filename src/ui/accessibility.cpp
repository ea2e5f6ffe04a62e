// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace tonalis {
namespace {

constexpr const char* kStatusLineProperty = "tonalisStatusLine";

// A label that says what is happening: the status role, its text as its name.
class StatusLine : public QAccessibleWidget {
 public:
  explicit StatusLine(QLabel* label) : QAccessibleWidget(label, QAccessible::StatusBar) {}
  QString text(QAccessible::Text t) const override {
    const auto* label = static_cast<const QLabel*>(widget());
    if (t == QAccessible::Name)
      return label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* StatusLineFactory(const QString&, QObject* object) {
  auto* label = qobject_cast<QLabel*>(object);
  return label && label->property(kStatusLineProperty).toBool() ? new StatusLine(label) : nullptr;
}

}  // namespace

void MakeStatusLine(QLabel* label) {
  static const bool installed = [] {
    QAccessible::installFactory(StatusLineFactory);
    return true;
  }();
  (void)installed;
  label->setProperty(kStatusLineProperty, true);
  // An interface made for it before (a screen reader was already there) goes; the next is a status line's.
  if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(label))
    if (made->role() != QAccessible::StatusBar) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void SetStatusText(QLabel* label, const QString& text, const QString& spoken) {
  // Each change is an event on the bus (Qt's label and widget send it).
  label->setAccessibleName(spoken);
  label->setText(text);
}

}  // namespace tonalis
