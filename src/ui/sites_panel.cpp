// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sites_panel.h"

#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "storage/atomic_file.h"

namespace tonalis {
namespace {

std::string S(const QString& s) { return s.toStdString(); }
QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

SitesPanel::SitesPanel(const QString& settingsFolder, const QString& localProgram, QWidget* parent)
    : QWidget(parent), settingsFolder_(settingsFolder), check_(qEnvironmentVariable("TONALIS_SSH"), localProgram) {
  table_ = new QTableWidget(0, ColumnCount, this);
  table_->setObjectName("sitesTable");
  table_->setAccessibleName(tr("Radio sites"));
  table_->setTabKeyNavigation(false);
  table_->setHorizontalHeaderLabels({tr("Site"), tr("Where"), tr("State"), tr("Last contact"), tr("Board"),
                                     tr("Last READ"), tr("Last send"), tr("Board's reply"), tr("Configuration file"),
                                     tr("Note"), tr("Program at the site")});
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->verticalHeader()->hide();
  table_->setToolTip(tr("Where: ssh://USER@HOST[:PORT], or \"this computer\". Double-click a cell to change it."));

  add_ = new QPushButton(tr("A&dd site"), this);
  add_->setObjectName("addSite");
  remove_ = new QPushButton(tr("&Remove site"), this);
  remove_->setObjectName("removeSite");
  test_ = new QPushButton(tr("Test &connection"), this);
  test_->setObjectName("testSite");
  test_->setToolTip(tr("Reaches the selected site's agent."));
  checkAll_ = new QPushButton(tr("Check &all sites"), this);
  checkAll_->setObjectName("checkAllSites");
  checkAll_->setToolTip(tr("Reads every site's board in turn and compares it with the site's configuration file."));
  status_ = new QLabel(this);
  status_->setObjectName("sitesStatus");
  status_->setAccessibleName(tr("What the check is doing"));
  status_->setWordWrap(true);
  problems_ = new QLabel(this);
  problems_->setObjectName("sitesProblems");
  problems_->setAccessibleName(tr("Problems of the Sites list"));
  problems_->setWordWrap(true);
  problems_->setStyleSheet("color: #b00000");

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {add_, remove_}) buttons->addWidget(b);
  buttons->addStretch();
  for (QPushButton* b : {test_, checkAll_}) buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addLayout(buttons);
  layout->addWidget(status_);
  layout->addWidget(problems_);

  SitesFile file;
  if (const auto unreadable = ReadSitesFile(S(QFile::encodeName(settingsFolder_)), file))
    problems_->setText(tr("sites.ini cannot be read: %1").arg(Q(*unreadable)));
  else if (!file.problems.empty())
    problems_->setText(tr("Lines of sites.ini that are not understood (ignored):") + "\n" +
                       Q([&] {
                         std::string all;
                         for (const auto& p : file.problems) all += p + "\n";
                         return all;
                       }())
                           .trimmed());
  loaded_ = file.sites;
  for (const SiteEntry& site : loaded_) addRow(site);

