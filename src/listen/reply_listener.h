// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <memory>
#include <vector>

#include "listen/dtmf_decoder.h"
#include "listen/live_audio.h"
#include "listen/morse_decoder.h"
#include "tone/audio_input.h"

namespace tonalis {

// Listens for the board's Morse reply after a send: records from an input
// device for up to a set time, decoding as it goes, and stops early once a
// reply has begun and nothing has been keyed for two seconds. The samples
// come on the device's thread; they are decoded here, on a timer.
//
// A receiver on the frequency hears our own send too, late by its delays:
// the DTMF that leads the audio is never the board's reply, so decoding
// starts after the last digit heard there, once none has sounded for a while.
class ReplyListener : public QObject {
  Q_OBJECT

 public:
  explicit ReplyListener(AudioInput& input, QObject* parent = nullptr);
  ~ReplyListener() override;

  // Starts listening on `device` (empty: the default); the reason when the
  // device cannot be opened.
  std::optional<std::string> start(const std::string& device, std::optional<double> dotMs,
                                   std::chrono::milliseconds limit);
  void stop();
  bool listening() const { return listening_; }
  const QString& text() const { return text_; }

  // After a reply began, this long without a mark ends the listening.
  static constexpr std::chrono::milliseconds kQuietAfterReply{2000};

 Q_SIGNALS:
  // The text so far, as it grows.
  void textChanged(const QString& text);
  // Listening ended: the whole reply, empty when none was heard.
  void finished(const QString& text);

 private:
  void take(const std::int16_t* samples, std::size_t count);
  // Lets through what follows our own send's echo; false while it may go on.
  bool pastOwnEcho(std::vector<std::int16_t>& samples);

  LiveAudio live_;
  std::unique_ptr<MorseDecoder> decoder_;
  QTimer limit_;
  bool ending_ = false;
  QString text_;
  bool listening_ = false;
  std::optional<DtmfDecoder> echo_;    // until past our own send's echo
  std::vector<std::int16_t> leading_;  // the audio meanwhile
  double echoEnd_ = 0;                 // seconds in, where the last digit ended
};

}  // namespace tonalis
