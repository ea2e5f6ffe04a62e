// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>
#include <memory>

namespace tonalis {

// Runs a sound device's calls one after the other on a thread of its own, so
// that a device that blocks (a hung sound server, ALSA's file device on a
// FIFO nobody reads) never blocks the window. Each result comes back as a
// call on the owner's thread; none comes after the owner is gone.
class DeviceThread {
 public:
  // `context` lives on the owner's thread and outlives this object.
  explicit DeviceThread(QObject* context);
  // Runs what is queued and waits for it, unless a call is still under way:
  // a device that never returns cannot be waited for, and is left behind.
  ~DeviceThread();
  DeviceThread(const DeviceThread&) = delete;
  DeviceThread& operator=(const DeviceThread&) = delete;

  void run(std::function<int()> job, std::function<void(int result)> done = {});
  // A call is queued or under way.
  bool busy() const;

 private:
  struct State;
  std::shared_ptr<State> state_;
};

// Whether some device call was left behind, still blocked, by a DeviceThread
// that has gone: the process should then end without its static cleanup.
bool DeviceCallLeftBehind();

}  // namespace tonalis
