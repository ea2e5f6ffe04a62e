// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/journal_dialog.h"

#include "ui/accessibility.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFontMetrics>
#include <QFormLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "storage/atomic_file.h"
#include "ui/channel_watch.h"

#include "i18n/language.h"

namespace tonalis {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

JournalDialog::JournalDialog(QWidget* parent, std::string folder, MessageSink& messages, ChannelWatch* watch)
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
  model_ = new Model(shown_, this);
  list_ = new QTreeView(this);
  list_->setModel(model_);
  list_->setTabKeyNavigation(false);
  list_->setAccessibleName(tr("Sends"));
  list_->setObjectName("journalList");
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->header()->setSectionResizeMode(QHeaderView::Interactive);
  // Widths from the texts the columns hold (the view measures no rows: a long journal costs nothing here).
  const QFontMetrics metrics = list_->fontMetrics();
  const std::pair<int, QString> widest[] = {{0, "2026-12-08 08:37:00 +01:00"},
                                            {1, Q(JournalWord("calibration-tone", TrStd))},
                                            {2, "command 8: Send Status (98)"},
                                            {3, Q(JournalWord("completed", TrStd))},
                                            {4, "IK1XYZ R"}};
  for (const auto& [column, text] : widest) list_->setColumnWidth(column, metrics.horizontalAdvance(text) + 24);
  count_ = new QLabel(this);
  count_->setObjectName("journalCount");
  auto* copy = new QPushButton(tr("&Copy"), this);
  copy->setObjectName("journalCopy");
  copy->setToolTip(tr("The sends shown (or those selected), tab-separated, to the clipboard"));
  auto* exportCsv = new QPushButton(tr("&Export CSV..."), this);
  exportCsv->setObjectName("journalExport");
  std::vector<QPushButton*> actions = {copy, exportCsv};
  if (watch) {
    // The sequences heard on the channel come into the journal as they are heard.
    listen_ = new QPushButton(tr("&Listen to the channel"), this);
    listen_->setObjectName("journalListen");
    listen_->setCheckable(true);
    listen_->setToolTip(tr("Each DTMF sequence heard on the Station setup's input device goes into the journal"));
    listening_ = new QLabel(this);
    listening_->setObjectName("journalListening");
    auto show = [this, watch] {
      const QSignalBlocker blocker(listen_);
      listen_->setChecked(watch->on());
      listening_->setText(watch->state());
    };
    show();
    connect(watch, &ChannelWatch::changed, this, show);
    connect(listen_, &QPushButton::toggled, this, [this, watch, show](bool on) {
      if (const auto error = watch->setOn(on))
        messages_.showMessage({tr("Journal").toStdString(), tr("Cannot listen: %1.").arg(Q(*error)).toStdString(),
                               UserMessage::Icon::Exclamation});
      show();
    });
    actions.insert(actions.begin(), listen_);
  }
  const ButtonRow buttons = MakeButtonRow(this, actions);
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
  if (listening_) layout->addWidget(listening_);
  layout->addLayout(buttons.layout);
  resize(820, 460);
  reload();
}

void JournalDialog::reload() {
  std::string error;
  records_ = ReadJournal(folder_, &error);
  if (!error.empty() && error != readError_)
    messages_.showMessage({tr("Journal").toStdString(), error, UserMessage::Icon::Exclamation});
  readError_ = error;
  // What the filter searches, folded once: each key typed then scans text, no more.
  searched_.clear();
  searched_.reserve(records_.size());
  for (const JournalRecord& r : records_)
    searched_.push_back(QStringList{Q(r.local), Q(JournalWord(r.kind, TrStd)), Q(r.what),
                                    Q(JournalWord(r.result, TrStd)), Q(r.reply), Q(r.monitor), Q(r.timing), Q(r.ptt),
                                    Q(r.detail)}
                            .join(' ')
                            .toCaseFolded());
  // From the first day there is, unless a later one was chosen.
  const QDate first = records_.empty() ? QDate::currentDate()
                                       : QDate::fromString(Q(records_.front().local.substr(0, 10)), "yyyy-MM-dd");
  if (!std::exchange(loaded_, true) || since_->date() < first) {
    const QSignalBlocker blocker(since_);
    since_->setDate(first.isValid() ? first : QDate::currentDate());
  }
  applyFilter();
}

void JournalDialog::applyFilter() {
  const QString text = filter_->text().trimmed().toCaseFolded();
  const std::string from = since_->date().toString("yyyy-MM-dd").toStdString();
  model_->reset([&] {
    shown_.clear();
    for (std::size_t i = records_.size(); i-- > 0;) {
      const JournalRecord& r = records_[i];
      if (r.local.compare(0, 10, from) < 0) continue;
      if (!text.isEmpty() && !searched_[i].contains(text)) continue;
      shown_.push_back(&r);
    }
  });
  count_->setText(tr("%1 of %2 sends").arg(shown_.size()).arg(records_.size()));
}

int JournalDialog::Model::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int JournalDialog::Model::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 6; }

QVariant JournalDialog::Model::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(shown_.size())) return {};
  const JournalRecord& r = *shown_[static_cast<std::size_t>(index.row())];
  if (role == Qt::ToolTipRole && index.column() == 2) return Q(r.timing + "\n" + r.ptt + "\n" + r.detail);
  if (role != Qt::DisplayRole) return {};
  switch (index.column()) {
    case 0: return Q(r.local);
    case 1: return Q(JournalWord(r.kind, TrStd));
    case 2: return Q(r.what);
    case 3: return Q(JournalWord(r.result, TrStd));
    case 4: return Q(r.reply);
    default: return Q(r.monitor);
  }
}

QVariant JournalDialog::Model::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  const QString names[] = {JournalDialog::tr("Time"),   JournalDialog::tr("Kind"),  JournalDialog::tr("What"),
                           JournalDialog::tr("Result"), JournalDialog::tr("Reply"), JournalDialog::tr("Monitor")};
  return section >= 0 && section < 6 ? names[section] : QVariant();
}

void JournalDialog::Model::reset(const std::function<void()>& change) {
  beginResetModel();
  change();
  endResetModel();
}

void JournalDialog::copyShown() {
  // The selected rows, or every row shown.
  std::vector<const JournalRecord*> rows;
  QModelIndexList selected = list_->selectionModel()->selectedRows();
  std::sort(selected.begin(), selected.end());
  for (const QModelIndex& row : selected) rows.push_back(shown_[static_cast<std::size_t>(row.row())]);
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
