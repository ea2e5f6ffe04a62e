// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/channel_listener.h"

#include <cmath>

namespace tonalis {
namespace {

constexpr int kRate = 8000;
constexpr auto kPoll = std::chrono::milliseconds(100);
// A device that delivers faster than it is decoded (never, at 8000 Hz) may
// not fill memory: beyond this much waiting the oldest is let go.
constexpr std::size_t kMaxWaiting = kRate * 30;

}  // namespace

ChannelListener::ChannelListener(AudioInput& input, QObject* parent) : QObject(parent), input_(input) {
  poll_.setInterval(kPoll);
  connect(&poll_, &QTimer::timeout, this, &ChannelListener::drain);
}

ChannelListener::~ChannelListener() {
  if (listening_) input_.close();
}

std::optional<std::string> ChannelListener::start(const std::string& device, double gapSeconds) {
  stop();
  {
    std::lock_guard<std::mutex> lock(mutex_);
    incoming_.clear();
    deliveredAtMs_ = 0;
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
  decoder_.emplace(rate);
  sequences_.emplace(gapSeconds);
  lastAudioMs_ = newestAtMs_ = QDateTime::currentMSecsSinceEpoch();
  stalled_ = false;
  listening_ = true;
  poll_.start();
  return std::nullopt;
}

void ChannelListener::stop() {
  if (!listening_) return;
  listening_ = false;
  poll_.stop();
  input_.close();  // the device's thread delivers nothing more
  drain();
  for (const auto& d : decoder_->finish())
    if (const auto closed = sequences_->digit(d.digit, d.start, d.duration)) say(*closed);
  if (const auto closed = sequences_->close()) say(*closed);
}

void ChannelListener::drain() {
  std::vector<std::int16_t> samples;
  qint64 at = 0;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    samples.swap(incoming_);
    at = deliveredAtMs_;
  }
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  if (!samples.empty()) {
    newestAtMs_ = lastAudioMs_ = at;
    for (const auto& d : decoder_->push(samples.data(), samples.size()))
      if (const auto closed = sequences_->digit(d.digit, d.start, d.duration)) say(*closed);
  }
  // A digit sounding may still belong to the open sequence.
  if (!decoder_->hearing())
    if (const auto closed = sequences_->quiet(decoder_->time())) say(*closed);
  const bool stalled = listening_ && now - lastAudioMs_ >= kStallSeconds * 1000;
  if (stalled != stalled_) Q_EMIT this->stalled(stalled_ = stalled);
}

void ChannelListener::say(const HeardSequence& sequence) {
  // The newest sample decoded came at newestAtMs_; the sequence began this long before it.
  const double before = decoder_->time() - sequence.start;
  const qint64 at = newestAtMs_ - static_cast<qint64>(std::llround(before * 1000));
  Q_EMIT heard(QDateTime::fromMSecsSinceEpoch(at), QString::fromStdString(sequence.digits));
}

}  // namespace tonalis
