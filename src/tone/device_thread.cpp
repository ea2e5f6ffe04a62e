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
std::atomic<int> gLeftBehind{0};
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
  std::thread thread;

  void loop() {
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
      wake.wait(lock, [this] { return stop || !jobs.empty(); });
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

DeviceThread::DeviceThread(QObject* context) : state_(std::make_shared<State>()) {
  state_->context = context;
  state_->thread = std::thread([state = state_] { state->loop(); });
}

DeviceThread::~DeviceThread() {
  bool stuck = false;
  {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->context = nullptr;
    state_->stop = true;
    stuck = state_->running;
  }
  state_->wake.notify_one();
  if (stuck) {
    ++gLeftBehind;
    state_->thread.detach();  // it holds the state; it ends if the call ever returns
  } else {
    state_->thread.join();
  }
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

bool DeviceCallLeftBehind() { return gLeftBehind > 0; }

}  // namespace tonalis
