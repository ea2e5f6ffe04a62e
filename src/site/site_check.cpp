// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/site_check.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTimer>

#include "config/decoder_image.h"
#include "history/differences.h"
#include "i18n/language.h"
#include "link/port_map.h"
#include "site/site_address.h"
#include "site/site_client.h"
#include "storage/config_file.h"

namespace tonalis {
namespace {

const char* const kMatches = TONALIS_TEXT("matches %1");
const char* const kDiffers = TONALIS_TEXT("%1 field(s) differ from %2");
const char* const kHere = TONALIS_TEXT("this computer");
const char* const kNoConfig = TONALIS_TEXT("read (no configuration file to compare)");
const char* const kConfigUnreadable = TONALIS_TEXT("read; %1 cannot be read: %2");
const char* const kTooSlow = TONALIS_TEXT("no answer within %1 s");
const char* const kReadFailed = TONALIS_TEXT("READ failed (exit %1)");

}  // namespace

std::optional<QStringList> SiteAgentCommand(const SiteEntry& site, const QString& sshCommand,
                                            const QString& localProgram, SiteAddress& address, QString* why) {
  if (site.here()) {
    // This computer's own agent: the same protocol, no ssh.
    address = SiteAddress();
    address.host = Tr(kHere);
    return QStringList{localProgram, "agent", "--stdio"};
  }
  const auto parsed = ParseSiteAddress(QString::fromStdString(site.where), why);
  if (!parsed) return std::nullopt;
  address = *parsed;
  return SshCommandLine(address, sshCommand,
                        site.program.empty() ? QString(kSiteProgram) : QString::fromStdString(site.program));
}

SiteCheck::SiteCheck(QString sshCommand, QString localProgram, QObject* parent)
    : QObject(parent), sshCommand_(std::move(sshCommand)), localProgram_(std::move(localProgram)) {}

SiteCheck::~SiteCheck() = default;

void SiteCheck::start(std::vector<SiteEntry> sites, bool readBoard) {
  if (active_) return;
  sites_ = std::move(sites);
  readBoard_ = readBoard;
  index_ = -1;
  active_ = true;
  next();
}

void SiteCheck::cancel() {
  sites_.resize(static_cast<std::size_t>(std::max(index_ + 1, 0)));
  if (client_) client_->stop();
}

void SiteCheck::next() {
  ++index_;
  if (index_ >= static_cast<int>(sites_.size())) {
    client_.reset();
    active_ = false;
    Q_EMIT finished();
    return;
  }
  const SiteEntry& site = sites_[static_cast<std::size_t>(index_)];
  state_ = SiteState();
  Q_EMIT checking(index_);
  SiteAddress address;
  QString why;
  const auto commandLine = SiteAgentCommand(site, sshCommand_, localProgram_, address, &why);
  if (!commandLine) {
    client_.reset();
    state_.problem = why;
    Q_EMIT checked(index_, state_);
    QTimer::singleShot(0, this, &SiteCheck::next);
    return;
  }
  QString port = "1";
  if (!site.config.empty()) {
    const ConfigFileLoad load = ReadConfigFile(site.config);
    if (load.hasGroup(ConfigGroup::Port) && PortNumberFromText(load.content.txtPrgComm))
      port = QString::fromStdString(load.content.txtPrgComm);
  }
  client_ = std::make_unique<SiteClient>(*commandLine, address);
  connect(client_.get(), &SiteClient::greeted, this, [this](const QJsonObject& hello) {
    state_.reachable = true;
    state_.contacted = QDateTime::currentDateTime();
    state_.program = hello.value("program").toString();
  });
  connect(client_.get(), &SiteClient::received, this, &SiteCheck::onEvent);
  connect(client_.get(), &SiteClient::failed, this, [this](const QString& why) { finishSite(why); });
  limit_ = std::make_unique<QTimer>();
  limit_->setSingleShot(true);
  connect(limit_.get(), &QTimer::timeout, this,
          [this] { finishSite(Tr(kTooSlow, {QString::number(kSiteLimitMs / 1000)})); });
  limit_->start(kSiteLimitMs);
  client_->run(readBoard_ ? QJsonObject{{"op", "read"}, {"args", QJsonArray{"--port", port, "--json"}}}
                          : QJsonObject{{"op", "serial-ports"}});
}

void SiteCheck::onEvent(const QJsonObject& event) {
  const QString kind = event.value("event").toString();
  const QString text = event.value("text").toString();
  if (kind == "progress" && text.endsWith(" detected.")) state_.banner = text.chopped(10);
  if (kind == "error" && state_.problem.isEmpty()) state_.problem = text;
  if (kind == "read") {
    state_.read = true;
    const SiteEntry& site = sites_[static_cast<std::size_t>(index_)];
    const auto image = ImageOf(event);
    if (!image) return;
    if (site.config.empty()) {
      state_.comparison = Tr(kNoConfig);
      return;
    }
    const ConfigFileLoad load = ReadConfigFile(site.config);
    const QString name = QString::fromStdString(site.config).section('/', -1);
    if (!load.ok()) {
      state_.comparison = Tr(kConfigUnreadable, {name, QString::fromStdString(load.error)});
      return;
    }
    const auto differences = ConfigDifferences(load.content.config, DecodeImage(*image));
    state_.comparison = differences.empty()
                            ? Tr(kMatches, {name})
                            : Tr(kDiffers, {QString::number(differences.size()), name});
  }
  if (kind == "done") {
    const int exit = event.value("exit").toInt();
    finishSite(exit == 0 || !readBoard_ ? QString() : state_.problem.isEmpty() ? Tr(kReadFailed, {QString::number(exit)})
                                                                                : state_.problem);
  }
}

void SiteCheck::finishSite(const QString& problem) {
  if (!client_) return;
  limit_->stop();
  state_.problem = problem;
  if (!problem.isEmpty()) state_.read = false;
  // The client goes once its own signal has returned.
  client_->disconnect(this);
  client_.release()->deleteLater();
  Q_EMIT checked(index_, state_);
  QTimer::singleShot(0, this, &SiteCheck::next);
}

}  // namespace tonalis
