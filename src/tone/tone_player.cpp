// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone/tone_player.h"

#include <QMetaObject>
#include <QPointer>

#include <algorithm>

namespace tonalis {

std::string ResultCodeText(int code) { return (code >= 0 ? " " : "") + std::to_string(code); }

TonePlayer::TonePlayer(OutputHandle output, MessageSink& messages, QObject* parent)
    : QObject(parent),
      output_(std::move(output.device)),
      messages_(messages),
      device_(this, output.owned ? DeviceThread::OnExit::LeaveBusy : DeviceThread::OnExit::RunQueued) {
  watchdog_.setSingleShot(true);
  connect(&watchdog_, &QTimer::timeout, this, &TonePlayer::onWatchdog);
}

TonePlayer::~TonePlayer() {
  ++generation_;
  if (soundBusy_) closeWaveOut();
}

bool TonePlayer::prepare(RenderedSequence sequence) {
  if (soundBusy_ || sequence.count == 0) return false;
  failure_.clear();
  sequence_ = std::move(sequence);
  soundBusy_ = true;
  if (device_.busy()) {
    // An earlier call never came back: this one would queue behind it.
    failure_ = tr("the sound device does not respond").toStdString();
    messages_.showMessage({" SuonaSequenza",
                           tr("The sound device still does not respond: it has not finished opening or closing. "
                              "Check the sound system, or choose another device in the Station dialog.")
                               .toStdString(),
                           UserMessage::Icon::Error});
    end(Emit::Never);
    QMetaObject::invokeMethod(this, [this] { Q_EMIT prepared(false); }, Qt::QueuedConnection);
    return true;
  }
  stage_ = Stage::Opening;
  const unsigned generation = ++generation_;
  device_.run([output = output_] { return output->open(); }, [this, generation](int e) { onOpened(generation, e); });
  watchdog_.start(deviceTimeout_);
  return true;
}

void TonePlayer::onOpened(unsigned generation, int error) {
  // Opened after the player gave up on it: the reset queued then closes it.
  if (generation != generation_ || stage_ != Stage::Opening) return;
  watchdog_.stop();
  if (error != 0) {
    fail("1. waveOutOpen failed - ", error, tr("the sound device could not be opened").toStdString(), Emit::Never);
    Q_EMIT prepared(false);
    return;
  }
  stage_ = Stage::Open;
  Q_EMIT prepared(true);
}

void TonePlayer::start() {
  if (stage_ != Stage::Open) return;
  stage_ = Stage::Playing;
  playedSamples_ = 0;
  playStart_ = std::chrono::steady_clock::now();
  const unsigned generation = ++generation_;
  QPointer<TonePlayer> self(this);
  auto finished = [self, generation] {
    const auto at = std::chrono::steady_clock::now();
    // From the device's thread to ours; dropped if the player is gone.
    if (self)
      QMetaObject::invokeMethod(
          self.data(),
          [self, generation, at] {
            if (self) self->onDeviceFinished(generation, at);
          },
          Qt::QueuedConnection);
  };
  const std::int16_t* samples = sequence_.samples.get();
  const std::int64_t count = sequence_.count;
  // The clock runs from the moment the device is asked to play: before any
  // completion it can report, so the time is never negative.
  auto startedAt = startedAt_;
  device_.run(
      [output = output_, samples, count, finished, startedAt] {
        *startedAt = std::chrono::steady_clock::now();
        return output->start(samples, count, finished);
      },
      [this, generation](int e) { onStarted(generation, e); });
  const auto length = std::chrono::milliseconds(sequence_.count * 1000 / static_cast<std::int64_t>(kSampleRate));
  watchdog_.start(length + watchdogMargin_ + length / 4);
}

void TonePlayer::onStarted(unsigned generation, int error) {
  if (generation != generation_ || stage_ != Stage::Playing) return;
  if (error != 0) {
    fail("2. waveOutPrepareHeader failed - ", error, tr("the sound device would not start").toStdString(), Emit::Now);
  }
}

void TonePlayer::cancel() {
  if (stage_ != Stage::Opening && stage_ != Stage::Open) return;
  ++generation_;
  closeWaveOut();
  end(Emit::Never);
}

void TonePlayer::abort(const std::string& why) {
  if (stage_ == Stage::Idle || stage_ == Stage::Closing) return;
  if (stage_ == Stage::Playing) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - playStart_);
    playedSamples_ = std::clamp<std::int64_t>(ms.count() * kSampleRate / 1000, 0, sequence_.count);
  }
  ++generation_;
  closeWaveOut();
  failure_ = why;
  end(Emit::Later);
}

