// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace tonalis {

// Turns SIGINT, SIGTERM and SIGHUP into a call on the event loop, so that a
// program stopped by the user leaves the way it always does: the transmitter
// released, the sound device closed. Only one per process.
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
