#include "tone/sequence_sender.h"

#include <QtConcurrent/QtConcurrentRun>

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
  rendered_ = render_.result();
  if (!rendered_->error.empty()) {
    messages_.showMessage({" SuonaSequenza", rendered_->error, UserMessage::Icon::Error});
    rendered_.reset();
    done();
    return;
  }
  if (ptt_.pttEnabled()) {
    ptt_.setPtt(true);
    step_ = Step::TxDelay;
    timer_.start(txDelayMs_);
    return;
  }
  startPlaying();
}

void SequenceSender::startPlaying() {
  step_ = Step::Playing;
  RenderedSequence sequence = std::move(*rendered_);
  rendered_.reset();
  if (!player_.play(std::move(sequence))) onPlayed();
}

void SequenceSender::onPlayed() {
  if (step_ != Step::Playing) return;
  if (ptt_.pttEnabled()) {
    step_ = Step::Tail;
    timer_.start(kPttTail);
    return;
  }
  done();
}

void SequenceSender::onTimer() {
  if (step_ == Step::TxDelay) {
    startPlaying();
  } else if (step_ == Step::Tail) {
    ptt_.setPtt(false);
    done();
  }
}

void SequenceSender::done() {
  step_ = Step::Idle;
  Q_EMIT finished(QString::fromStdString(CompletionText(player_.effectiveTimeMs())));
}

}  // namespace tonalis
