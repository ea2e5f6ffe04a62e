// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone/sequence_sender.h"

#include <QPointer>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

#include "i18n/language.h"

namespace tonalis {
namespace {
constexpr const char* kTxLimitReached = TONALIS_TEXT("the TX time limit of %1 s was reached");
}  // namespace
namespace {

std::string S(const QString& s) { return s.toStdString(); }
QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

SequenceSender::SequenceSender(TonePlayer& player, PttLine& ptt, MessageSink& messages, QObject* parent)
    : QObject(parent), player_(player), ptt_(ptt), messages_(messages) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  limit_.setSingleShot(true);
  limit_.setTimerType(Qt::PreciseTimer);  // a coarse one may end the send 5 % early
  connect(&timer_, &QTimer::timeout, this, &SequenceSender::onTimer);
  connect(&limit_, &QTimer::timeout, this, [this] { stop(TxLimitText(txLimit_)); });
  connect(&render_, &QFutureWatcher<std::shared_ptr<RenderedSequence>>::finished, this, &SequenceSender::onRendered);
  connect(&player_, &TonePlayer::prepared, this, &SequenceSender::onPrepared);
  connect(&player_, &TonePlayer::finished, this, &SequenceSender::onPlayed);
}

SequenceSender::~SequenceSender() {
  // A render still running finishes on its own; its result is dropped.
  render_.disconnect(this);
  if (keyed_) ptt_.setPtt(false, {});
  if (prepared_ || step_ == Step::Opening) player_.cancel();
}

bool SequenceSender::send(const std::string& sequence, const SendTiming& timing) {
  const SampleCounts counts = CalcSampleCounts(timing.digitSeconds, timing.gapSeconds, timing.pauseSeconds);
  return start(timing.txDelayMs, [sequence, counts, levels = levels_] {
    return std::make_shared<RenderedSequence>(RenderSequence(sequence, counts, 0, levels));
  });
}

bool SequenceSender::sendTone(double hz, double seconds, double peakDbfs, int txDelayMs) {
  return start(txDelayMs, [hz, seconds, peakDbfs] { return std::make_shared<RenderedSequence>(RenderTone(hz, seconds, peakDbfs)); });
}

bool SequenceSender::start(int txDelayMs, std::function<std::shared_ptr<RenderedSequence>()> render) {
  if (busy()) return false;
  step_ = Step::Rendering;
  txDelayMs_ = txDelayMs;
  unkeyed_ = false;
  wasKeyed_ = false;
  releaseFailed_ = false;
  stopped_.clear();
  // Long sequences take a second or more to render: not on the window's thread.
  render_.setFuture(QtConcurrent::run(std::move(render)));
  return true;
}

void SequenceSender::stop(const std::string& why) {
  switch (step_) {
    case Step::Idle:
    case Step::Releasing:
      return;
    case Step::Rendering:
      stopped_ = why;
      done();
      return;
    case Step::Opening:
      stopped_ = why;
      player_.cancel();
      done();
      return;
    case Step::Keying:
      stopped_ = why;  // the key's answer comes first; onKeyed releases
      return;
    case Step::TxDelay:
    case Step::Tail:
      timer_.stop();
      stopped_ = why;
      if (std::exchange(prepared_, false)) player_.cancel();
      release({});
      return;
    case Step::Playing:
      stopped_ = why;
      player_.abort(why);  // onPlayed follows
      return;
  }
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
  step_ = Step::Opening;
  if (!player_.prepare(std::move(*rendered))) {
    prepared_ = false;
    keyAndPlay();
  }
}

void SequenceSender::onPrepared(bool ready) {
  if (step_ != Step::Opening) return;
  if (!ready) {
    done(player_.failure());
    return;
  }
  prepared_ = true;
  keyAndPlay();
}

void SequenceSender::keyAndPlay() {
  if (!ptt_.pttEnabled()) {
    unkeyed_ = true;
    startPlaying();
    return;
  }
  step_ = Step::Keying;
  keyed_ = true;
  wasKeyed_ = true;  // from here on the way out releases, whatever happens
  if (txLimit_.count() > 0) limit_.start(txLimit_);
  QPointer<SequenceSender> self(this);
  ptt_.setPtt(true, [self](bool ok) {
    if (self) self->onKeyed(ok);
  });
}

void SequenceSender::onKeyed(bool ok) {
  if (step_ != Step::Keying) return;
  Q_EMIT keyed(ok);
  if (!ok || !stopped_.empty()) {
    if (std::exchange(prepared_, false)) player_.cancel();
    release(ok ? std::string() : tr("the transmitter could not be keyed").toStdString());
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
    if (!stopped_.empty()) {
      release({});
      return;
    }
    step_ = Step::Tail;
    timer_.start(tail_);
    return;
  }
  done(stopped_.empty() ? player_.failure() : std::string());
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
  ptt_.setPtt(false, [self](bool ok) {
    if (!self || self->step_ != Step::Releasing) return;
    self->keyed_ = !ok;  // not released: the way out tries again
    self->releaseFailed_ = !ok;
    Q_EMIT self->released(ok);
    if (self) self->done(self->failure_);
  });
}

void SequenceSender::done(const std::string& failure) {
  step_ = Step::Idle;
  limit_.stop();
  std::string text;
  bool completed = false;
  if (releaseFailed_) {
    const QString what = !stopped_.empty()  ? tr("Sequence stopped: %1").arg(Q(stopped_))
                         : !failure.empty() ? tr("Sequence not sent: %1").arg(Q(failure))
                                            : tr("Sequence sent");
    text = S(tr("%1; the transmitter could NOT be released: check it now!").arg(what));
  } else if (!stopped_.empty()) {
    text = S((wasKeyed_ ? tr("Sequence stopped: %1; the transmitter is released.") : tr("Sequence stopped: %1."))
                 .arg(Q(stopped_)));
  } else if (!failure.empty()) {
    text = S(tr("Sequence not sent: %1.").arg(Q(failure)));
  } else {
    const std::string completion = CompletionText(player_.effectiveTimeMs(), TrStd);
    text = unkeyed_ ? S(tr("Sequence sent without PTT.")) + completion.substr(completion.find("\r\n")) : completion;
    completed = true;
  }
  Q_EMIT finished(QString::fromStdString(text), completed);
}

std::string TxLimitText(std::chrono::seconds limit) {
  return Fill(TrStd(kTxLimitReached), {std::to_string(limit.count())});
}

}  // namespace tonalis
