// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone/device_thread.h"

#include <QMetaObject>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace tonalis {
namespace {
// The threads left behind that have not ended yet.
std::mutex gLeftMutex;
std::condition_variable gLeftEnded;
int gLeftBehind = 0;

void LeftThreadEnded() {
  {
    std::lock_guard<std::mutex> lock(gLeftMutex);
    --gLeftBehind;
  }
  gLeftEnded.notify_all();
}
}  // namespace

struct DeviceThread::State {
  struct Job {
    std::function<int()> job;
    std::function<void(int)> done;
  };
  std::mutex mutex;
  std::condition_variable wake;
  std::deque<Job> jobs;
  bool running = false;  // a job is under way
  bool stop = false;
  QObject* context = nullptr;  // null once the owner is gone
  bool leftBehind = false;  // detached: it counts itself out when it ends
  bool dropQueued = false;  // left behind with jobs whose objects are gone
  std::thread thread;

  void run() {
    loop();
    std::unique_lock<std::mutex> lock(mutex);
    if (leftBehind) {
      lock.unlock();
      LeftThreadEnded();
    }
  }

  void loop() {
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
      wake.wait(lock, [this] { return stop || !jobs.empty(); });
      if (dropQueued) jobs.clear();
      if (jobs.empty()) return;
      Job next = std::move(jobs.front());
      jobs.pop_front();
      running = true;
      lock.unlock();
      const int result = next.job();
      lock.lock();
      running = false;
      // Posted under the lock: the owner cannot go in between.
      if (context && next.done)
        QMetaObject::invokeMethod(
            context, [done = std::move(next.done), result] { done(result); }, Qt::QueuedConnection);
    }
  }
};

DeviceThread::DeviceThread(QObject* context, OnExit onExit) : state_(std::make_shared<State>()), onExit_(onExit) {
  state_->context = context;
  state_->thread = std::thread([state = state_] { state->run(); });
}

DeviceThread::~DeviceThread() {
  bool leave = false;
  {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->context = nullptr;
    state_->stop = true;
    leave = state_->running || (onExit_ == OnExit::LeaveBusy && !state_->jobs.empty());
    if (leave) {
      state_->leftBehind = true;
      state_->dropQueued = onExit_ == OnExit::RunQueued;
      std::lock_guard<std::mutex> count(gLeftMutex);
      ++gLeftBehind;
    }
  }
  state_->wake.notify_one();
  if (leave)
    state_->thread.detach();  // it holds the state; it ends once its calls return
  else
    state_->thread.join();
}

void DeviceThread::run(std::function<int()> job, std::function<void(int)> done) {
  {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->jobs.push_back({std::move(job), std::move(done)});
  }
  state_->wake.notify_one();
}

bool DeviceThread::busy() const {
  std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->running || !state_->jobs.empty();
}

bool DeviceCallsEnded(std::chrono::milliseconds wait) {
  std::unique_lock<std::mutex> lock(gLeftMutex);
  return gLeftEnded.wait_for(lock, wait, [] { return gLeftBehind == 0; });
}

}  // namespace tonalis
