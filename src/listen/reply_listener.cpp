// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/reply_listener.h"

namespace tonalis {
namespace {

// Our own send's echo is over once no digit has sounded for this long; the
// reply is decoded from where the last one ended. Beyond the limit (digits
// that go on: another station) decoding starts all the same.
constexpr double kEchoQuietSeconds = 0.1;
constexpr double kEchoLimitSeconds = 3;

}  // namespace

ReplyListener::ReplyListener(AudioInput& input, QObject* parent) : QObject(parent), live_(input) {
  limit_.setSingleShot(true);
  connect(&limit_, &QTimer::timeout, this, &ReplyListener::stop);
}

ReplyListener::~ReplyListener() = default;

std::optional<std::string> ReplyListener::start(const std::string& device, std::optional<double> dotMs,
                                                std::chrono::milliseconds limit) {
  stop();
  text_.clear();
  if (const auto error = live_.open(device, [this](const std::int16_t* s, std::size_t n) { take(s, n); }))
    return error;
  MorseDecoder::Options options;
  options.sampleRate = live_.rate();
  echo_.emplace(live_.rate());
  leading_.clear();
  echoEnd_ = 0;
  options.dotMs = dotMs;
  decoder_ = std::make_unique<MorseDecoder>(options);
  listening_ = true;
  limit_.start(limit);
  return std::nullopt;
}

void ReplyListener::take(const std::int16_t* samples, std::size_t count) {
  if (!decoder_) return;
  std::vector<std::int16_t> heard(samples, samples + count);
  if (!pastOwnEcho(heard)) {
    if (!ending_) return;
    // Ended while the echo might go on: what was held is read all the same.
    heard = std::move(leading_);
    leading_.clear();
    echo_.reset();
  }
  const std::string more = decoder_->push(heard.data(), heard.size());
  if (!more.empty()) {
    text_ += QString::fromStdString(more);
    Q_EMIT textChanged(text_);
  }
  const bool began = !text_.trimmed().isEmpty();
  if (!ending_ && began && !decoder_->inMark() &&
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
  const auto from = std::min(leading_.size(), static_cast<std::size_t>(echoEnd_ * live_.rate()));
  samples.assign(leading_.begin() + static_cast<long>(from), leading_.end());
  leading_.clear();
  echo_.reset();
  return true;
}

void ReplyListener::stop() {
  if (!listening_) return;
  listening_ = false;
  limit_.stop();
  ending_ = true;
  live_.close();  // what is left is read first
  ending_ = false;
  const std::string more = decoder_->finish();
  if (!more.empty()) {
    text_ += QString::fromStdString(more);
    Q_EMIT textChanged(text_);
  }
  text_ = text_.trimmed();
  Q_EMIT finished(text_);
}

}  // namespace tonalis
