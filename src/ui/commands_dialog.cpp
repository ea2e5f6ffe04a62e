// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/commands_dialog.h"

#include "ui/accessibility.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/command_names.h"
#include "ui/fonts.h"

#include "i18n/language.h"

namespace tonalis {
namespace {

// The list's Enter sends the current command; the arrows move as usual.
class CommandList : public QTreeWidget {
 public:
  using QTreeWidget::QTreeWidget;
  std::function<void()> onEnter;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && onEnter) {
      onEnter();
      return;
    }
    QTreeWidget::keyPressEvent(event);
  }
};

}  // namespace

CommandsDialog::CommandsDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("frmCommands");
  setWindowTitle(tr("Commands"));
  auto* list = new CommandList(this);
  list->onEnter = [this] { sendCurrent(); };
  list_ = list;
  list_->setObjectName("commandList");
  list_->setAccessibleName(tr("Commands of the configuration"));
  list_->setTabKeyNavigation(false);
  list_->setColumnCount(3);
  list_->setHeaderLabels({tr("Command"), tr("Digits"), ""});
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setAllColumnsShowFocus(true);
  list_->header()->setStretchLastSection(false);
  list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  list_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
  list_->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
  for (int n = 0; n < kCommandCount; ++n) {
    auto* item = new QTreeWidgetItem(list_, {QString::fromStdString(CommandLabel(n, TrStd)), QString()});
    item->setFont(1, MonoFont(10));
    auto* send = new QPushButton(tr("Send"), list_);
    send->setObjectName(QString("send%1").arg(n));
    // A screen reader says which command each Send sends.
    send->setAccessibleName(tr("Send %1").arg(QString::fromStdString(CommandLabel(n, TrStd))));
    send->setAutoDefault(false);
    send->setFocusPolicy(Qt::NoFocus);  // the list has the keyboard
    connect(send, &QPushButton::clicked, this, [this, n] {
      list_->setCurrentItem(list_->topLevelItem(n));
      sendCurrent();
    });
    list_->setItemWidget(item, 2, send);
  }
  note_ = new QLabel(this);
  note_->setObjectName("commandsNote");
  note_->setWordWrap(true);
  result_ = new QLabel(this);
  result_->setObjectName("commandsResult");
  result_->setWordWrap(true);
  result_->setTextFormat(Qt::PlainText);
  MakeStatusLine(result_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close | QDialogButtonBox::Help, this);
  auto* print = buttons->addButton(tr("&Print card..."), QDialogButtonBox::ActionRole);
  print->setObjectName("printCard");
  print->setToolTip(tr("The commands and settings on one page for the site's crew, the keys masked (Ctrl+P)"));
  connect(print, &QPushButton::clicked, this, &CommandsDialog::printRequested);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this, &CommandsDialog::helpRequested);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(note_);
  layout->addWidget(result_);
  layout->addWidget(buttons);
  resize(460, 480);
}

void CommandsDialog::setCommands(const std::array<std::string, kCommandCount>& commands, bool unsaved) {
  commands_ = commands;
  QTreeWidgetItem* firstSendable = nullptr;
  for (int n = 0; n < kCommandCount; ++n) {
    QTreeWidgetItem* item = list_->topLevelItem(n);
    const bool empty = commands[static_cast<std::size_t>(n)].empty();
    item->setText(1, empty ? tr("(empty)") : QString::fromStdString(commands[static_cast<std::size_t>(n)]));
    item->setDisabled(empty);
    list_->itemWidget(item, 2)->setEnabled(!empty && !sending_);
    if (!empty && !firstSendable) firstSendable = item;
  }
  if ((!list_->currentItem() || list_->currentItem()->isDisabled()) && firstSendable)
    list_->setCurrentItem(firstSendable);
  note_->setText(unsaved ? tr("The fields hold edits the board may not hold: what is sent is what the fields say.")
                         : QString());
  note_->setVisible(unsaved);
}

void CommandsDialog::setResult(const QString& status, const QString& air) {
  SetStatusText(result_, air.isEmpty() ? status : status + "\n" + air);
}

void CommandsDialog::setSending(bool sending) {
  sending_ = sending;
  for (int n = 0; n < kCommandCount; ++n)
    list_->itemWidget(list_->topLevelItem(n), 2)
        ->setEnabled(!sending && !commands_[static_cast<std::size_t>(n)].empty());
}

void CommandsDialog::sendCurrent() {
  const int n = list_->indexOfTopLevelItem(list_->currentItem());
  if (n < 0 || sending_ || commands_[static_cast<std::size_t>(n)].empty()) return;
  Q_EMIT sendRequested(n);
}

}  // namespace tonalis
