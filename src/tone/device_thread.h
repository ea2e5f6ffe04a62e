// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <chrono>
#include <functional>
#include <memory>

namespace tonalis {

// Runs a sound device's calls one after the other on a thread of its own, so
// that a device that blocks (a hung sound server, ALSA's file device on a
// FIFO nobody reads) never blocks the window. Each result comes back as a
// call on the owner's thread; none comes after the owner is gone.
class DeviceThread {
 public:
  // What the destructor does with calls still queued or under way.
  enum class OnExit {
    // Runs what is queued and waits for it, unless a call is still under
    // way: a device that never returns cannot be waited for, and what is
    // queued behind it is dropped (its objects are gone by then).
    RunQueued,
    // Leaves every call, queued or under way, to finish on its own thread:
    // the jobs must own what they use. Nothing blocks the owner's thread.
    LeaveBusy,
  };
  // `context` lives on the owner's thread and outlives this object.
  explicit DeviceThread(QObject* context, OnExit onExit = OnExit::RunQueued);
  // A call left behind goes on alone; it ends when it returns.
  ~DeviceThread();
  DeviceThread(const DeviceThread&) = delete;
  DeviceThread& operator=(const DeviceThread&) = delete;

  void run(std::function<int()> job, std::function<void(int result)> done = {});
  // A call is queued or under way.
  bool busy() const;

 private:
  struct State;
  std::shared_ptr<State> state_;
  OnExit onExit_;
};

// Waits up to `wait` for the device calls that DeviceThreads left behind to
// return; false when one is still under way: the process should then end
// without its static cleanup, which would close the sound system under it.
bool DeviceCallsEnded(std::chrono::milliseconds wait);
// How long a program that is ending waits for them.
inline constexpr std::chrono::milliseconds kDeviceCallsAtExit{800};

}  // namespace tonalis
