// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QObject>
#include <QJsonObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>
#include <QStringList>
#include <vector>

#include "site/sites_file.h"

namespace tonalis {

class SiteClient;
struct SiteAddress;

// How `site`'s agent is reached: ssh's command line (`sshCommand`: TONALIS_SSH,
// or empty), or this computer's own agent (`localProgram`) for a site that is
// here; `address` names it in messages. Nothing, with `why`, for an address
// that cannot be used.
std::optional<QStringList> SiteAgentCommand(const SiteEntry& site, const QString& sshCommand,
                                            const QString& localProgram, SiteAddress& address, QString* why);

// What is known of a site after a check.
struct SiteState {
  bool reachable = false;
  QDateTime contacted;   // when the agent last answered
  QString program;       // the agent's program and version
  QString banner;        // the board's, as READ announced it
  bool read = false;     // the READ succeeded
  QString comparison;    // the board against the site's configuration file
  QString problem;       // why the check stopped, when it did
};

// Checks sites one after another: reaches each one's agent (through ssh,
// or here for this computer), reads its board on the port its
// configuration file names (1 without one), and compares what was read
// with that file. A site that fails or is slow ends its own check (each has
// kSiteLimitMs) and the next begins. Each READ lands in the site's history
// as any READ does.
class SiteCheck : public QObject {
  Q_OBJECT

 public:
  static constexpr int kSiteLimitMs = 90000;

  // `sshCommand`: TONALIS_SSH, or empty; `localProgram`: this computer's
  // tonalis-cli, which runs the agent for a site that is here.
  SiteCheck(QString sshCommand, QString localProgram, QObject* parent = nullptr);
  ~SiteCheck() override;

  // `readBoard` false: only reach the agent (Test connection).
  void start(std::vector<SiteEntry> sites, bool readBoard);
  void cancel();
  bool running() const { return active_; }

 Q_SIGNALS:
  // Site `index` of the list given is being checked.
  void checking(int index);
  void checked(int index, const tonalis::SiteState& state);
  void finished();

 private:
  void next();
  void onEvent(const QJsonObject& event);
  void finishSite(const QString& problem = {});

  QString sshCommand_;
  QString localProgram_;
  std::vector<SiteEntry> sites_;
  bool readBoard_ = false;
  int index_ = -1;
  bool active_ = false;
  SiteState state_;
  std::unique_ptr<SiteClient> client_;
  std::unique_ptr<QTimer> limit_;
};

}  // namespace tonalis
