// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "tone/audio_input.h"

namespace tonalis {

// Records our own transmission from an input device (a second receiver, or
// the radio's monitor output): from just before a send until a little after
// it, since what the air carries reaches the input late by the receiver's and
// the sound card's delays. The samples come on the device's thread.
class SendMonitor : public QObject {
  Q_OBJECT

 public:
  explicit SendMonitor(AudioInput& input, QObject* parent = nullptr);
  ~SendMonitor() override;

  // Starts recording on `device` (empty: the default); the reason when the
  // device cannot be opened.
  std::optional<std::string> start(const std::string& device);
  // The send is over: records on for `after`, then closes the device and
  // emits `recorded`.
  void finish(std::chrono::milliseconds after = kAfterSend);
  // Stops at once, emitting nothing.
  void cancel();
  bool recording() const { return recording_; }

  static constexpr std::chrono::milliseconds kAfterSend{1000};
  // The longest recording kept; a longer send is monitored for its first ten minutes.
  static constexpr std::chrono::seconds kMaxLength{600};

 Q_SIGNALS:
  // What was recorded, at `rate`; `truncated` when the send outlasted kMaxLength.
  void recorded(const std::vector<std::int16_t>& samples, int rate, bool truncated);

 private:
  void end();

  AudioInput& input_;
  std::mutex mutex_;
  std::vector<std::int16_t> samples_;  // from the device's thread
  std::size_t limit_ = 0;
  bool truncated_ = false;
  int rate_ = 0;
  bool recording_ = false;
  QTimer after_;
};

}  // namespace tonalis
