// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTimer>

#include <optional>

#include "config/decoder_image.h"
#include "site/site_address.h"

namespace tonalis {

// One request to a site's agent, through ssh: the connection made, the
// agent's hello checked, the request sent, its events passed on until its
// done, then the connection closed. Every way of failing ends in failed(),
// once, in words.
class SiteClient : public QObject {
  Q_OBJECT

 public:
  // The agent's hello must come within this (ssh's own connect time-out is less).
  static constexpr int kHelloLimitMs = 30000;

  // `commandLine`: ssh and its arguments (SshCommandLine) to reach `address`.
  SiteClient(QStringList commandLine, const SiteAddress& address, QObject* parent = nullptr);
  ~SiteClient() override;

  void run(QJsonObject request);
  // As Ctrl+C: the agent stops the command, which releases what it keyed.
  void stop();
  // The connection cut at once (a second Ctrl+C); the site's agent then stops the command.
  void abandon();

 Q_SIGNALS:
  // The agent answered: its hello (its program's version, its host).
  void greeted(const QJsonObject& hello);
  // An event of the request, its id taken out; the last is "done".
  void received(const QJsonObject& event);
  void failed(const QString& why);

 private:
  void onOutput();
  void onFinished(int exitCode, QProcess::ExitStatus status);
  void fail(const QString& why);
  void sendLine(const QJsonObject& object);

  QStringList commandLine_;
  SiteAddress address_;
  QString host_;
  QJsonObject request_;
  QProcess ssh_;
  QTimer helloLimit_;
  QByteArray partial_;
  QByteArray errors_;
  bool greeted_ = false;
  bool done_ = false;
  bool ended_ = false;
};

// The board's content a "read" event carries (its "image", in hex), or
// nothing when it is not 192 bytes.
std::optional<DecoderImage> ImageOf(const QJsonObject& readEvent);

}  // namespace tonalis
