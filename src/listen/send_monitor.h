// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "listen/dtmf_measure.h"
#include "listen/live_audio.h"
#include "tone/audio_input.h"

namespace tonalis {

// Listens to our own transmission on an input device (a second receiver, or
// the radio's monitor output) from just before a send until a little after
// it, since what the air carries reaches the input late by the receiver's and
// the sound card's delays. The samples come on the device's thread; they are
// decoded and measured here, on a timer, as they arrive: however long the
// send, nothing is kept but what is measured, unless a copy is asked for.
class SendMonitor : public QObject {
  Q_OBJECT

 public:
  explicit SendMonitor(AudioInput& input, QObject* parent = nullptr);
  ~SendMonitor() override;

  // Starts on `device` (empty: the default); the reason when the device
  // cannot be opened.
  std::optional<std::string> start(const std::string& device);
  // The send is over: listens on for `after`, then closes the device and
  // emits `recorded`.
  void finish(std::chrono::milliseconds after = kAfterSend);
  // Stops at once, emitting nothing.
  void cancel();
  bool recording() const { return recording_; }
  // Also keeps the recording (its first kMaxKept), for a copy of it; from
  // the next start on.
  void keepRecording(bool keep) { keep_ = keep; }

  static constexpr std::chrono::milliseconds kAfterSend{1000};
  static constexpr std::chrono::seconds kMaxKept{600};

 Q_SIGNALS:
  // What the recording showed, measured as it came; what was kept of it (at
  // `rate`), and `truncated` when more came than is kept.
  void recorded(const DtmfMeter& meter, const std::vector<std::int16_t>& kept, int rate, bool truncated);

 private:
  void take(const std::int16_t* samples, std::size_t count);
  void end();

  LiveAudio live_;
  std::optional<DtmfMeter> meter_;
  bool keep_ = false;
  std::vector<std::int16_t> kept_;
  bool truncated_ = false;
  bool recording_ = false;
  QTimer after_;
};

}  // namespace tonalis
