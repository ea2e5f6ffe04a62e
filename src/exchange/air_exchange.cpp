// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/air_exchange.h"

#include <QPointer>

#include "config/command_names.h"
#include "history/history_entry.h"
#include "i18n/language.h"
#include "journal/journal_clock.h"
#include "tone/synthesis.h"

namespace tonalis {
namespace {

constexpr int kInputRate = 8000;
constexpr const char* kNotKeyed = TONALIS_TEXT("The transmitter could not be keyed; the message said why.");
constexpr const char* kKeyedForLimit =
    TONALIS_TEXT("The transmitter was keyed for the TX time limit of %1 s, shorter than the test, and released.");
constexpr const char* kUnderWay = TONALIS_TEXT("a send is under way");
constexpr const char* kKeyedReleased = TONALIS_TEXT("The transmitter was keyed and released.");
constexpr const char* kNotReleased = TONALIS_TEXT("The transmitter was keyed, but could not be released: check it now!");

const char* KindName(AirRequest::Kind kind) {
  switch (kind) {
    case AirRequest::Kind::Sequence: return "send";
    case AirRequest::Kind::Command: return "command";
    case AirRequest::Kind::Replacement: return "replacement";
    case AirRequest::Kind::TestTone: return "test-tone";
    case AirRequest::Kind::CalibrationTone: return "calibration-tone";
    case AirRequest::Kind::PttTest: return "ptt-test";
  }
  return "send";
}

}  // namespace

void AirRequest::applyStation(const StationSettings& station) {
  monitor = station.monitorSend;
  listen = station.listenForReply;
  inputDevice = station.inputDevice;
  listenFor = std::chrono::seconds(station.listenSeconds);
  maskKeys = station.maskKeys;
}

AirExchange::AirExchange(OutputHandle output, PttLine& ptt, MessageSink& messages, AudioInput& input,
                         JournalSink& journal, HistoryStore* history, QObject* parent)
    : QObject(parent),
      ptt_(ptt),
      journal_(journal),
      history_(history),
      player_(std::move(output), messages),
      sender_(player_, ptt, messages),
      input_(input),
      monitor_(input_),
      listener_(input_) {
  testHold_.setSingleShot(true);
  connect(&testHold_, &QTimer::timeout, this, &AirExchange::releaseTest);
  connect(&sender_, &SequenceSender::finished, this, &AirExchange::onSendFinished);
  connect(&sender_, &SequenceSender::keyed, this, &AirExchange::keyed);
  connect(&sender_, &SequenceSender::released, this, &AirExchange::released);
  connect(&monitor_, &SendMonitor::recorded, this, &AirExchange::onRecorded);
  connect(&listener_, &ReplyListener::textChanged, this, &AirExchange::replyProgress);
  connect(&listener_, &ReplyListener::finished, this, &AirExchange::onReplyFinished);
}

AirExchange::~AirExchange() {
  monitor_.cancel();
  listener_.disconnect(this);
  input_.letGo();
}

void AirExchange::configure(const StationSettings& station) {
  txLimit_ = std::chrono::seconds(station.txLimitSeconds);
  sender_.setTxLimit(txLimit_);
  sender_.setLevels(station.levels);
  sender_.setTail(std::chrono::milliseconds(station.tailMs));
}

std::string AirExchange::journalWhat() const {
  const AirRequest& r = request_;
  const std::string shown = r.maskKeys ? MaskKeys(r.sequence, r.modifierId, r.checksumId) : r.sequence;
  switch (r.kind) {
    case AirRequest::Kind::Sequence: return shown;
    case AirRequest::Kind::Command: return "command " + CommandLabel(r.command) + " (" + shown + ")";
    case AirRequest::Kind::Replacement:
      return "replacement of " +
             (r.replacedCommand ? "command " + std::to_string(*r.replacedCommand) : r.replacedDigits) + " by " +
             r.newDigits + " (" + shown + ")";
    case AirRequest::Kind::TestTone:
      return "the digit " + r.sequence + " for " + QString::number(r.timing.digitSeconds).toStdString() + " s";
    case AirRequest::Kind::CalibrationTone:
      return QString::asprintf("%g Hz for %g s at %.1f dBFS", r.toneHz, r.toneSeconds, r.tonePeakDbfs).toStdString();
    case AirRequest::Kind::PttTest: return "keyed for up to " + std::to_string(r.pttSeconds) + " s";
  }
  return shown;
}

std::optional<std::string> AirExchange::start(const AirRequest& request) {
  if (active_ || transmitting()) return TrStd(kUnderWay);
  request_ = request;
  record_ = NewJournalRecord(KindName(request.kind));
  record_.what = journalWhat();
  record_.ptt = request.ptt;
  const bool sequence = request.kind == AirRequest::Kind::Sequence || request.kind == AirRequest::Kind::Command ||
                        request.kind == AirRequest::Kind::Replacement;
  if (sequence) record_.timing = JournalTiming(request.timing.texts);
  stopped_ = false;
  releaseFailed_ = false;
  listenAfterMonitor_ = false;
  monitor_.cancel();
  if (request.kind == AirRequest::Kind::PttTest) {
    active_ = true;
    pttTest_ = PttTest::Keying;
    testKeyed_ = false;
    testLimitedBy_ = 0;
    QPointer<AirExchange> self(this);
    ptt_.setPtt(true, [self](bool ok) {
      if (self) self->onTestKeyed(ok);
    });
    return std::nullopt;
  }
  // The input is opened once, before the transmitter is keyed, and kept
  // until the reply is heard: nothing that reaches it between the monitor
  // and the listener is lost. A device that cannot be opened is said by
  // whichever of them opens it.
  listens_ = sequence && request.listen;
  const bool monitors = sequence && request.monitor;
  if (monitors || listens_) input_.hold(request.inputDevice, kInputRate);
  if (monitors) {
    // Recording starts before the transmitter is keyed, and goes on a little after the send.
    monitoredSequence_ = request.sequence;
    counts_ = CalcSampleCounts(request.timing.digitSeconds, request.timing.gapSeconds, request.timing.pauseSeconds);
    if (const auto error = monitor_.start(request.inputDevice)) {
      if (request.monitorRequired) {
        input_.letGo();
        return *error;
      }
      Q_EMIT monitorFailed(QString::fromStdString(*error));
    } else {
      Q_EMIT monitoring();
    }
  }
  active_ = true;
  if (request.kind == AirRequest::Kind::CalibrationTone)
    sender_.sendTone(request.toneHz, request.toneSeconds, request.tonePeakDbfs, request.toneTxDelayMs);
  else
    sender_.send(request.sequence, request.timing);
  return std::nullopt;
}

void AirExchange::stop(const std::string& why) {
  if (sender_.busy()) {
    sender_.stop(why);
    return;
  }
  if (pttTest_ != PttTest::Idle) {
    stopped_ = true;
    if (pttTest_ == PttTest::Keyed) releaseTest();  // while keying: once the key answers
    return;
  }
  if (!active_) return;
  listenAfterMonitor_ = false;
  monitor_.cancel();
  if (listener_.listening())
    listener_.stop();  // its reply so far is kept, and ends the exchange
  else
    finish();
}

void AirExchange::onSendFinished(const QString& status, bool completed) {
  stopped_ = sender_.wasStopped();
  releaseFailed_ = sender_.releaseFailed();
  record_.result = SendResult(completed, stopped_);
  record_.detail = status.toStdString();
  journal_.append(record_);
  const bool listens = completed && listens_;
  // The reply may start as the send ends: kept from now for the listener.
  if (listens) input_.keepFromNow();
  Q_EMIT sendFinished(status, completed);
  if (completed && request_.kind == AirRequest::Kind::Replacement && request_.replacedCommand) writeAirEntry();
  if (!active_) return;  // ended meanwhile by whoever heard that
  if (monitor_.recording()) {
    // A send stopped part way is judged on what it put on the air.
    if (stopped_)
      monitoredSequence_ = CharactersStartedWithin(OneBytePerCharacter(monitoredSequence_), counts_,
                                                   player_.playedSamples());
    // What the air carries reaches the input late: the reply is listened for after it.
    listenAfterMonitor_ = listens;
    monitor_.finish();
    return;
  }
  if (listens) {
    listenForReply();
    return;
  }
  finish();
}

void AirExchange::onRecorded(const DtmfMeter& meter, const std::vector<std::int16_t>& kept, int rate,
                             bool truncated) {
  const TransmissionCheck check(meter, monitoredSequence_);
  JournalRecord verdict = record_;
  verdict.kind = "monitor";
  verdict.monitor = check.summary();
  journal_.append(verdict);
  Q_EMIT monitored(check, kept, rate, truncated);
  if (std::exchange(listenAfterMonitor_, false))
    listenForReply();
  else
    finish();
}

void AirExchange::listenForReply() {
  const auto error = listener_.start(request_.inputDevice, request_.replyDotMs, request_.listenFor);
  input_.letGo();  // the listener closes it when it is done
  if (error) {
    Q_EMIT listenFailed(QString::fromStdString(*error));
    finish();
    return;
  }
  Q_EMIT listening();
}

void AirExchange::onReplyFinished(const QString& text) {
  if (!text.isEmpty()) {
    JournalRecord reply = record_;
    reply.kind = "reply";
    reply.reply = text.toStdString();
    journal_.append(reply);
  }
  Q_EMIT replyHeard(text);
  finish();
}

void AirExchange::writeAirEntry() {
  if (!history_) return;
  // What the board should now hold: its last content in the history (or the
  // fields, when it has none) with the command replaced.
  const int n = *request_.replacedCommand;
  HistoryEntry entry;
  entry.timeMs = NowMs();
  entry.operation = "AIR";
  entry.air = kAirSent;
  entry.port = request_.port;
  entry.device = request_.portDevice;
  entry.file = request_.file;
  std::optional<HistoryEntry> last;
  for (const HistoryEntry& e : history_->entries())
    if (e.device == entry.device || entry.device.empty()) last = e;
  if (!last && !request_.fieldsImage) return;  // nothing known to replace the command in
  entry.image = ImageAfterReplacement(last ? last->image : *request_.fieldsImage, n, request_.newDigits);
  if (const auto error = history_->add(entry)) {
    Q_EMIT airEntryFailed(QString::fromStdString(*error));
    return;
  }
  Q_EMIT airEntryWritten(n, QString::fromStdString(request_.newDigits));
}

void AirExchange::onTestKeyed(bool ok) {
  testKeyed_ = ok;
  Q_EMIT keyed(ok);
  if (!ok || stopped_) {
    releaseTest();  // released on every way out, even after a failure to key
    return;
  }
  pttTest_ = PttTest::Keyed;
  // The TX time limit holds for the test as for a send, and says so.
  const int limit = static_cast<int>(txLimit_.count());
  testLimitedBy_ = limit > 0 && limit < request_.pttSeconds ? limit : 0;
  testHold_.start(std::chrono::seconds(testLimitedBy_ > 0 ? testLimitedBy_ : request_.pttSeconds));
}

void AirExchange::releaseTest() {
  testHold_.stop();
  if (pttTest_ == PttTest::Releasing || pttTest_ == PttTest::Idle) return;
  pttTest_ = PttTest::Releasing;
  QPointer<AirExchange> self(this);
  ptt_.setPtt(false, [self](bool ok) {
    if (!self) return;
    self->pttTest_ = PttTest::Idle;
    self->releaseFailed_ = !ok;
    Q_EMIT self->released(ok);
    const QString status = !self->testKeyed_ ? Tr(kNotKeyed)
                           : !ok             ? Tr(kNotReleased)
                           : self->testLimitedBy_ > 0 && !self->stopped_
                               ? Tr(kKeyedForLimit).arg(self->testLimitedBy_)
                               : Tr(kKeyedReleased);
    const bool completed = self->testKeyed_ && ok && !self->stopped_;
    self->record_.result = SendResult(completed, self->stopped_);
    self->record_.detail = status.toStdString();
    self->journal_.append(self->record_);
    Q_EMIT self->sendFinished(status, self->testKeyed_ && ok);
    if (self) self->finish();
  });
}

void AirExchange::finish() {
  if (!active_) return;
  active_ = false;
  input_.letGo();
  Q_EMIT done();
}

}  // namespace tonalis
