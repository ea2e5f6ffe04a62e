// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/journal_dialog.h"

#include "ui/accessibility.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "storage/atomic_file.h"

#include "i18n/language.h"

namespace tonalis {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

JournalDialog::JournalDialog(QWidget* parent, std::string folder, MessageSink& messages)
    : QDialog(parent), folder_(std::move(folder)), messages_(messages) {
  setObjectName("frmJournal");
  setWindowTitle(tr("Journal of sends"));
  filter_ = new QLineEdit(this);
  filter_->setObjectName("journalFilter");
  filter_->setPlaceholderText(tr("Any text: a sequence, a command, a reply, failed..."));
  filter_->setClearButtonEnabled(true);
  since_ = new QDateEdit(this);
  since_->setObjectName("journalSince");
  since_->setDisplayFormat("yyyy-MM-dd");
  since_->setCalendarPopup(true);
  auto* filters = new QFormLayout;
  filters->addRow(tr("&Showing:"), filter_);
  filters->addRow(tr("&From the day:"), since_);
  list_ = new QTreeWidget(this);
  list_->setTabKeyNavigation(false);
  list_->setAccessibleName(tr("Sends"));
  list_->setObjectName("journalList");
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setHeaderLabels({tr("Time"), tr("Kind"), tr("What"), tr("Result"), tr("Reply"), tr("Monitor")});
  list_->header()->setSectionResizeMode(QHeaderView::Interactive);
  count_ = new QLabel(this);
  count_->setObjectName("journalCount");
  auto* copy = new QPushButton(tr("&Copy"), this);
  copy->setObjectName("journalCopy");
  copy->setToolTip(tr("The sends shown (or those selected), tab-separated, to the clipboard"));
  auto* exportCsv = new QPushButton(tr("&Export CSV..."), this);
  exportCsv->setObjectName("journalExport");
  const ButtonRow buttons = MakeButtonRow(this, {copy, exportCsv});
  connect(buttons.help, &QPushButton::clicked, this, &JournalDialog::helpRequested);
  connect(copy, &QPushButton::clicked, this, &JournalDialog::copyShown);
  connect(exportCsv, &QPushButton::clicked, this, [this] {
    auto* dialog = new QFileDialog(this, tr("Export the journal"), QString(), tr("CSV (*.csv);;All files (*)"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix("csv");
    dialog->selectFile("journal.csv");
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) { exportTo(path); });
    dialog->open();
  });
  connect(filter_, &QLineEdit::textChanged, this, &JournalDialog::applyFilter);
  connect(since_, &QDateEdit::dateChanged, this, &JournalDialog::applyFilter);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(filters);
  layout->addWidget(list_);
  layout->addWidget(count_);
  layout->addLayout(buttons.layout);
  resize(820, 460);
  reload();
}

void JournalDialog::reload() {
  std::string error;
  records_ = ReadJournal(folder_, &error);
  if (!error.empty()) messages_.showMessage({tr("Journal").toStdString(), error, UserMessage::Icon::Exclamation});
  // From the first day there is, unless a later one was chosen.
  const QDate first = records_.empty() ? QDate::currentDate()
                                       : QDate::fromString(Q(records_.front().local.substr(0, 10)), "yyyy-MM-dd");
  {
    const QSignalBlocker blocker(since_);
    since_->setDate(first.isValid() ? first : QDate::currentDate());
  }
  applyFilter();
}

void JournalDialog::applyFilter() {
  const QString text = filter_->text().trimmed();
  const std::string from = since_->date().toString("yyyy-MM-dd").toStdString();
  shown_.clear();
  list_->clear();
  for (auto r = records_.rbegin(); r != records_.rend(); ++r) {
    if (r->local.substr(0, 10) < from) continue;
    const QStringList cells = {Q(r->local),  Q(JournalWord(r->kind, TrStd)),   Q(r->what),
                               Q(JournalWord(r->result, TrStd)), Q(r->reply), Q(r->monitor)};
    const QString all = cells.join(' ') + " " + Q(r->timing) + " " + Q(r->ptt) + " " + Q(r->detail);
    if (!text.isEmpty() && !all.contains(text, Qt::CaseInsensitive)) continue;
    shown_.push_back(&*r);
    auto* item = new QTreeWidgetItem(list_, cells);
    item->setToolTip(2, Q(r->timing + "\n" + r->ptt + "\n" + r->detail));
  }
  for (int column = 0; column < list_->columnCount(); ++column) list_->resizeColumnToContents(column);
  count_->setText(tr("%1 of %2 sends").arg(shown_.size()).arg(records_.size()));
}

void JournalDialog::copyShown() {
  // The selected rows, or every row shown.
  std::vector<const JournalRecord*> rows;
  for (int i = 0; i < list_->topLevelItemCount(); ++i)
    if (list_->topLevelItem(i)->isSelected()) rows.push_back(shown_[static_cast<std::size_t>(i)]);
  if (rows.empty()) rows = shown_;
  QString text;
  for (const JournalRecord* r : rows)
    text += QStringList{Q(r->local), Q(r->kind), Q(r->what), Q(r->timing), Q(r->ptt), Q(r->result),
                        Q(r->detail).replace('\n', ' '), Q(r->reply), Q(r->monitor)}
                .join('\t') +
            "\n";
  QApplication::clipboard()->setText(text);
}

bool JournalDialog::exportTo(const QString& path) {
  std::vector<JournalRecord> rows;
  for (auto r = shown_.rbegin(); r != shown_.rend(); ++r) rows.push_back(**r);  // oldest first, as kept
  if (const auto error = WriteFileAtomically(path.toStdString(), JournalCsv(rows))) {
    messages_.showMessage({tr("Journal").toStdString(), *error, UserMessage::Icon::Exclamation});
    return false;
  }
  return true;
}

}  // namespace tonalis
