// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <memory>

#include "config/user_message.h"
#include "tone/audio_output.h"
#include "tone/device_thread.h"
#include "tone/synthesis.h"

namespace tonalis {

inline constexpr std::chrono::milliseconds kDeviceTimeout{5000};

// The sound device a player plays on. Owned, it is shared with the calls the
// player makes: a call still under way when the player goes keeps it until
// that call returns, and the last one closes it on the device's thread, so
// the owner's thread never waits for a device. Borrowed, it must outlive the
// player and every call it makes.
struct OutputHandle {
  template <typename T>
  OutputHandle(std::shared_ptr<T> owned) : device(std::move(owned)), owned(true) {}
  OutputHandle(AudioOutput& borrowed) : device(&borrowed, [](AudioOutput*) {}), owned(false) {}
  std::shared_ptr<AudioOutput> device;
  bool owned;
};

// The one tone player: plays a rendered sequence once on the sound device
// and reports when the device has played it all. Every call into the device
// runs on a thread of its own (a device can block: a hung sound server, a
// FIFO nobody reads) and its result comes back as a queued call; nothing
// polls and nothing blocks. A device that does not open within
// kDeviceTimeout is reported as not responding, and the player refuses to
// use it until that call has returned.
//
// Opening and starting are two steps so that the sender can open the device
// before it keys the transmitter: a missing, busy or hung device is found
// with the transmitter still off.
class TonePlayer : public QObject {
  Q_OBJECT

 public:
  TonePlayer(OutputHandle output, MessageSink& messages, QObject* parent = nullptr);
  ~TonePlayer() override;

  // Takes the sequence and opens the device (SoundBusy from here on);
  // `prepared` follows, once the device is open or has failed to open (said
  // in a box). False, and nothing happens, for an empty sequence or while
  // one is playing.
  bool prepare(RenderedSequence sequence);
  // Plays what prepare() opened; `finished` follows, also when it fails.
  void start();
  // Closes a device that prepare() is opening or opened and start() never
  // used; no signal follows.
  void cancel();
  // Stops a sequence that is playing (or not yet started) and closes the
  // device; `finished` follows, with failure() set to `why`.
  void abort(const std::string& why);

  // prepare() then start(); false (and nothing happens) when refused.
  // Failures are reported in message boxes titled " SuonaSequenza";
  // `finished` follows every start, failed or not.
  bool play(RenderedSequence sequence);

  bool soundBusy() const { return soundBusy_; }
  // How long the last completed playback took, from start to completion.
  std::int32_t effectiveTimeMs() const { return effectiveTimeMs_; }
  // How many samples of the last sequence reached the device: all of a
  // completed one, those of the time it played for one stopped.
  std::int64_t playedSamples() const { return playedSamples_; }
  // Why the last sequence did not play to its end, in a few words; empty when
  // it did.
  const std::string& failure() const { return failure_; }

  // Extra time the device gets beyond the sequence's own length before the
  // player gives up on it.
  void setWatchdogMargin(std::chrono::milliseconds margin) { watchdogMargin_ = margin; }
  // How long the device may take to open before it counts as not responding.
  void setDeviceTimeout(std::chrono::milliseconds timeout) { deviceTimeout_ = timeout; }
  // A call into the device is still under way (perhaps stuck).
  bool deviceBusy() const { return device_.busy(); }

 Q_SIGNALS:
  void prepared(bool ready);
  void finished();

 private:
  enum class Stage { Idle, Opening, Open, Playing, Closing };
  void onOpened(unsigned generation, int error);
  void onStarted(unsigned generation, int error);
  void onDeviceFinished(unsigned generation, std::chrono::steady_clock::time_point at);
  void onStopped(int stopError, int closeError);
  void onWatchdog();
  enum class Emit { Now, Later, Never };
  void fail(const std::string& text, int code, const std::string& failure, Emit when);
  void closeWaveOut();
  void end(Emit when = Emit::Now);

  std::shared_ptr<AudioOutput> output_;
  MessageSink& messages_;
  RenderedSequence sequence_;
  Stage stage_ = Stage::Idle;
  bool soundBusy_ = false;
  std::int32_t effectiveTimeMs_ = 0;
  std::int64_t playedSamples_ = 0;
  std::chrono::steady_clock::time_point playStart_;  // on this thread, for a stop's count
  std::string failure_;
  unsigned generation_ = 0;  // tells a stale completion from the current one
  // Written on the device's thread before it starts; read after it finished.
  std::shared_ptr<std::chrono::steady_clock::time_point> startedAt_ =
      std::make_shared<std::chrono::steady_clock::time_point>();
  std::chrono::milliseconds watchdogMargin_{3000};
  std::chrono::milliseconds deviceTimeout_{kDeviceTimeout};
  QTimer watchdog_;
  DeviceThread device_;  // last: it goes first, while the rest is still here
};

// " 12" for 12, "-9996" for -9996: how the player's messages show a code.
std::string ResultCodeText(int code);

}  // namespace tonalis
