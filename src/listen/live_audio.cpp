// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/live_audio.h"

#include <QDateTime>

namespace tonalis {

LiveAudio::LiveAudio(AudioInput& input, QObject* parent) : QObject(parent), input_(input) {
  poll_.setInterval(kPoll);
  connect(&poll_, &QTimer::timeout, this, &LiveAudio::drain);
}

LiveAudio::~LiveAudio() {
  if (open_) input_.close();
}

std::optional<std::string> LiveAudio::open(const std::string& device, Block block) {
  close();
  {
    std::lock_guard<std::mutex> lock(mutex_);
    incoming_.clear();
  }
  int rate = kRate;
  const auto error = input_.open(
      device, kRate,
      [this](const std::int16_t* samples, std::size_t count) {
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        std::lock_guard<std::mutex> lock(mutex_);
        incoming_.insert(incoming_.end(), samples, samples + count);
        if (incoming_.size() > kMaxWaiting)
          incoming_.erase(incoming_.begin(), incoming_.end() - static_cast<long>(kMaxWaiting));
        deliveredAtMs_ = now;
      },
      &rate);
  if (error) return error;
  rate_ = rate;
  block_ = std::move(block);
  newestAtMs_ = QDateTime::currentMSecsSinceEpoch();
  open_ = true;
  poll_.start();
  return std::nullopt;
}

void LiveAudio::close() {
  if (!open_) return;
  open_ = false;
  poll_.stop();
  input_.close();  // the device's thread delivers nothing more
  drain();
}

void LiveAudio::drain() {
  std::vector<std::int16_t> samples;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    samples.swap(incoming_);
    if (!samples.empty()) newestAtMs_ = deliveredAtMs_;
  }
  // The block may close this (a listener that has heard enough): it is kept meanwhile.
  const Block block = block_;
  if (block) block(samples.data(), samples.size());
}

}  // namespace tonalis
