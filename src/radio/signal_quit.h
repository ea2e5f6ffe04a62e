// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace tonalis {

// Turns every signal that would end the process (SIGINT, SIGTERM, SIGHUP,
// SIGQUIT, SIGUSR1, SIGALRM, ...) into a call on the event loop, so that a
// program stopped from outside leaves the way it always does: the
// transmitter released, the sound device closed. SIGPIPE is ignored. Only
// one per process.
class SignalQuit : public QObject {
  Q_OBJECT

 public:
  explicit SignalQuit(QObject* parent = nullptr);
  ~SignalQuit() override;

  // The signal that arrived, or 0.
  int received() const { return received_; }

 Q_SIGNALS:
  void signalled(int number);

 private:
  std::unique_ptr<QSocketNotifier> notifier_;
  int received_ = 0;
};

}  // namespace tonalis
