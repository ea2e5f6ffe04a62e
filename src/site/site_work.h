// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

#include "config/decoder_image.h"
#include "site/site_address.h"
#include "site/sites_file.h"

namespace tonalis {

class SiteClient;

// What the window does at a site reached over ssh: READ, PROGRAM, a send and
// the site's journal or history, one at a time, each as one request to the
// site's agent. The site's own exchange keys and releases its transmitter;
// this side only reports what the agent says, and says when it cannot know.
class SiteWork : public QObject {
  Q_OBJECT

 public:
  enum class Job { None, Read, Program, Send, Fetch };
  Q_ENUM(Job)

  // `sshCommand`: TONALIS_SSH, or empty.
  explicit SiteWork(QString sshCommand, QObject* parent = nullptr);
  ~SiteWork() override;

  // The site the next jobs go to; false, with `why`, for one that cannot be reached so.
  bool setSite(const SiteEntry& site, QString* why);
  const SiteEntry& site() const { return site_; }
  const QString& sshCommand() const { return sshCommand_; }
  Job running() const { return job_; }

  void read(const QString& port);
  // `prg`: the configuration file's text, programmed on `port`.
  void program(const QString& prg, const QString& prgName, const QString& port);
  // `args`: send's (the sequence and its timing); with `prg`, send-command's.
  void send(const QStringList& args, const QString& prg = {});
  // A command whose printed lines are wanted (journal, history).
  void fetch(const QString& op, const QStringList& args);
  // As Ctrl+C at the site.
  void stop();

 Q_SIGNALS:
  // The site's agent answered.
  void reached();
  // A line of a READ or PROGRAM's progress; `error`: said as a failure.
  void progress(const QString& text, bool error);
  void boardRead(const tonalis::DecoderImage& image);
  // The site's send: listening for the board's reply, the reply, the monitor's verdict.
  void listening();
  void replyHeard(const QString& reply);
  void monitored(const QString& verdict);
  // A line a fetched command printed.
  void output(const QString& line);
  // The job is over (nothing runs any more): `ok` when the site's command
  // succeeded; `text` the send's completion text, or why the job failed.
  void finished(tonalis::SiteWork::Job job, bool ok, const QString& text);

 private:
  void start(Job job, QJsonObject request);
  void onEvent(const QJsonObject& event);
  void end(bool ok, const QString& text);

  QString sshCommand_;
  SiteEntry site_;
  SiteAddress address_;
  QStringList commandLine_;
  Job job_ = Job::None;
  QString op_;
  std::unique_ptr<SiteClient> client_;
  bool reached_ = false;
  bool sendFinished_ = false;
  QString sendText_;
  QString lastError_;
};

}  // namespace tonalis
