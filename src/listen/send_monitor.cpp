// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/send_monitor.h"

namespace tonalis {
namespace {

constexpr int kRate = 8000;

}  // namespace

SendMonitor::SendMonitor(AudioInput& input, QObject* parent) : QObject(parent), input_(input) {
  after_.setSingleShot(true);
  connect(&after_, &QTimer::timeout, this, &SendMonitor::end);
}

SendMonitor::~SendMonitor() { cancel(); }

std::optional<std::string> SendMonitor::start(const std::string& device) {
  cancel();
  {
    std::lock_guard<std::mutex> lock(mutex_);
    samples_.clear();
    truncated_ = false;
    limit_ = static_cast<std::size_t>(kRate) * static_cast<std::size_t>(kMaxLength.count());
  }
  int rate = kRate;
  const auto error = input_.open(
      device, kRate,
      [this](const std::int16_t* samples, std::size_t count) {
        std::lock_guard<std::mutex> lock(mutex_);
        const std::size_t room = limit_ > samples_.size() ? limit_ - samples_.size() : 0;
        if (count > room) truncated_ = true;
        samples_.insert(samples_.end(), samples, samples + std::min(count, room));
      },
      &rate);
  if (error) return error;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    rate_ = rate;
    limit_ = static_cast<std::size_t>(rate) * static_cast<std::size_t>(kMaxLength.count());
    samples_.reserve(static_cast<std::size_t>(rate) * 10);
  }
  recording_ = true;
  return std::nullopt;
}

void SendMonitor::finish(std::chrono::milliseconds after) {
  if (recording_ && !after_.isActive()) after_.start(after);
}

void SendMonitor::cancel() {
  after_.stop();
  if (!recording_) return;
  recording_ = false;
  input_.close();
}

void SendMonitor::end() {
  if (!recording_) return;
  recording_ = false;
  input_.close();  // the device's thread delivers nothing more
  std::vector<std::int16_t> samples;
  bool truncated = false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    samples.swap(samples_);
    truncated = truncated_;
  }
  Q_EMIT recorded(samples, rate_, truncated);
}

}  // namespace tonalis
