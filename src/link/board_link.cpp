// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/board_link.h"

#include "config/text_value.h"
#include "i18n/language.h"
#include "i18n/text.h"
#include "link/port_map.h"
#include "link/serial_trace.h"

namespace tonalis {

const char* const kReadVersionFailed = TONALIS_TEXT("FAILED to read version! Please Check Connections / Decoder");

namespace {

constexpr const char* kApplicationTitle = "Tonalis";

const char* kReadDataFailed = TONALIS_TEXT("FAILED to read data!  Please check Connections / Decoder");
const char* kProgramVersionFailed = TONALIS_TEXT("FAILED to get Version!  Unable to program, please check Decoder");
const char* kProgramDataFailed = TONALIS_TEXT("FAILED to read data!  Unable to program, please check Decoder");
const char* kStoppedByClose = TONALIS_TEXT("Stopped: the port was closed before the exchange ended.");
// What the board holds after a PROGRAM cut short, by how far it went.
const char* kBoardUnchanged = TONALIS_TEXT("The board's configuration was not changed.");
const char* kBoardChanged =
    TONALIS_TEXT("The board may now hold part or all of the new configuration, not verified: read it, or program "
                 "it again, once the port is back.");

std::string S(const QString& s) { return s.toStdString(); }
QString Q(const std::string& s) { return QString::fromStdString(s); }

// Message texts break lines with CR LF.
std::string WithCrLf(const std::string& lines) {
  std::string out;
  for (char c : lines) out += c == '\n' ? std::string(kCrLf) : std::string(1, c);
  while (out.size() >= 2 && out.compare(out.size() - 2, 2, kCrLf) == 0) out.resize(out.size() - 2);
  return out;
}

}  // namespace

BoardLink::BoardLink(ProgressView& progress, MessageSink& messages, PortResolver resolver, QObject* parent)
    : QObject(parent), progress_(progress), messages_(messages), resolver_(std::move(resolver)) {
  phaseTimer_.setSingleShot(true);
  phaseTimer_.setTimerType(Qt::PreciseTimer);
  tmrTimeOut_.setSingleShot(true);
  tmrTimeOut_.setTimerType(Qt::PreciseTimer);
  connect(&phaseTimer_, &QTimer::timeout, this, &BoardLink::onPhaseTimer);
  connect(&tmrTimeOut_, &QTimer::timeout, this, &BoardLink::onTimeout);
  connect(&port_, &SerialPort::bytesReceived, this, &BoardLink::onBytes);
  connect(&port_, &SerialPort::portEvent, this, &BoardLink::onPortEvent);
  connect(&port_, &SerialPort::lost, this, &BoardLink::onPortLost);
  connect(&port_, &SerialPort::openFailed, this, &BoardLink::onPortOpenFailed);
}

BoardLink::~BoardLink() = default;

void BoardLink::setTrace(SerialTrace* trace) {
  trace_ = trace;
  port_.setTrace(trace);
}

BoardLink::Controls BoardLink::controls() const {
  const bool programmingOpen = port_.isOpen() && !pttOpen_;
  const bool pttOpen = port_.isOpen() && pttOpen_;
  Controls c;
  c.chkPrg = chkPrg_;
  c.chkPtt = chkPtt_;
  c.txtPrgCommEnabled = !programmingOpen;
  c.txtPttComEnabled = !pttOpen;
  // One port carries one exchange at a time: both buttons wait for it.
  c.cmdReadEnabled = programmingOpen && !exchangeRunning();
  c.cmdSendEnabled = programmingOpen && !exchangeRunning();
  return c;
}

void BoardLink::openPort(const std::string& fieldText, bool forPtt) {
  const auto number = PortNumberFromText(fieldText);
  const PortTarget target = resolver_(*number);
  if (!target.problems.empty() && target.problems != problemsSaid_) {
    problemsSaid_ = target.problems;
    messages_.showMessage({S(tr("Warning")),
                           S(tr("Some lines of ports.ini are not understood and are ignored:")) + kCrLf +
                               WithCrLf(target.problems),
                           UserMessage::Icon::Exclamation});
  }
  // The window names a port by its number, or as typed where the board's
  // tool always did; the command line by the device it was given.
  portName_ = target.name.empty() ? "COM" + std::to_string(*number) : target.name;
  portFieldName_ = target.name.empty() ? "COM" + fieldText : target.name;
  const std::string& device = target.device;
  portDevice_ = device;
  if (!target.refused.empty()) {
    messages_.showMessage({S(tr("Warning")), target.refused, UserMessage::Icon::Information});
    return;
  }
  QString reason;
  if (port_.open(QString::fromStdString(device), forPtt, &reason)) {
    pttOpen_ = forPtt;
    // An inverted line rests high: the transmitter is off with it asserted.
    if (forPtt && pttInvert_) keySerialLine(false);
    lineFailureReported_ = false;
    if (trace_) trace_->note("opened " + device + (forPtt ? " for PTT" : " for programming"));
    return;
  }
  sayNotOpened(reason);
}

void BoardLink::sayNotOpened(const QString& reason) {
  const std::string where = portFieldName_ == portDevice_ ? std::string(": ") : kCrLf + portDevice_ + ": ";
  messages_.showMessage({S(tr("Warning")), S(tr("Not able to open %1").arg(Q(portFieldName_))) + where + reason.toStdString(),
                         UserMessage::Icon::Information});
}

void BoardLink::setProgrammingTicked(bool ticked, const std::string& prgCommText) {
  prgCommText_ = prgCommText;
  if (ticked == chkPrg_) return;
  if (!ticked) {
    chkPrg_ = false;
    closeProgramming();
    Q_EMIT controlsChanged();
    return;
  }

  chkPrg_ = true;
  if (chkPtt_ && pttUsesPort_) setPttTicked(false, pttComText_);
  if (!PortNumberFromText(prgCommText)) {
    messages_.showMessage({S(tr("Warning")), S(tr("Please enter a valid Comm number.")), UserMessage::Icon::None});
    Q_EMIT controlsChanged();
    return;
  }
  openPort(prgCommText, false);
  if (port_.isOpen()) {
    announceVersion_ = true;
    send(kIdentifyRequest);
  } else {
    chkPrg_ = false;
  }
  Q_EMIT controlsChanged();
}

void BoardLink::setPttLine(SerialLine line, bool invert) {
  pttLine_ = line;
  pttInvert_ = invert;
}

void BoardLink::setPttUsesPort(bool uses) {
  if (uses == pttUsesPort_) return;
  pttUsesPort_ = uses;
  if (!uses) closePtt();
  Q_EMIT controlsChanged();
}

void BoardLink::setPttTicked(bool ticked, const std::string& pttComText) {
  pttComText_ = pttComText;
  if (ticked == chkPtt_) return;
  if (!pttUsesPort_) {
    chkPtt_ = ticked;
    Q_EMIT controlsChanged();
    return;
  }
  if (!ticked) {
    chkPtt_ = false;
    closePtt();
    Q_EMIT controlsChanged();
    return;
  }

  chkPtt_ = true;
  if (chkPrg_) {
    chkPrg_ = false;
    closeProgramming();
  }
  if (!PortNumberFromText(pttComText)) {
    messages_.showMessage({S(tr("Warning")), S(tr("Please enter a valid Comm number.")), UserMessage::Icon::None});
    Q_EMIT controlsChanged();
    return;
  }
  openPort(pttComText, true);
  if (!port_.isOpen()) chkPtt_ = false;
  Q_EMIT controlsChanged();
}

void BoardLink::closeProgramming() {
  if (!port_.isOpen() || pttOpen_) return;
  if (exchangeRunning()) abortExchange(TrStd(kStoppedByClose));
  send(kEndSession);
  // The two bytes must leave before the port closes.
  port_.flush();
  port_.close();
  if (trace_) trace_->note("closed");
}

void BoardLink::closePtt() {
  if (!port_.isOpen() || !pttOpen_) return;
  port_.close();
  pttOpen_ = false;
  if (trace_) trace_->note("closed");
}

void BoardLink::send(const Bytes& bytes) { port_.write(bytes); }

void BoardLink::setPtt(bool on, Done done) {
  const bool ok = keySerialLine(on);
  if (done) done(ok);
}

bool BoardLink::keySerialLine(bool on) {
  if (!port_.isOpen() || !pttOpen_) return !on || !chkPtt_;
  const bool keyed = on && chkPtt_;
  const bool asserted = keyed != pttInvert_;  // an inverted line is low while keyed
  const char* name = pttLine_ == SerialLine::Rts ? "RTS" : "DTR";
  QString reason;
  const bool set = lineDriver_ ? lineDriver_(pttLine_, asserted, &reason) : port_.setLine(pttLine_, asserted, &reason);
  if (set) {
    if (trace_) trace_->note(std::string(name) + (asserted ? " on" : " off"));
    return true;
  }
  if (!lineFailureReported_ && keyed) {
    lineFailureReported_ = true;
    messages_.showMessage({S(tr("Warning")),
                           S(tr("Cannot key the transmitter: %1 cannot drive its %2 line.").arg(Q(portFieldName_), name)) +
                               kCrLf + reason.toStdString(),
                           UserMessage::Icon::Exclamation});
  }
  return false;
}

void BoardLink::shutdown() {
  phaseTimer_.stop();
  tmrTimeOut_.stop();
  phase_ = Phase::Idle;
  exchange_ = Exchange::None;
  if (!port_.isOpen()) return;
  if (chkPrg_ && !pttOpen_) {
    send(kEndSession);
    port_.flush();
  }
  port_.close();
}

void BoardLink::readBoard() {
  if (!port_.isOpen() || pttOpen_ || exchangeRunning()) return;
  exchange_ = Exchange::Read;
  lastWasProgram_ = false;
  frameSucceeded_ = false;
  if (trace_) trace_->note("READ");
  progress_.setOkVisible(false);
  progress_.setMessage(kCrLf + S(tr("Reading Data.")));
  progress_.showDialog();
  schedule(Phase::ReadStarting, link_timing::kReadProgressPause);
  Q_EMIT controlsChanged();
}

void BoardLink::programBoard(const DecoderImage& image) {
  programImage_ = image;
  blocks_ = ImageBlocks(image);
  if (!port_.isOpen() || pttOpen_ || exchangeRunning()) return;
  exchange_ = Exchange::Program;
  lastWasProgram_ = true;
  frameSucceeded_ = false;
  if (trace_) trace_->note("PROGRAM");
  progress_.setMessage(kCrLf + S(tr("Sending data on %1.").arg(Q(portName_))));
  progress_.setOkVisible(false);
  progress_.showDialog();
  Q_EMIT controlsChanged();
  startIdentify(Phase::ProgramIdentify);
}

void BoardLink::startIdentify(Phase phase) {
  phase_ = phase;
  boardBanner_.clear();
  announceVersion_ = false;
  send(kIdentifyRequest);
  if (exchangeRunning()) tmrTimeOut_.start(link_timing::kIdentifyWait + port_.answerAllowance());
}

void BoardLink::identifyDone() {
  tmrTimeOut_.stop();
  announceVersion_ = true;
  const bool expected = boardBanner_ == kExpectedBanner;
  if (phase_ == Phase::ReadIdentify) {
    if (expected)
      schedule(Phase::ReadPause, link_timing::kReadProgressPause);
    else
      fail(TrStd(kReadVersionFailed));
  } else {
    if (expected)
      schedule(Phase::ProgramHeaderPause, link_timing::kHeaderPause);
    else
      fail(TrStd(kProgramVersionFailed));
  }
}

void BoardLink::schedule(Phase phase, std::chrono::milliseconds delay) {
  phase_ = phase;
  phaseTimer_.start(delay);
}

void BoardLink::onPhaseTimer() {
  switch (phase_) {
    case Phase::ReadStarting:
      progress_.appendMessage(".");
      startIdentify(Phase::ReadIdentify);
      break;
    case Phase::ReadPause:
    case Phase::ProgramReadBackPause:
      if (phase_ == Phase::ReadPause) progress_.appendMessage(".");
      verifyMode_ = phase_ == Phase::ProgramReadBackPause;
      phase_ = verifyMode_ ? Phase::ProgramDataWait : Phase::ReadDataWait;
      port_.setDropNul(false);
      send(kReadRequest);
      if (exchangeRunning()) tmrTimeOut_.start(link_timing::kDataWait + port_.answerAllowance());
      break;
    case Phase::ProgramHeaderPause:
      send(kWriteHeader);
      send(Bytes(blocks_[0].begin(), blocks_[0].end()));
      nextBlock_ = 1;
      if (exchangeRunning()) schedule(Phase::ProgramBlocks, link_timing::kBlockPause);
      break;
    case Phase::ProgramBlocks:
      progress_.appendMessage(".");
      if (nextBlock_ < kBlockCount) {
        const ImageBlock& block = blocks_[nextBlock_++];
        send(Bytes(block.begin(), block.end()));
        if (exchangeRunning()) schedule(Phase::ProgramBlocks, link_timing::kBlockPause);
      } else {
        schedule(Phase::ProgramReadBackPause, link_timing::kReadBackPause);
      }
      break;
    default:
      break;
  }
}

void BoardLink::onTimeout() {
  switch (phase_) {
    case Phase::ReadIdentify:
    case Phase::ProgramIdentify:
      if (trace_) trace_->note("identify wait over, no banner");
      identifyDone();
      break;
    case Phase::ReadDataWait:
    case Phase::ProgramDataWait: {
      if (trace_) trace_->note("data wait over");
      port_.setDropNul(true);
      const bool read = phase_ == Phase::ReadDataWait;
      if (!progress_.isOkVisible())
        fail(TrStd(read ? kReadDataFailed : kProgramDataFailed));
      else
        finish(frameSucceeded_);
      break;
    }
    default:
      break;
  }
}

void BoardLink::onBytes(const Bytes& bytes) {
  for (std::uint8_t b : bytes) {
    const ParseResult r = parser_.parse(b);
    if (r.kind == ParseResult::Kind::Banner) onBanner(r.banner);
    if (r.kind == ParseResult::Kind::DataFrame) onDataFrame(r.sumMatches);
  }
}

void BoardLink::onBanner(const std::string& banner) {
  boardBanner_ = banner;
  if (announceVersion_) {
    const std::string shown = Latin1ToUtf8(banner);
    if (banner == kExpectedBanner) {
      progress_.setOkVisible(true);
      progress_.setMessageColour(ProgressView::Colour::Black);
      progress_.setMessage(S(tr("%1 detected.").arg(Q(shown))));
    } else {
      progress_.setMessageColour(ProgressView::Colour::Red);
      progress_.setMessage(S(tr("Wrong version detected: %1").arg(Q(shown))) + kCrLf +
                           S(tr("Use %1 !").arg(Q(kExpectedBanner))));
    }
    progress_.showDialog();
    Q_EMIT bannerAnnounced(banner == kExpectedBanner);
  }
  if (phase_ == Phase::ReadIdentify || phase_ == Phase::ProgramIdentify) identifyDone();
}

void BoardLink::onDataFrame(bool sumMatches) {
  const DataFrameOutcome outcome =
      CompleteDataFrame(sumMatches, verifyMode_, parser_.readImage(), programImage_, boardBanner_, TrStd);
  if (outcome.decode) Q_EMIT configurationRead(DecodeImage(parser_.readImage()));
  progress_.setMessage(outcome.message);
  progress_.setOkVisible(true);
  progress_.showDialog();
  if (phase_ == Phase::ReadDataWait || phase_ == Phase::ProgramDataWait) frameSucceeded_ = outcome.success;
}

void BoardLink::onPortEvent(int code) { progress_.setMessage(PortEventMessage(code, portFieldName_, TrStd)); }

void BoardLink::onPortOpenFailed(const QString& description) {
  port_.close();
  pttOpen_ = false;
  chkPrg_ = false;
  if (pttUsesPort_) chkPtt_ = false;
  sayNotOpened(description);
  if (exchangeRunning()) abortExchange(S(tr("Not able to open %1").arg(Q(portFieldName_))) + ": " + S(description));
  Q_EMIT controlsChanged();
  Q_EMIT portLost();
}

void BoardLink::onPortLost(const QString& description) {
  const Exchange exchange = exchange_;
  std::string text = S(tr("The connection to %1 was lost: %2").arg(Q(portFieldName_), description));
  // A PROGRAM cut short: what the board may now hold.
  if (exchange == Exchange::Program) {
    const bool nothingWritten = phase_ == Phase::ProgramIdentify || phase_ == Phase::ProgramHeaderPause;
    text += kCrLf + TrStd(nothingWritten ? kBoardUnchanged : kBoardChanged);
  }
  port_.close();
  pttOpen_ = false;
  chkPrg_ = false;
  // A PTT that is not a line of this port (CM108, CAT, rigctld) stays enabled.
  if (pttUsesPort_) chkPtt_ = false;
  if (exchange == Exchange::Read)
    messages_.showMessage({kApplicationTitle, text, UserMessage::Icon::None});
  else if (exchange == Exchange::Program)
    messages_.showMessage({portName_, text, UserMessage::Icon::None});
  else
    messages_.showMessage({S(tr("Warning")), text, UserMessage::Icon::Exclamation});
  if (exchangeRunning()) abortExchange(text);
  Q_EMIT controlsChanged();
  Q_EMIT portLost();
}

void BoardLink::fail(const std::string& message) {
  progress_.setMessage(message);
  progress_.setOkVisible(true);
  parser_.requestReset();
  send(kFlushFill);
  finish(false);
}

void BoardLink::abortExchange(const std::string& message) {
  progress_.setMessage(message);
  progress_.setOkVisible(true);
  parser_.requestReset();
  finish(false);
}

void BoardLink::finish(bool success) {
  phaseTimer_.stop();
  tmrTimeOut_.stop();
  port_.setDropNul(true);
  phase_ = Phase::Idle;
  exchange_ = Exchange::None;
  if (trace_) trace_->note(success ? "exchange succeeded" : "exchange failed");
  Q_EMIT controlsChanged();
  Q_EMIT exchangeFinished(success);
}

}  // namespace tonalis