bool TonePlayer::play(RenderedSequence sequence) {
  auto once = std::make_shared<QMetaObject::Connection>();
  if (!prepare(std::move(sequence))) return false;
  *once = connect(this, &TonePlayer::prepared, this, [this, once](bool ready) {
    disconnect(*once);
    if (ready)
      start();
    else
      Q_EMIT finished();
  });
  return true;
}

void TonePlayer::onDeviceFinished(unsigned generation, std::chrono::steady_clock::time_point at) {
  if (generation != generation_ || stage_ != Stage::Playing) return;
  effectiveTimeMs_ = static_cast<std::int32_t>(
      std::max<std::int64_t>(0, std::chrono::duration_cast<std::chrono::milliseconds>(at - *startedAt_).count()));
  playedSamples_ = sequence_.count;
  stage_ = Stage::Closing;
  // The device gets its own time to let go.
  watchdog_.start(deviceTimeout_);
  auto codes = std::make_shared<std::pair<int, int>>(0, 0);
  device_.run(
      [output = output_, codes] {
        codes->first = output->stop();
        codes->second = codes->first == 0 ? output->close() : 0;
        return 0;
      },
      [this, generation, codes](int) {
        if (generation == generation_ && stage_ == Stage::Closing) onStopped(codes->first, codes->second);
      });
}

void TonePlayer::onStopped(int stopError, int closeError) {
  watchdog_.stop();
  // The sequence has played: a device that then fails to let go has still
  // put it on the air.
  if (stopError != 0) {
    fail("4. waveOutUnPrepareHeader failed - 1 - ", stopError, "", Emit::Now);
    return;
  }
  if (closeError != 0)
    messages_.showMessage(
        {" SuonaSequenza", "5. waveOutClose failed - " + ResultCodeText(closeError), UserMessage::Icon::Error});
  end();
}

void TonePlayer::onWatchdog() {
  if (!soundBusy_) return;
  const Stage stage = stage_;
  ++generation_;
  closeWaveOut();
  switch (stage) {
    case Stage::Opening:
      failure_ = tr("the sound device does not respond").toStdString();
      messages_.showMessage({" SuonaSequenza",
                             tr("The sound device does not respond: it did not open within %1 s. Check the sound "
                                "system, or choose another device in the Station dialog.")
                                 .arg(deviceTimeout_.count() / 1000)
                                 .toStdString(),
                             UserMessage::Icon::Error});
      end(Emit::Never);
      Q_EMIT prepared(false);
      return;
    case Stage::Closing:
      // Played to the end; only letting go took too long.
      messages_.showMessage({" SuonaSequenza",
                             tr("The sound device does not respond after playing the sequence.").toStdString(),
                             UserMessage::Icon::Error});
      break;
    default:
      failure_ = tr("the sound device stopped playing").toStdString();
      messages_.showMessage(
          {" SuonaSequenza",
           tr("The sound device did not finish playing the sequence in time; playback was stopped.").toStdString(),
           UserMessage::Icon::Error});
      break;
  }
  end();
}

void TonePlayer::fail(const std::string& text, int code, const std::string& failure, Emit when) {
  failure_ = failure;
  messages_.showMessage({" SuonaSequenza", text + ResultCodeText(code), UserMessage::Icon::Error});
  closeWaveOut();
  end(when);
}

void TonePlayer::closeWaveOut() {
  // The buffer stays alive until the device has let go of it.
  auto samples = std::make_shared<RenderedSequence>(std::move(sequence_));
  device_.run([output = output_, samples] {
    output->reset();
    return 0;
  });
  soundBusy_ = false;
}

void TonePlayer::end(Emit when) {
  watchdog_.stop();
  soundBusy_ = false;
  stage_ = Stage::Idle;
  sequence_ = RenderedSequence{};  // the buffer can be large: give it back now
  // A failure inside a call reports its end after that call has returned.
  if (when == Emit::Later)
    QMetaObject::invokeMethod(this, &TonePlayer::finished, Qt::QueuedConnection);
  else if (when == Emit::Now)
    Q_EMIT finished();
}

}  // namespace tonalis
