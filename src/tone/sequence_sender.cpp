#include "tone/sequence_sender.h"

#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace tonalis {

SequenceSender::SequenceSender(TonePlayer& player, PttLine& ptt, MessageSink& messages, QObject* parent)
    : QObject(parent), player_(player), ptt_(ptt), messages_(messages) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &SequenceSender::onTimer);
  connect(&render_, &QFutureWatcher<std::shared_ptr<RenderedSequence>>::finished, this, &SequenceSender::onRendered);
  connect(&player_, &TonePlayer::finished, this, &SequenceSender::onPlayed);
}

SequenceSender::~SequenceSender() {
  // A render still running finishes on its own; its result is dropped.
  render_.disconnect(this);
  if (step_ == Step::TxDelay || step_ == Step::Playing || step_ == Step::Tail) ptt_.setPtt(false);
  if (prepared_) player_.cancel();
}

bool SequenceSender::send(const std::string& sequence, const SendTiming& timing) {
  if (busy()) return false;
  step_ = Step::Rendering;
  txDelayMs_ = timing.txDelayMs;
  const SampleCounts counts = CalcSampleCounts(timing.digitSeconds, timing.gapSeconds, timing.pauseSeconds);
  // Long sequences take a second or more to render: not on the window's thread.
  render_.setFuture(QtConcurrent::run(
      [sequence, counts] { return std::make_shared<RenderedSequence>(RenderSequence(sequence, counts)); }));
  return true;
}

void SequenceSender::onRendered() {
  if (step_ != Step::Rendering) return;
  auto rendered = render_.result();
  if (!rendered->error.empty()) {
    messages_.showMessage({" SuonaSequenza", rendered->error, UserMessage::Icon::Error});
    done(rendered->error);
    return;
  }
  // An empty sequence is refused by the player: the send goes on without
  // sound, keying and releasing as usual.
  const TonePlayer::Prepared prepared = player_.prepare(std::move(*rendered));
  if (prepared == TonePlayer::Prepared::Failed) {
    done(player_.failure());
    return;
  }
  prepared_ = prepared == TonePlayer::Prepared::Ready;
  if (ptt_.pttEnabled()) {
    if (!ptt_.setPtt(true)) {
      player_.cancel();
      ptt_.setPtt(false);
      done("the transmitter could not be keyed");
      return;
    }
    step_ = Step::TxDelay;
    timer_.start(txDelayMs_);
    return;
  }
  startPlaying();
}

void SequenceSender::startPlaying() {
  step_ = Step::Playing;
  if (!std::exchange(prepared_, false)) {
    onPlayed();
    return;
  }
  player_.start();
}

void SequenceSender::onPlayed() {
  if (step_ != Step::Playing) return;
  if (ptt_.pttEnabled()) {
    step_ = Step::Tail;
    timer_.start(kPttTail);
    return;
  }
  done(player_.failure());
}

void SequenceSender::onTimer() {
  if (step_ == Step::TxDelay) {
    startPlaying();
  } else if (step_ == Step::Tail) {
    ptt_.setPtt(false);
    done(player_.failure());
  }
}

void SequenceSender::done(const std::string& failure) {
  step_ = Step::Idle;
  if (!failure.empty())
    Q_EMIT finished(QString::fromStdString(SendFailedText(failure)), false);
  else
    Q_EMIT finished(QString::fromStdString(CompletionText(player_.effectiveTimeMs())), true);
}

std::string SendFailedText(const std::string& reason) { return "Sequence not sent: " + reason + "."; }

}  // namespace tonalis
