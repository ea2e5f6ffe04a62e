// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

namespace tonalis {

// The agent at a radio site: requests in, one JSON object a line, each the
// command line's own command run at the site as a process of its own (the
// command's exchange, PTT guard and journal as ever), its output and exit
// status out as events. Not a shell: only the site's commands, no file of
// the caller's naming read or written. The reading and writing of lines is
// the front-end's (standard input and output).
class Agent : public QObject {
  Q_OBJECT

 public:
  // The protocol's version, in the hello and checked by the caller.
  static constexpr int kVersion = 1;
  // The longest request line taken.
  static constexpr int kMaxLine = 1024 * 1024;
  // How long a stopped request has to end before it is killed.
  static constexpr int kStopGraceMs = 3000;

  using Writer = std::function<void(const QByteArray& line)>;
  // `program`: the tonalis-cli each request runs. `write` sends one line
  // (without its newline).
  Agent(QString program, Writer write, QObject* parent = nullptr);
  ~Agent() override;

  // The first words: the protocol's and the program's versions, the host.
  void hello(const QString& programVersion);
  // One line as it arrived (without its newline); `tooLong` when it was cut.
  void takeLine(const QByteArray& line, bool tooLong = false);
  // Standard input closed: the running request is stopped as Ctrl+C would,
  // then finished() (at once when nothing runs).
  void endOfInput();
  bool running() const { return process_ != nullptr; }

  // The commands a request may name.
  static const QStringList& Commands();

 Q_SIGNALS:
  void finished();

 private:
  void send(QJsonObject event, const QJsonValue& id = QJsonValue::Undefined);
  void refuse(const QJsonValue& id, const QString& text, int exit);
  void start(const QJsonValue& id, const QString& command, QStringList args, const QJsonObject& request);
  void relay(QProcess::ProcessChannel channel, bool flushAll);
  void onFinished(int exitCode, QProcess::ExitStatus status);
  void stopRunning();

  QString program_;
  Writer write_;
  QJsonValue runningId_;
  bool json_ = false;       // the running request's output is JSON events
  bool reading_ = false;    // ... is a READ whose result is sent back
  bool ending_ = false;     // input closed: finish when the request ends
  QString readFile_;        // where the running READ writes its configuration file
  std::unique_ptr<QProcess> process_;
  std::unique_ptr<QTemporaryDir> files_;  // the request's configuration, the READ's result
  QByteArray partial_[2];                 // an unfinished line of standard output and error
  QTimer stopTimer_;
};

}  // namespace tonalis
