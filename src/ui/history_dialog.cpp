// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/history_dialog.h"

#include "ui/accessibility.h"

#include <QLabel>
#include <QTime>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include "history/differences.h"
#include "storage/config_file.h"

#include "i18n/language.h"

namespace tonalis {
namespace {

// An entry's file as the program's language says it ("-" for none).
QString FileText(const std::string& file) {
  const std::string mark = kModifiedMark;
  if (file.empty()) return "-";
  if (file.size() > mark.size() && file.compare(file.size() - mark.size(), mark.size(), mark) == 0)
    return HistoryDialog::tr("%1 (modified)").arg(QString::fromStdString(file.substr(0, file.size() - mark.size())));
  return QString::fromStdString(file);
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

QString Lines(const std::vector<std::string>& lines, const QString& none) {
  if (lines.empty()) return "  " + none + "\n";
  QString text;
  for (const auto& line : lines) text += "  " + Q(line) + "\n";
  return text;
}

}  // namespace

HistoryDialog::HistoryDialog(QWidget* parent, const HistoryStore& store, std::function<DecoderConfig()> fields,
                             MessageSink& messages)
    : QDialog(parent), entries_(store.entries()), fields_(std::move(fields)), messages_(messages) {
  setObjectName("frmHistory");
  setWindowTitle(tr("Board history"));
  setAttribute(Qt::WA_DeleteOnClose);

  list_ = new QTreeWidget(this);
  list_->setTabKeyNavigation(false);
  list_->setAccessibleName(tr("Board contents read and programmed"));
  list_->setObjectName("historyList");
  list_->setHeaderLabels({tr("Time"), tr("Operation"), tr("Port"), tr("File"), tr("Changes")});
  list_->setRootIsDecorated(false);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  // The changes of each entry from the one before it for the same device.
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    std::optional<HistoryEntry> before;
    for (std::size_t k = i; k-- > 0;) {
      const bool same = entries_[k].device.empty() && entries_[i].device.empty()
                            ? entries_[k].port == entries_[i].port
                            : entries_[k].device == entries_[i].device;
      if (same) {
        before = entries_[k];
        break;
      }
    }
    previous_.push_back(before);
  }
  for (std::size_t i = entries_.size(); i-- > 0;) {
    const HistoryEntry& e = entries_[i];
    const QString changes =
        previous_[i] ? QString::number(ImageDifferences(previous_[i]->image, e.image).size()) : tr("first");
    auto* item = new QTreeWidgetItem({Q(LocalTimeText(e.timeMs)), Q(e.operation), Q(e.port), FileText(e.file),
                                      e.isAir() ? changes + " (" + Q(AirStatusText(e.air, TrStd)) + ")" : changes});
    item->setData(0, Qt::UserRole, static_cast<qulonglong>(i));
    list_->addTopLevelItem(item);
  }
  for (int column = 0; column < 5; ++column) list_->resizeColumnToContents(column);

  details_ = new QPlainTextEdit(this);
  details_->setAccessibleName(tr("The selected content, compared"));
  details_->setObjectName("historyDetails");
  details_->setReadOnly(true);
  details_->setTabChangesFocus(true);  // Tab goes on to the buttons
  load_ = new QPushButton(tr("&Load into the fields"), this);
  load_->setObjectName("loadButton");
  load_->setToolTip(tr("Puts this content into the window's fields as READ would; PROGRAM then restores it"));
  save_ = new QPushButton(tr("Sa&ve as .prg..."), this);
  save_->setObjectName("saveButton");
  const ButtonRow buttons = MakeButtonRow(this, {load_, save_});
  connect(buttons.help, &QPushButton::clicked, this, &HistoryDialog::helpRequested);
  connect(list_, &QTreeWidget::itemSelectionChanged, this, &HistoryDialog::showSelected);
  connect(load_, &QPushButton::clicked, this, [this] {
    if (const HistoryEntry* e = selected()) {
      Q_EMIT loadRequested(*e);
      status_->setText(tr("Loaded into the fields at %1. PROGRAM writes exactly these bytes while the fields still "
                          "show them.")
                           .arg(QTime::currentTime().toString("HH:mm:ss")));
    }
    showSelected();
  });
  connect(save_, &QPushButton::clicked, this, [this] {
    auto* dialog = new QFileDialog(this, tr("Save File"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilters({tr("Configuration file (*.prg)"), tr("All files (*)")});
    dialog->setDefaultSuffix("prg");
    connect(dialog, &QFileDialog::fileSelected, this, &HistoryDialog::saveSelected);
    dialog->open();
  });

  auto* layout = new QVBoxLayout(this);
  if (entries_.empty())
    layout->addWidget(new QLabel(tr("Nothing yet: every READ and PROGRAM is kept here, in %1").arg(Q(store.folder())), this));
  layout->addWidget(list_, 3);
  layout->addWidget(details_, 2);
  status_ = new QLabel(this);
  status_->setObjectName("historyStatus");
  layout->addWidget(status_);
  layout->addLayout(buttons.layout);
  resize(760, 520);
  if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
  showSelected();
}

const HistoryEntry* HistoryDialog::selected() const {
  const QTreeWidgetItem* item = list_->currentItem();
  return item ? &entries_[item->data(0, Qt::UserRole).toULongLong()] : nullptr;
}

void HistoryDialog::showSelected() {
  const HistoryEntry* e = selected();
  load_->setEnabled(e);
  save_->setEnabled(e);
  if (!e) {
    details_->clear();
    return;
  }
  const std::size_t index = static_cast<std::size_t>(e - entries_.data());
  // An entry made over the air has no banner: the board did not answer it.
  QString text = (e->port.empty()     ? tr("%1, %2").arg(Q(e->operation), Q(LocalTimeText(e->timeMs)))
                  : e->banner.empty() ? tr("%1 on %2 (%3), %4").arg(Q(e->operation), Q(e->port), Q(e->device),
                                                                    Q(LocalTimeText(e->timeMs)))
                                    : tr("%1 on %2 (%3), %4, board %5")
                                          .arg(Q(e->operation), Q(e->port), Q(e->device),
                                               Q(LocalTimeText(e->timeMs)), Q(e->banner))) +
                 (e->isAir() ? ": " + Q(AirStatusText(e->air, TrStd)) : QString()) + "\n\n";
  if (const auto& before = previous_[index])
    text += tr("Changed from the entry before (%1):").arg(Q(LocalTimeText(before->timeMs))) + "\n" +
            Lines(ImageDifferences(before->image, e->image), tr("nothing"));
  else
    text += tr("The first entry for this device.") + "\n";
  text += "\n" + tr("Differs from the window's fields:") + "\n" +
          Lines(ConfigDifferences(fields_(), DecodeImage(e->image)), tr("nothing: the fields show this content"));
  details_->setPlainText(text);
}

void HistoryDialog::saveSelected(const QString& path) {
  const HistoryEntry* e = selected();
  if (!e) return;
  ConfigFileContent content;
  content.config = DecodeImage(e->image);
  content.txtPrgComm = PrgCommForPort(e->port);
  if (const auto error = WriteConfigFile(QFile::encodeName(path).toStdString(), content))
    messages_.showMessage({tr("Warning").toStdString(), *error, UserMessage::Icon::None});
}

}  // namespace tonalis
