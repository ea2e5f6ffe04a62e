// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "tone/audio_input.h"

namespace tonalis {

// An input device's samples, brought from the device's thread to this one
// every kPoll, for a decoder that takes them as they come. What waits for
// the next poll is bounded (a device that delivers faster than time loses
// its oldest), so the memory it needs stays the same however long it runs.
class LiveAudio : public QObject {
  Q_OBJECT

 public:
  // What arrived since the last poll; called at every poll, with nothing too.
  using Block = std::function<void(const std::int16_t* samples, std::size_t count)>;

  explicit LiveAudio(AudioInput& input, QObject* parent = nullptr);
  ~LiveAudio() override;

  // Opens `device` (empty: the default) at kRate, or the rate it has; the
  // reason when it cannot be opened.
  std::optional<std::string> open(const std::string& device, Block block);
  // Closes the device, handing over what is left first.
  void close();
  bool isOpen() const { return open_; }
  int rate() const { return rate_; }
  // When the newest sample handed over reached us (ms since 1970, UTC).
  qint64 newestAtMs() const { return newestAtMs_; }

  static constexpr int kRate = 8000;
  static constexpr std::chrono::milliseconds kPoll{50};
  static constexpr std::size_t kMaxWaiting = kRate * 30;

 private:
  void drain();

  AudioInput& input_;
  Block block_;
  std::mutex mutex_;  // what the device's thread touches
  std::vector<std::int16_t> incoming_;
  qint64 deliveredAtMs_ = 0;
  qint64 newestAtMs_ = 0;
  int rate_ = kRate;
  bool open_ = false;
  QTimer poll_;
};

}  // namespace tonalis
