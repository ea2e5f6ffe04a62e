// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/send_monitor.h"

namespace tonalis {
namespace {

constexpr int kRate = 8000;
constexpr auto kPoll = std::chrono::milliseconds(100);
// What waits for measuring may not grow without end (a device that delivers
// faster than time): beyond this much the oldest is let go.
constexpr std::size_t kMaxWaiting = kRate * 30;

}  // namespace

SendMonitor::SendMonitor(AudioInput& input, QObject* parent) : QObject(parent), input_(input) {
  after_.setSingleShot(true);
  poll_.setInterval(kPoll);
  connect(&after_, &QTimer::timeout, this, &SendMonitor::end);
  connect(&poll_, &QTimer::timeout, this, &SendMonitor::drain);
}

SendMonitor::~SendMonitor() { cancel(); }

std::optional<std::string> SendMonitor::start(const std::string& device) {
  cancel();
  {
    std::lock_guard<std::mutex> lock(mutex_);
    incoming_.clear();
  }
  kept_.clear();
  truncated_ = false;
  int rate = kRate;
  const auto error = input_.open(
      device, kRate,
      [this](const std::int16_t* samples, std::size_t count) {
        std::lock_guard<std::mutex> lock(mutex_);
        incoming_.insert(incoming_.end(), samples, samples + count);
        if (incoming_.size() > kMaxWaiting)
          incoming_.erase(incoming_.begin(), incoming_.end() - static_cast<long>(kMaxWaiting));
      },
      &rate);
  if (error) return error;
  rate_ = rate;
  meter_.emplace(rate);
  recording_ = true;
  poll_.start();
  return std::nullopt;
}

void SendMonitor::finish(std::chrono::milliseconds after) {
  if (recording_ && !after_.isActive()) after_.start(after);
}

void SendMonitor::cancel() {
  after_.stop();
  poll_.stop();
  if (!recording_) return;
  recording_ = false;
  input_.close();
}

void SendMonitor::drain() {
  std::vector<std::int16_t> samples;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    samples.swap(incoming_);
  }
  meter_->push(samples.data(), samples.size());
  if (!keep_) return;
  const std::size_t limit = static_cast<std::size_t>(rate_) * static_cast<std::size_t>(kMaxKept.count());
  const std::size_t room = limit - kept_.size();
  if (samples.size() > room) truncated_ = true;
  kept_.insert(kept_.end(), samples.begin(), samples.begin() + static_cast<long>(std::min(samples.size(), room)));
}

void SendMonitor::end() {
  if (!recording_) return;
  recording_ = false;
  poll_.stop();
  input_.close();  // the device's thread delivers nothing more
  drain();
  meter_->finish();
  const std::vector<std::int16_t> kept = std::move(kept_);
  kept_.clear();
  Q_EMIT recorded(*meter_, kept, rate_, truncated_);
}

}  // namespace tonalis
