// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/reply_listener.h"

namespace tonalis {
namespace {

constexpr int kRate = 8000;
constexpr auto kPoll = std::chrono::milliseconds(50);
// What waits for decoding may not grow without end (a device that delivers
// faster than time): beyond this much the oldest is let go.
constexpr std::size_t kMaxWaiting = kRate * 30;
// Our own send's echo is over once no digit has sounded for this long; the
// reply is decoded from where the last one ended. Beyond the limit (digits
// that go on: another station) decoding starts all the same.
constexpr double kEchoQuietSeconds = 0.1;
constexpr double kEchoLimitSeconds = 3;

}  // namespace

ReplyListener::ReplyListener(AudioInput& input, QObject* parent) : QObject(parent), input_(input) {
  poll_.setInterval(kPoll);
  limit_.setSingleShot(true);
  connect(&poll_, &QTimer::timeout, this, &ReplyListener::drain);
  connect(&limit_, &QTimer::timeout, this, &ReplyListener::stop);
}

ReplyListener::~ReplyListener() {
  if (listening_) input_.close();
}

std::optional<std::string> ReplyListener::start(const std::string& device, std::optional<double> dotMs,
                                                std::chrono::milliseconds limit) {
  stop();
  text_.clear();
  {
    std::lock_guard<std::mutex> lock(mutex_);
    incoming_.clear();
  }
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
  MorseDecoder::Options options;
  options.sampleRate = rate;
  rate_ = rate;
  echo_.emplace(rate);
  leading_.clear();
  echoEnd_ = 0;
  options.dotMs = dotMs;
  decoder_ = std::make_unique<MorseDecoder>(options);
  listening_ = true;
  poll_.start();
  limit_.start(limit);
  return std::nullopt;
}

void ReplyListener::drain() {
  std::vector<std::int16_t> samples;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    samples.swap(incoming_);
  }
  if (!pastOwnEcho(samples)) return;
  const std::string more = decoder_->push(samples.data(), samples.size());
  if (!more.empty()) {
    text_ += QString::fromStdString(more);
    Q_EMIT textChanged(text_);
  }
  const bool began = !text_.trimmed().isEmpty();
  if (began && !decoder_->inMark() &&
      decoder_->silenceSeconds() >= std::chrono::duration<double>(kQuietAfterReply).count())
    stop();
}

bool ReplyListener::pastOwnEcho(std::vector<std::int16_t>& samples) {
  if (!echo_) return true;
  for (const DtmfDecoder::Digit& d : echo_->push(samples.data(), samples.size())) echoEnd_ = d.start + d.duration;
  leading_.insert(leading_.end(), samples.begin(), samples.end());
  const double now = echo_->time();
  if ((echo_->hearing() || now - echoEnd_ < kEchoQuietSeconds) && now < kEchoLimitSeconds) {
    samples.clear();
    return false;
  }
  const auto from = std::min(leading_.size(), static_cast<std::size_t>(echoEnd_ * rate_));
  samples.assign(leading_.begin() + static_cast<long>(from), leading_.end());
  leading_.clear();
  echo_.reset();
  return true;
}

void ReplyListener::stop() {
  if (!listening_) return;
  listening_ = false;
  poll_.stop();
  limit_.stop();
  input_.close();
  {
    std::vector<std::int16_t> rest;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      rest.swap(incoming_);
    }
    if (echo_) {
      // Ended while the echo might go on: what was held is read all the same.
      pastOwnEcho(rest);
      if (echo_) {
        rest = std::move(leading_);
        echo_.reset();
      }
    }
    std::string more = decoder_->push(rest.data(), rest.size());
    more += decoder_->finish();
    if (!more.empty()) {
      text_ += QString::fromStdString(more);
      Q_EMIT textChanged(text_);
    }
  }
  text_ = text_.trimmed();
  Q_EMIT finished(text_);
}

}  // namespace tonalis
