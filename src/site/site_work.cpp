// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/site_work.h"

#include <QJsonArray>

#include "i18n/language.h"
#include "site/site_check.h"
#include "site/site_client.h"

namespace tonalis {
namespace {

const char* const kReaching = TONALIS_TEXT("Reaching %1...");
const char* const kFailedExit = TONALIS_TEXT("%1 failed at %2 (exit %3).");
const char* const kLostKeyed =
    TONALIS_TEXT("%1 The site's agent stops the send and releases the transmitter when the connection ends; "
                 "the release is not confirmed from here.");
const char* const kNotSent = TONALIS_TEXT("%1 Nothing was sent.");
const char* const kNoFinish = TONALIS_TEXT("The send at %1 ended (exit %2) without saying how.");

}  // namespace

SiteWork::SiteWork(QString sshCommand, QObject* parent) : QObject(parent), sshCommand_(std::move(sshCommand)) {}

SiteWork::~SiteWork() {
  // A job still running: the connection goes, and the agent at the site
  // stops its command as on Ctrl+C.
  if (client_) client_->abandon();
}

bool SiteWork::setSite(const SiteEntry& site, QString* why) {
  if (job_ != Job::None) return false;
  const auto commandLine = SiteAgentCommand(site, sshCommand_, QString(), address_, why);
  if (!commandLine || site.here()) return false;
  site_ = site;
  commandLine_ = *commandLine;
  return true;
}

void SiteWork::read(const QString& port) {
  start(Job::Read, {{"op", "read"}, {"args", QJsonArray{"--port", port, "--json"}}});
}

void SiteWork::program(const QString& prg, const QString& prgName, const QString& port) {
  start(Job::Program,
        {{"op", "program"}, {"args", QJsonArray{"-", "--port", port, "--json"}}, {"prg", prg}, {"prgName", prgName}});
}

void SiteWork::send(const QStringList& args, const QString& prg) {
  QJsonObject request{{"op", prg.isEmpty() ? "send" : "send-command"}};
  QJsonArray list = QJsonArray::fromStringList(args);
  if (!prg.isEmpty()) {
    list.prepend("-");
    request.insert("prg", prg);
  }
  list.append("--json");
  request.insert("args", list);
  start(Job::Send, request);
}

void SiteWork::fetch(const QString& op, const QStringList& args) {
  start(Job::Fetch, {{"op", op}, {"args", QJsonArray::fromStringList(args)}});
}

void SiteWork::stop() {
  if (client_) client_->stop();
}

void SiteWork::start(Job job, QJsonObject request) {
  if (job_ != Job::None || commandLine_.isEmpty()) return;
  job_ = job;
  op_ = job == Job::Read ? QString("READ") : job == Job::Program ? QString("PROGRAM") : request.value("op").toString();
  reached_ = false;
  sendFinished_ = false;
  sendText_.clear();
  lastError_.clear();
  client_ = std::make_unique<SiteClient>(commandLine_, address_);
  connect(client_.get(), &SiteClient::greeted, this, [this] {
    reached_ = true;
    Q_EMIT reached();
  });
  connect(client_.get(), &SiteClient::received, this, &SiteWork::onEvent);
  connect(client_.get(), &SiteClient::failed, this, [this](const QString& why) {
    if (job_ == Job::Send) {
      // Lost once the request was there: the transmitter may be keyed, so
      // never said to be released unless the site said so first.
      end(false, sendFinished_ ? sendText_ : Tr(reached_ ? kLostKeyed : kNotSent, {why}));
      return;
    }
    Q_EMIT progress(why, true);
    end(false, why);
  });
  if (job == Job::Read || job == Job::Program)
    Q_EMIT progress(Tr(kReaching, {QString::fromStdString(site_.name)}), false);
  client_->run(request);
}

void SiteWork::onEvent(const QJsonObject& event) {
  const QString kind = event.value("event").toString();
  const QString text = event.value("text").toString();
  if (kind == "done") {
    const int exit = event.value("exit").toInt();
    if (job_ == Job::Send)
      end(exit == 0, sendFinished_ ? sendText_
                                   : !lastError_.isEmpty() ? lastError_
                                                           : Tr(kNoFinish, {QString::fromStdString(site_.name),
                                                                            QString::number(exit)}));
    else
      end(exit == 0, exit == 0 ? QString()
                               : !lastError_.isEmpty() ? lastError_
                                                       : Tr(kFailedExit, {op_, QString::fromStdString(site_.name),
                                                                          QString::number(exit)}));
    return;
  }
  if (kind == "error" || kind == "message") lastError_ = text;
  switch (job_) {
    case Job::Read:
    case Job::Program:
      if (kind == "progress" || kind == "error" || kind == "message")
        Q_EMIT progress(text, kind != "progress");
      if (kind == "read")
        if (const auto image = ImageOf(event)) Q_EMIT boardRead(*image);
      break;
    case Job::Send:
      if (kind == "finished") {
        sendFinished_ = true;
        sendText_ = text;
      } else if (kind == "listening") {
        Q_EMIT listening();
      } else if (kind == "reply") {
        Q_EMIT replyHeard(event.value("reply").toString());
      } else if (kind == "monitor") {
        Q_EMIT monitored(text);
      }
      break;
    case Job::Fetch:
      if (kind == "out") Q_EMIT output(text);
      if (kind == "err" || kind == "error") lastError_ = text;
      break;
    case Job::None:
      break;
  }
}

void SiteWork::end(bool ok, const QString& text) {
  if (job_ == Job::None) return;
  const Job job = std::exchange(job_, Job::None);
  // The client goes once its own signal has returned.
  client_->disconnect(this);
  client_.release()->deleteLater();
  Q_EMIT finished(job, ok, text);
}

}  // namespace tonalis
