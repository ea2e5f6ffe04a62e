// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/channel_watch.h"

namespace tonalis {

ChannelWatch::ChannelWatch(JournalSink& journal, QObject* parent)
    : QObject(parent), listener_(input_, journal, this) {
  connect(&listener_, &ChannelListener::heard, this, [this](const QDateTime& when, const QString& sequence) {
    ++count_;
    Q_EMIT heard(when, sequence);
    Q_EMIT changed();
  });
}

void ChannelWatch::setDevice(const std::string& device) {
  if (device == device_) return;
  device_ = device;
  if (!on_ || paused_) return;
  listener_.stop();
  if (const auto error = listener_.start(device_)) failure_ = QString::fromStdString(*error);
  Q_EMIT changed();
}

std::optional<std::string> ChannelWatch::setOn(bool on) {
  if (on == on_) return std::nullopt;
  failure_.clear();
  if (!on) {
    on_ = paused_ = false;
    listener_.stop();
    Q_EMIT changed();
    return std::nullopt;
  }
  if (auto error = listener_.start(device_)) return error;
  on_ = true;
  since_ = QDateTime::currentDateTime();
  count_ = 0;
  Q_EMIT changed();
  return std::nullopt;
}

void ChannelWatch::pauseForSend() {
  if (!on_ || paused_) return;
  paused_ = true;
  listener_.stop();
  Q_EMIT changed();
}

void ChannelWatch::resumeAfterSend() {
  if (!on_ || !paused_) return;
  paused_ = false;
  failure_.clear();
  if (const auto error = listener_.start(device_)) failure_ = QString::fromStdString(*error);
  Q_EMIT changed();
}

QString ChannelWatch::state() const {
  if (!on_) return tr("Not listening to the channel.");
  if (paused_) return tr("Listening paused while we send.");
  if (!failure_.isEmpty()) return tr("Cannot listen: %1.").arg(failure_);
  const QString device = device_.empty() ? tr("the default input device") : QString::fromStdString(device_);
  return tr("Listening on %1 since %2: %3 sequence(s) heard.")
      .arg(device, since_.toString("HH:mm"), QString::number(count_));
}

}  // namespace tonalis
