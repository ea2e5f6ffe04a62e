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

bool TonePlayer::play(RenderedSequence sequence) {
  if (sequence.count == 0 || soundBusy_) return false;
  sequence_ = std::move(sequence);
  soundBusy_ = true;
  const unsigned generation = ++generation_;

  if (const int e = output_.open(); e != 0) {
    fail("1. waveOutOpen failed - ", e, Emit::Later);
    return true;
  }
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
    fail("2. waveOutPrepareHeader failed - ", e, Emit::Later);
    return true;
  }
  started_ = std::chrono::steady_clock::now();
  const auto length = std::chrono::milliseconds(sequence_.count * 1000 / static_cast<std::int64_t>(kSampleRate));
  watchdog_.start(length + watchdogMargin_ + length / 4);
  return true;
}

void TonePlayer::onDeviceFinished(unsigned generation, std::chrono::steady_clock::time_point at) {
  if (generation != generation_ || !soundBusy_) return;
  watchdog_.stop();
  effectiveTimeMs_ =
      static_cast<std::int32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(at - started_).count());
  if (const int e = output_.stop(); e != 0) {
    fail("4. waveOutUnPrepareHeader failed - 1 - ", e, Emit::Now);
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
  messages_.showMessage({" SuonaSequenza",
                         "The sound device did not finish playing the sequence in time; playback was stopped.",
                         UserMessage::Icon::Error});
  end();
}

void TonePlayer::fail(const std::string& text, int code, Emit when) {
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
  sequence_ = RenderedSequence{};  // the buffer can be large: give it back now
  // A failure inside play() reports its end after play() has returned.
  if (when == Emit::Later)
    QMetaObject::invokeMethod(this, &TonePlayer::finished, Qt::QueuedConnection);
  else
    Q_EMIT finished();
}

}  // namespace tonalis
