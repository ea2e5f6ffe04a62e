// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone/sequence_sender.h"

#include <QPointer>
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
  if (keyed_) ptt_.setPtt(false, {});
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
  if (!ptt_.pttEnabled()) {
    startPlaying();
    return;
  }
  step_ = Step::Keying;
  keyed_ = true;  // from here on the way out releases, whatever happens
  QPointer<SequenceSender> self(this);
  ptt_.setPtt(true, [self](bool ok) {
    if (self) self->onKeyed(ok);
  });
}

void SequenceSender::onKeyed(bool ok) {
  if (step_ != Step::Keying) return;
  if (!ok) {
    if (std::exchange(prepared_, false)) player_.cancel();
    release("the transmitter could not be keyed");
    return;
  }
  step_ = Step::TxDelay;
  timer_.start(txDelayMs_);
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
  if (keyed_) {
    step_ = Step::Tail;
    timer_.start(kPttTail);
    return;
  }
  done(player_.failure());
}

void SequenceSender::onTimer() {
  if (step_ == Step::TxDelay)
    startPlaying();
  else if (step_ == Step::Tail)
    release(player_.failure());
}

void SequenceSender::release(const std::string& failure) {
  step_ = Step::Releasing;
  failure_ = failure;
  QPointer<SequenceSender> self(this);
  ptt_.setPtt(false, [self](bool) {
    if (!self || self->step_ != Step::Releasing) return;
    self->keyed_ = false;
    self->done(self->failure_);
  });
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
