// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QObject>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "journal/journal.h"
#include "listen/dtmf_decoder.h"
#include "listen/dtmf_sequences.h"
#include "listen/live_audio.h"
#include "tone/audio_input.h"

namespace tonalis {

// Listens to the channel for as long as it is asked (a receiver's audio, for
// days): each DTMF sequence heard comes out with the local time its first
// digit began, and is kept in the journal as a "heard" record. The samples
// come on the device's thread and are decoded here, on a timer, as they
// arrive; nothing is kept but the decoder's state, so the memory it needs
// does not grow with time.
class ChannelListener : public QObject {
  Q_OBJECT

 public:
  ChannelListener(AudioInput& input, JournalSink& journal, QObject* parent = nullptr);
  ~ChannelListener() override;

  // Starts listening on `device` (empty: the default); the reason when it
  // cannot be opened.
  std::optional<std::string> start(const std::string& device, double gapSeconds = kSequenceGapSeconds);
  // Stops; a sequence still open is said first.
  void stop();
  bool listening() const { return listening_; }

  // Without audio from the device for this long, it is said to have stalled.
  static constexpr int kStallSeconds = 10;

 Q_SIGNALS:
  void heard(const QDateTime& when, const QString& sequence);
  // The device stopped delivering audio (unplugged, a FIFO whose writer
  // went away), or delivers again.
  void stalled(bool stalled);

 private:
  void take(const std::int16_t* samples, std::size_t count);
  void say(const HeardSequence& sequence);

  LiveAudio live_;
  JournalSink& journal_;
  std::string device_;
  std::optional<DtmfDecoder> decoder_;
  std::optional<SequenceAssembler> sequences_;
  bool stalled_ = false;
  bool listening_ = false;
};

}  // namespace tonalis
