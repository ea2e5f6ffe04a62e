// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "site/site_check.h"
#include "site/site_memory.h"
#include "site/sites_file.h"

namespace tonalis {

// The Station dialog's Sites page: the radio sites (sites.ini), each
// where it is reached, its configuration file, a note, and what the last
// check found (reachable, when, the board, the last READ against the
// file) and the last send the window made there, with the board's reply,
// as last learnt (kept between runs). Test connection reaches the selected site's agent; Check all
// sites reads every board in turn. Nothing is stored until save().
class SitesPanel : public QWidget {
  Q_OBJECT

 public:
  // What a check found comes first after the site, the rest of its entry after.
  enum Column { Name, Where, State, Contacted, Board, LastRead, LastSend, Reply, Config, Note, Program, ColumnCount };

  // `localProgram`: this computer's tonalis-cli (its agent serves a site that is here).
  SitesPanel(const QString& settingsFolder, const QString& localProgram, QWidget* parent = nullptr);

  // The sites as the table holds them.
  std::vector<SiteEntry> sites() const;
  // Writes sites.ini when the list changed; the reason when it could not.
  std::optional<std::string> save();

  QTableWidget* table() const { return table_; }
  QPushButton* addButton() const { return add_; }
  QPushButton* removeButton() const { return remove_; }
  QPushButton* testButton() const { return test_; }
  QPushButton* checkAllButton() const { return checkAll_; }
  QLabel* status() const { return status_; }
  bool checking() const { return check_.running(); }

 private:
  void addRow(const SiteEntry& site);
  void start(bool all);
  void show(int row, const SiteState& state);
  void showMemory(int row, const SiteMemory& memory);
  void fitColumns();

  QString settingsFolder_;
  std::vector<SiteEntry> loaded_;
  QTableWidget* table_;
  QPushButton* add_;
  QPushButton* remove_;
  QPushButton* test_;
  QPushButton* checkAll_;
  QLabel* status_;
  QLabel* problems_;
  SiteCheck check_;
  std::vector<int> rows_;  // the table rows of the sites being checked
};

}  // namespace tonalis
