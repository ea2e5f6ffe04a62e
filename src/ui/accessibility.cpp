// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessibility.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>

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

ButtonRow MakeButtonRow(QDialog* dialog, const std::vector<QPushButton*>& actions) {
  // Qt's own words for Help and Close, in the program's language.
  const QDialogButtonBox standard(QDialogButtonBox::Help | QDialogButtonBox::Close);
  ButtonRow row{new QHBoxLayout, new QPushButton(standard.button(QDialogButtonBox::Help)->text(), dialog),
                new QPushButton(standard.button(QDialogButtonBox::Close)->text(), dialog)};
  row.help->setObjectName("helpButton");
  row.close->setObjectName("closeButton");
  row.layout->addWidget(row.help);
  row.layout->addStretch();
  for (QPushButton* action : actions) row.layout->addWidget(action);
  row.layout->addWidget(row.close);
  std::vector<QPushButton*> order{row.help};
  order.insert(order.end(), actions.begin(), actions.end());
  order.push_back(row.close);
  for (std::size_t i = 0; i < order.size(); ++i) {
    order[i]->setAutoDefault(false);
    if (i > 0) QWidget::setTabOrder(order[i - 1], order[i]);
  }
  QObject::connect(row.close, &QPushButton::clicked, dialog, &QDialog::reject);
  return row;
}

std::vector<QString> WithMnemonics(const std::vector<QString>& captions) {
  QString used;
  for (const QString& caption : captions) {
    const int at = caption.indexOf('&');
    if (at >= 0 && at + 1 < caption.size()) used += caption[at + 1].toLower();
  }
  std::vector<QString> out;
  for (QString caption : captions) {
    if (!caption.contains('&')) {
      for (int i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i].toLower();
        if (!c.isLetter() || used.contains(c)) continue;
        used += c;
        caption.insert(i, '&');
        break;
      }
    }
    out.push_back(caption);
  }
  return out;
}

}  // namespace tonalis
