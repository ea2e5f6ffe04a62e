// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/send_monitor.h"

namespace tonalis {

SendMonitor::SendMonitor(AudioInput& input, QObject* parent) : QObject(parent), live_(input) {
  after_.setSingleShot(true);
  connect(&after_, &QTimer::timeout, this, &SendMonitor::end);
}

SendMonitor::~SendMonitor() { cancel(); }

std::optional<std::string> SendMonitor::start(const std::string& device) {
  cancel();
  kept_.clear();
  truncated_ = false;
  if (const auto error = live_.open(device, [this](const std::int16_t* s, std::size_t n) { take(s, n); }))
    return error;
  meter_.emplace(live_.rate());
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
  live_.close();
}

void SendMonitor::take(const std::int16_t* samples, std::size_t count) {
  if (!recording_) return;
  meter_->push(samples, count);
  if (!keep_) return;
  const std::size_t limit = static_cast<std::size_t>(live_.rate()) * static_cast<std::size_t>(kMaxKept.count());
  const std::size_t room = limit - kept_.size();
  if (count > room) truncated_ = true;
  kept_.insert(kept_.end(), samples, samples + std::min(count, room));
}

void SendMonitor::end() {
  if (!recording_) return;
  live_.close();  // what is left is taken first
  recording_ = false;
  meter_->finish();
  const std::vector<std::int16_t> kept = std::move(kept_);
  kept_.clear();
  Q_EMIT recorded(*meter_, kept, live_.rate(), truncated_);
}

}  // namespace tonalis
