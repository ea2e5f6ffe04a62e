// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/site_client.h"

#include <QJsonDocument>

#include "i18n/language.h"
#include "site/agent.h"
#include "site/site_address.h"

namespace tonalis {
namespace {

constexpr int kRequestId = 1;
constexpr int kStopId = 2;

const char* const kNoSsh = TONALIS_TEXT("Cannot start %1 to reach the site: %2. Install OpenSSH's client (openssh-client), "
                                        "or set TONALIS_SSH to the command to use.");
const char* const kNotAgent = TONALIS_TEXT("%1 did not answer as Tonalis's agent (it said: %2).");
const char* const kOtherVersion =
    TONALIS_TEXT("The agent at %1 speaks version %2 of the protocol and this program version %3 (%4 there): "
                 "install the same version of Tonalis at both ends.");
const char* const kNoHello = TONALIS_TEXT("%1 did not answer within %2 s.");
const char* const kLostDuring =
    TONALIS_TEXT("The connection to %1 was lost before the command ended (%2); the agent there stops it and "
                 "releases the transmitter.");

}  // namespace

SiteClient::SiteClient(QStringList commandLine, const SiteAddress& address, QObject* parent)
    : QObject(parent), commandLine_(std::move(commandLine)), address_(address), host_(address.host) {
  helloLimit_.setSingleShot(true);
  connect(&helloLimit_, &QTimer::timeout, this,
          [this] { fail(Tr(kNoHello, {host_, QString::number(kHelloLimitMs / 1000)})); });
  connect(&ssh_, &QProcess::readyReadStandardOutput, this, &SiteClient::onOutput);
  connect(&ssh_, &QProcess::readyReadStandardError, this, [this] {
    errors_ += ssh_.readAllStandardError();
    if (errors_.size() > 65536) errors_ = errors_.right(65536);
  });
  connect(&ssh_, &QProcess::finished, this, &SiteClient::onFinished);
  connect(&ssh_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) fail(Tr(kNoSsh, {commandLine_.value(0), ssh_.errorString()}));
  });
}

SiteClient::~SiteClient() {
  ssh_.disconnect(this);
  if (ssh_.state() != QProcess::NotRunning) {
    ssh_.kill();
    ssh_.waitForFinished(1000);
  }
}

void SiteClient::run(QJsonObject request) {
  request_ = std::move(request);
  request_.insert("id", kRequestId);
  ssh_.setProgram(commandLine_.value(0));
  ssh_.setArguments(commandLine_.mid(1));
  helloLimit_.start(kHelloLimitMs);
  ssh_.start();
}

void SiteClient::sendLine(const QJsonObject& object) {
  if (ssh_.state() != QProcess::Running) return;
  ssh_.write(QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n');
}

void SiteClient::stop() {
  if (!greeted_) {
    abandon();
    return;
  }
  sendLine({{"id", kStopId}, {"op", "stop"}});
}

void SiteClient::abandon() {
  if (ssh_.state() != QProcess::NotRunning) ssh_.kill();
}

void SiteClient::onOutput() {
  partial_ += ssh_.readAllStandardOutput();
  qsizetype end;
  while (!ended_ && (end = partial_.indexOf('\n')) >= 0) {
    const QByteArray line = partial_.left(end).trimmed();
    partial_.remove(0, end + 1);
    const QJsonObject object = QJsonDocument::fromJson(line).object();
    if (!greeted_) {
      if (object.value("event").toString() != "hello") {
        fail(Tr(kNotAgent, {host_, QString::fromUtf8(line.left(120))}));
        return;
      }
      const int version = object.value("version").toInt();
      if (version != Agent::kVersion) {
        fail(Tr(kOtherVersion, {host_, QString::number(version), QString::number(Agent::kVersion),
                                 object.value("program").toString()}));
        return;
      }
      greeted_ = true;
      helloLimit_.stop();
      Q_EMIT greeted(object);
      sendLine(request_);
      continue;
    }
    if (object.isEmpty()) continue;
    const QJsonValue id = object.value("id");
    if (!id.isUndefined() && id.toInt() != kRequestId) continue;  // the stop's own answer
    QJsonObject event = object;
    event.remove("id");
    if (event.value("event").toString() == "done") {
      done_ = true;
      ended_ = true;
      // The agent ends when its input does; ssh with it.
      ssh_.closeWriteChannel();
    }
    Q_EMIT received(event);
  }
}

void SiteClient::onFinished(int exitCode, QProcess::ExitStatus status) {
  if (ended_ && done_) return;
  const QString said = QString::fromLocal8Bit(errors_);
  if (!greeted_) {
    fail(SshFailure(said, status == QProcess::NormalExit ? exitCode : -1, address_));
    return;
  }
  QString last = said.trimmed().section('\n', -1).trimmed();
  if (last.isEmpty()) last = QStringLiteral("ssh ended with status %1").arg(exitCode);
  fail(Tr(kLostDuring, {host_, last}));
}

void SiteClient::fail(const QString& why) {
  if (ended_) return;
  ended_ = true;
  helloLimit_.stop();
  if (ssh_.state() != QProcess::NotRunning) ssh_.kill();
  Q_EMIT failed(why);
}

std::optional<DecoderImage> ImageOf(const QJsonObject& readEvent) {
  const QByteArray bytes = QByteArray::fromHex(readEvent.value("image").toString().toLatin1());
  if (bytes.size() != static_cast<qsizetype>(kImageSize)) return std::nullopt;
  DecoderImage image{};
  std::copy(bytes.begin(), bytes.end(), image.begin());
  return image;
}

}  // namespace tonalis
