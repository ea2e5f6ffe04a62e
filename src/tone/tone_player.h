// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdint>

#include "config/user_message.h"
#include "tone/audio_output.h"
#include "tone/synthesis.h"

namespace tonalis {

// The one tone player: plays a rendered sequence once on the sound device
// and reports when the device has played it all. Completion comes from the
// device's own thread as a queued call; nothing polls and nothing blocks.
//
// Opening and starting are two steps so that the sender can open the device
// before it keys the transmitter: a missing or busy device is found with the
// transmitter still off.
class TonePlayer : public QObject {
  Q_OBJECT

 public:
  TonePlayer(AudioOutput& output, MessageSink& messages, QObject* parent = nullptr);
  ~TonePlayer() override;

  enum class Prepared {
    Ready,    // the device is open; start() plays
    Refused,  // an empty sequence, or one is already playing: nothing happened
    Failed,   // the device could not be opened: said in a box, nothing to play
  };
  // Takes the sequence and opens the device (SoundBusy from here on).
  Prepared prepare(RenderedSequence sequence);
  // Plays what prepare() took; `finished` follows, also when it fails.
  void start();
  // Closes a device that prepare() opened and start() never used.
  void cancel();

  // prepare() then start(); false (and nothing happens) when refused.
  // Failures are reported in message boxes titled " SuonaSequenza";
  // `finished` follows every start, failed or not.
  bool play(RenderedSequence sequence);

  bool soundBusy() const { return soundBusy_; }
  // How long the last completed playback took, from start to completion.
  std::int32_t effectiveTimeMs() const { return effectiveTimeMs_; }
  // Why the last sequence did not play to its end, in a few words; empty when
  // it did.
  const std::string& failure() const { return failure_; }

  // Extra time the device gets beyond the sequence's own length before the
  // player gives up on it.
  void setWatchdogMargin(std::chrono::milliseconds margin) { watchdogMargin_ = margin; }

 Q_SIGNALS:
  void finished();

 private:
  void onDeviceFinished(unsigned generation, std::chrono::steady_clock::time_point at);
  void onWatchdog();
  enum class Emit { Now, Later, Never };
  void fail(const std::string& text, int code, const std::string& failure, Emit when);
  void closeWaveOut();
  void end(Emit when = Emit::Now);

  AudioOutput& output_;
  MessageSink& messages_;
  RenderedSequence sequence_;
  bool soundBusy_ = false;
  bool prepared_ = false;
  std::int32_t effectiveTimeMs_ = 0;
  std::string failure_;
  unsigned generation_ = 0;  // tells a stale completion from the current one
  std::chrono::steady_clock::time_point started_;
  std::chrono::milliseconds watchdogMargin_{3000};
  QTimer watchdog_;
};

// " 12" for 12, "-9996" for -9996: how the player's messages show a code.
std::string ResultCodeText(int code);

}  // namespace tonalis
