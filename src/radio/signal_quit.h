// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <memory>

namespace tonalis {

// Turns every signal that would end the process (SIGINT, SIGTERM, SIGHUP,
// SIGQUIT, SIGUSR1, SIGALRM, ...) into a call on the event loop, so that a
// program stopped from outside leaves the way it always does: the
// transmitter released, the sound device closed. SIGPIPE is ignored. On
// Windows the console's Ctrl+C, Ctrl+Break, close, log-off and shut-down
// arrive as SIGINT, SIGBREAK and SIGTERM. Only one per process.
class SignalQuit : public QObject {
  Q_OBJECT

 public:
  explicit SignalQuit(QObject* parent = nullptr);
  ~SignalQuit() override;

  // The signal that arrived, or 0.
  int received() const { return received_; }

 Q_SIGNALS:
  void signalled(int number);

 private Q_SLOTS:
  // From the system's thread (Windows).
  void deliver(int number);

 private:
  std::unique_ptr<QObject> notifier_;  // what hears the signal, by platform
  int received_ = 0;
};

}  // namespace tonalis