  connect(add_, &QPushButton::clicked, this, [this] {
    addRow({S(tr("New site")), "ssh://", "", "", ""});
    table_->setCurrentCell(table_->rowCount() - 1, Where);
    table_->editItem(table_->item(table_->rowCount() - 1, Where));
  });
  connect(remove_, &QPushButton::clicked, this, [this] {
    if (table_->currentRow() >= 0 && !check_.running()) table_->removeRow(table_->currentRow());
  });
  connect(test_, &QPushButton::clicked, this, [this] { start(false); });
  connect(checkAll_, &QPushButton::clicked, this, [this] {
    if (check_.running())
      check_.cancel();
    else
      start(true);
  });
  connect(&check_, &SiteCheck::checking, this, [this](int index) {
    const int row = rows_[static_cast<std::size_t>(index)];
    status_->setText(tr("Checking %1 of %2: %3...")
                         .arg(index + 1)
                         .arg(rows_.size())
                         .arg(table_->item(row, Name)->text()));
    table_->item(row, State)->setText(tr("checking..."));
  });
  connect(&check_, &SiteCheck::checked, this,
          [this](int index, const SiteState& state) { show(rows_[static_cast<std::size_t>(index)], state); });
  connect(&check_, &SiteCheck::finished, this, [this] {
    status_->setText(tr("Sites checked: %1.").arg(rows_.size()));
    checkAll_->setText(tr("Check &all sites"));
    for (QPushButton* b : {add_, remove_, test_}) b->setEnabled(true);
  });
}

void SitesPanel::addRow(const SiteEntry& site) {
  const int row = table_->rowCount();
  table_->insertRow(row);
  const std::string where = site.here() ? std::string(kThisComputer) : site.where;
  for (int col = 0; col < ColumnCount; ++col) {
    const bool found = col >= State && col <= Reply;
    const std::string text = col == Name ? site.name : col == Where ? where : col == Config ? site.config
                             : col == Note ? site.note : col == Program ? site.program : std::string();
    auto* item = new QTableWidgetItem(Q(text));
    item->setToolTip(Q(text));
    // What a check found is not typed in.
    if (found) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    table_->setItem(row, col, item);
  }
  showMemory(row, RecallSite(settingsFolder_, Q(site.name)));
}

std::vector<SiteEntry> SitesPanel::sites() const {
  std::vector<SiteEntry> out;
  for (int row = 0; row < table_->rowCount(); ++row) {
    auto text = [&](int col) { return S(table_->item(row, col)->text().trimmed()); };
    if (text(Name).empty()) continue;
    out.push_back({text(Name), text(Where), text(Program), text(Config), text(Note)});
  }
  return out;
}

std::optional<std::string> SitesPanel::save() {
  const std::vector<SiteEntry> now = sites();
  if (now == loaded_) return std::nullopt;
  const std::string path = S(QFile::encodeName(settingsFolder_ + "/" + kSitesFileName));
  if (auto error = WriteFileAtomically(path, FormatSites(now))) return error;
  loaded_ = now;
  return std::nullopt;
}

void SitesPanel::start(bool all) {
  if (check_.running()) return;
  rows_.clear();
  std::vector<SiteEntry> chosen;
  for (int row = 0; row < table_->rowCount(); ++row) {
    if (!all && row != table_->currentRow()) continue;
    auto text = [&](int col) { return S(table_->item(row, col)->text().trimmed()); };
    chosen.push_back({text(Name), text(Where), text(Program), text(Config), text(Note)});
    rows_.push_back(row);
  }
  if (chosen.empty()) {
    status_->setText(all ? tr("No sites to check: add one first.") : tr("Select a site in the list first."));
    return;
  }
  for (QPushButton* b : {add_, remove_, test_}) b->setEnabled(false);
  if (all) checkAll_->setText(tr("Sto&p the check"));
  check_.start(chosen, all);
}

void SitesPanel::show(int row, const SiteState& state) {
  SiteMemory memory;
  memory.state =
      state.reachable ? (state.problem.isEmpty() ? tr("reachable") : tr("reached, but")) : tr("not reachable");
  memory.detail = state.problem.isEmpty() ? state.program : state.problem;
  if (state.contacted.isValid()) memory.contacted = state.contacted.toString(kSiteTimeFormat);
  memory.board = state.banner;
  memory.lastRead = state.read ? state.comparison : state.problem;
  const QString name = table_->item(row, Name)->text().trimmed();
  // Kept for the next showing; a check whose list was not saved keeps nothing.
  if (std::any_of(loaded_.begin(), loaded_.end(), [&](const SiteEntry& s) { return Q(s.name) == name; }))
    RememberSite(settingsFolder_, name, memory);
  showMemory(row, memory);
}

void SitesPanel::showMemory(int row, const SiteMemory& memory) {
  const std::pair<int, QString> cells[] = {{State, memory.state},       {Contacted, memory.contacted},
                                           {Board, memory.board},       {LastRead, memory.lastRead},
                                           {LastSend, memory.lastSend}, {Reply, memory.reply}};
  for (const auto& [col, text] : cells) {
    if (text.isEmpty()) continue;  // what a check did not learn stays as it was
    table_->item(row, col)->setText(text);
    table_->item(row, col)->setToolTip(text);
  }
  if (!memory.detail.isEmpty()) table_->item(row, State)->setToolTip(memory.detail);
  fitColumns();
}

void SitesPanel::fitColumns() {
  table_->resizeColumnsToContents();
  // A long path or reason is cut short in its column (its tooltip holds it whole).
  for (int col = 0; col < ColumnCount; ++col)
    table_->setColumnWidth(col, std::min(table_->columnWidth(col), 220));
}

}  // namespace tonalis
