// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/channel_listener.h"

#include <cmath>

#include "journal/journal_clock.h"

namespace tonalis {

ChannelListener::ChannelListener(AudioInput& input, JournalSink& journal, QObject* parent)
    : QObject(parent), live_(input), journal_(journal) {}

ChannelListener::~ChannelListener() = default;

std::optional<std::string> ChannelListener::start(const std::string& device, double gapSeconds) {
  stop();
  if (const auto error = live_.open(device, [this](const std::int16_t* s, std::size_t n) { take(s, n); }))
    return error;
  device_ = device;
  decoder_.emplace(live_.rate());
  sequences_.emplace(gapSeconds);
  stalled_ = false;
  listening_ = true;
  return std::nullopt;
}

void ChannelListener::stop() {
  if (!listening_) return;
  live_.close();  // what is left is decoded first
  listening_ = false;
  for (const auto& d : decoder_->finish())
    if (const auto closed = sequences_->digit(d.digit, d.start, d.duration)) say(*closed);
  if (const auto closed = sequences_->close()) say(*closed);
}

void ChannelListener::take(const std::int16_t* samples, std::size_t count) {
  for (const auto& d : decoder_->push(samples, count))
    if (const auto closed = sequences_->digit(d.digit, d.start, d.duration)) say(*closed);
  // A digit sounding may still belong to the open sequence.
  if (!decoder_->hearing())
    if (const auto closed = sequences_->quiet(decoder_->time())) say(*closed);
  // (What is left as it closes says nothing of the device.)
  if (!live_.isOpen()) return;
  const bool stalled = QDateTime::currentMSecsSinceEpoch() - live_.newestAtMs() >= kStallSeconds * 1000;
  if (stalled != stalled_) Q_EMIT this->stalled(stalled_ = stalled);
}

void ChannelListener::say(const HeardSequence& sequence) {
  // The newest sample decoded came at newestAtMs(); the sequence began this long before it.
  const double before = decoder_->time() - sequence.start;
  const qint64 at = live_.newestAtMs() - static_cast<qint64>(std::llround(before * 1000));
  JournalRecord record = NewJournalRecordAt("heard", at);
  record.what = sequence.digits;
  record.detail = "on " + (device_.empty() ? std::string("the default input") : device_);
  journal_.append(record);
  Q_EMIT heard(QDateTime::fromMSecsSinceEpoch(at), QString::fromStdString(sequence.digits));
}

}  // namespace tonalis
