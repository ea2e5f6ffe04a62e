// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QWidget>
#include <functional>
#include <vector>

#include "config/decoder_config.h"
#include "config/user_message.h"
#include "exchange/air_exchange.h"
#include "link/board_link.h"
#include "link/progress_view.h"
#include "site/site_memory.h"
#include "site/site_work.h"
#include "site/sites_file.h"
#include "ui/form_layout.h"
#include "ui/send_panel.h"

namespace tonalis {

// The site the window works on: a row under the pages, shown only when the
// Sites list names a site that is not this computer (the window is then one
// row taller; no other control moves). With a site chosen, READ, PROGRAM,
// Send Sequence and the Commands dialog's sends go to its agent over ssh,
// on the port number the fields name there and with the site's own sound
// card and PTT; the Journal and the History show the site's. The local
// port's Enable and the PTT port are this computer's: they are unticked
// and greyed while a site is chosen.
class SiteBar : public QWidget {
  Q_OBJECT

 public:
  struct Window {
    const FormControls& controls;
    ProgressView& progress;
    SendPanel& sendPanel;
    BoardLink& link;
    MessageSink& messages;
    // The fields as a configuration, and the file the window shows (its name).
    std::function<DecoderConfig()> fields;
    std::function<QString()> fileName;
  };

  SiteBar(QWidget* window, Window parts, QString settingsFolder);

  // Reads the Sites list again (at start and after the Station dialog's OK).
  void reload();
  // The chosen site, or null for this computer (or a site that cannot be reached).
  const SiteEntry* chosen() const;
  // A site is chosen: the window's work is not done here, whether or not the site can be reached.
  bool atSite() const { return place_ != Place::Here; }
  // Chooses by name; "" is this computer. False when there is none so.
  bool choose(const QString& name);
  bool busy() const { return work_.running() != SiteWork::Job::None; }
  bool sending() const { return work_.running() == SiteWork::Job::Send; }
  bool programming() const { return work_.running() == SiteWork::Job::Program; }
  // With a site chosen: the local port's controls greyed, READ and PROGRAM
  // ready (the window calls it after the link changed them).
  void applyControls();
  QComboBox* chooser() const { return chooser_; }

  // Each does its work at the chosen site and returns true, or returns
  // false at once for this computer (the window then does it here).
  bool read();
  bool program(const DecoderConfig& fields);
  bool send(const AirRequest& request);
  QDialog* showJournal();
  QDialog* showHistory();

 Q_SIGNALS:
  // The site's board was read: its content, for the fields.
  void boardRead(const tonalis::DecoderImage& image);
  // A PROGRAM at the site ended well: the board holds `fields`.
  void programmed(const tonalis::DecoderConfig& fields);
  // Another site was chosen: its name, empty for this computer.
  void placeChanged(const QString& name);

 private:
  enum class Place { Here, Site, Unusable };
  void onChosen(int index);
  void followWork();
  bool unusable();
  const SiteEntry* ready();
  void startBoardJob(const QString& title);
  void onFinished(SiteWork::Job job, bool ok, const QString& text);
  QDialog* showText(const QString& title, const QString& op, const QStringList& args);

  Window w_;
  QString settingsFolder_;
  std::vector<SiteEntry> sites_;
  QComboBox* chooser_;
  QLabel* where_;
  SiteWork work_;
  int baseHeight_;
  DecoderConfig programming_;
  // What the site learnt of the send under way, for the Sites page.
  SiteMemory memory_;
  QString sequence_;
  bool reloadPending_ = false;
  Place place_ = Place::Here;

};

}  // namespace tonalis
