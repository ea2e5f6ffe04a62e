// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone/tone_player.h"

#include <QMetaObject>
#include <QPointer>

namespace tonalis {

std::string ResultCodeText(int code) { return (code >= 0 ? " " : "") + std::to_string(code); }

TonePlayer::TonePlayer(AudioOutput& output, MessageSink& messages, QObject* parent)
    : QObject(parent), output_(output), messages_(messages) {
  watchdog_.setSingleShot(true);
  connect(&watchdog_, &QTimer::timeout, this, &TonePlayer::onWatchdog);
}

TonePlayer::~TonePlayer() {
  ++generation_;
  if (soundBusy_) output_.reset();
}

TonePlayer::Prepared TonePlayer::prepare(RenderedSequence sequence) {
  if (soundBusy_) return Prepared::Refused;
  failure_.clear();
  if (sequence.count == 0) return Prepared::Refused;
  sequence_ = std::move(sequence);
  soundBusy_ = true;
  if (const int e = output_.open(); e != 0) {
    fail("1. waveOutOpen failed - ", e, "the sound device could not be opened", Emit::Never);
    return Prepared::Failed;
  }
  prepared_ = true;
  return Prepared::Ready;
}

void TonePlayer::start() {
  if (!prepared_) return;
  prepared_ = false;
  const unsigned generation = ++generation_;
  QPointer<TonePlayer> self(this);
  const int e = output_.start(sequence_.samples.get(), sequence_.count, [self, generation] {
    const auto at = std::chrono::steady_clock::now();
    // From the device's thread to ours; dropped if the player is gone.
    if (self)
      QMetaObject::invokeMethod(
          self.data(),
          [self, generation, at] {
            if (self) self->onDeviceFinished(generation, at);
          },
          Qt::QueuedConnection);
  });
  if (e != 0) {
    fail("2. waveOutPrepareHeader failed - ", e, "the sound device would not start", Emit::Later);
    return;
  }
  started_ = std::chrono::steady_clock::now();
  const auto length = std::chrono::milliseconds(sequence_.count * 1000 / static_cast<std::int64_t>(kSampleRate));
  watchdog_.start(length + watchdogMargin_ + length / 4);
}

void TonePlayer::cancel() {
  if (!prepared_) return;
  prepared_ = false;
  closeWaveOut();
  end(Emit::Never);
}

bool TonePlayer::play(RenderedSequence sequence) {
  switch (prepare(std::move(sequence))) {
    case Prepared::Refused:
      return false;
    case Prepared::Failed:
      QMetaObject::invokeMethod(this, &TonePlayer::finished, Qt::QueuedConnection);
      return true;
    case Prepared::Ready:
      start();
      return true;
  }
  return false;
}

void TonePlayer::onDeviceFinished(unsigned generation, std::chrono::steady_clock::time_point at) {
  if (generation != generation_ || !soundBusy_) return;
  watchdog_.stop();
  effectiveTimeMs_ =
      static_cast<std::int32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(at - started_).count());
  // The sequence has played: a device that then fails to let go has still
  // put it on the air.
  if (const int e = output_.stop(); e != 0) {
    fail("4. waveOutUnPrepareHeader failed - 1 - ", e, "", Emit::Now);
    return;
  }
  if (const int e = output_.close(); e != 0)
    messages_.showMessage(
        {" SuonaSequenza", "5. waveOutClose failed - " + ResultCodeText(e), UserMessage::Icon::Error});
  end();
}

void TonePlayer::onWatchdog() {
  if (!soundBusy_) return;
  ++generation_;
  closeWaveOut();
  failure_ = "the sound device stopped playing";
  messages_.showMessage({" SuonaSequenza",
                         "The sound device did not finish playing the sequence in time; playback was stopped.",
                         UserMessage::Icon::Error});
  end();
}

void TonePlayer::fail(const std::string& text, int code, const std::string& failure, Emit when) {
  failure_ = failure;
  messages_.showMessage({" SuonaSequenza", text + ResultCodeText(code), UserMessage::Icon::Error});
  closeWaveOut();
  end(when);
}

void TonePlayer::closeWaveOut() {
  output_.reset();
  soundBusy_ = false;
}

void TonePlayer::end(Emit when) {
  watchdog_.stop();
  soundBusy_ = false;
  prepared_ = false;
  sequence_ = RenderedSequence{};  // the buffer can be large: give it back now
  // A failure inside play() reports its end after play() has returned.
  if (when == Emit::Later)
    QMetaObject::invokeMethod(this, &TonePlayer::finished, Qt::QueuedConnection);
  else if (when == Emit::Now)
    Q_EMIT finished();
}

}  // namespace tonalis
