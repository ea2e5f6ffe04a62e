// SPDX-License-Identifier: GPL-3.0-or-later
// A serial port at the far end of a network link, as a network serial
// server (ser2net and the like) exports it: telnet with the COM port control
// option (RFC 2217), which also sets the line, or the bytes as they are.
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>
#include <array>

#include "i18n/language.h"
#include "link/network_port_name.h"
#include "link/port_device.h"
#include "link/serial_port.h"
#include "link/telnet_codec.h"

namespace tonalis {
namespace {

using namespace std::chrono_literals;
using std::chrono::milliseconds;

// Reaching the server, then its answers to the four line settings.
constexpr milliseconds kConnectLimit = 10s;
constexpr milliseconds kNegotiationLimit = 5s;
// How late the board's answers may be over a raw link before its round
// trip is measured on the first answer.
constexpr milliseconds kUnmeasuredAllowance = 1s;
constexpr milliseconds kMaxAllowance = 10s;

const char* const kCannotConnect = TONALIS_TEXT("Cannot connect to %1: %2");
const char* const kRefused = TONALIS_TEXT("connection refused (is the serial server running there, on this port?)");
const char* const kNoHost = TONALIS_TEXT("no such host");
const char* const kNoAnswer = TONALIS_TEXT("no answer within %1 s");
const char* const kNoSettings =
    TONALIS_TEXT("%1 did not answer the serial line settings (RFC 2217) within %2 s. Is it a telnet port with "
                 "RFC 2217 (ser2net: telnet(rfc2217))? A raw TCP port is named socket://%1.");
const char* const kComPortRefused =
    TONALIS_TEXT("%1 refuses to set the serial line (RFC 2217). A raw TCP port, set to 4800 8N1 at the "
                 "server, is named socket://%1.");
const char* const kWrongSetting = TONALIS_TEXT("%1 set the line to %2 instead of %3: the board needs 4800 8N1.");
const char* const kSpeaksTelnet =
    TONALIS_TEXT("%1 speaks telnet: a port with RFC 2217 is named rfc2217://%1.");
const char* const kServerClosed = TONALIS_TEXT("the serial server at %1 closed the connection.");
const char* const kServerSaid = TONALIS_TEXT("the serial server at %1 closed the connection, saying \"%2\".");
const char* const kLinkFailed = TONALIS_TEXT("the network link to %1 failed (%2).");
const char* const kNoPtt =
    TONALIS_TEXT("a port reached over the network cannot key a transmitter: keyed across a network link, it "
                 "stays keyed when the link dies, and the sound comes from this computer. Key the site's "
                 "transmitter at the site.");

class NetworkPort final : public PortDevice {
 public:
  explicit NetworkPort(SerialPort& owner) : PortDevice(owner) {
    deadline_.setSingleShot(true);
    QObject::connect(&deadline_, &QTimer::timeout, &deadline_, [this] { onDeadline(); });
    QObject::connect(&socket_, &QTcpSocket::connected, &socket_, [this] { onConnected(); });
    QObject::connect(&socket_, &QTcpSocket::readyRead, &socket_, [this] { onReadyRead(); });
    QObject::connect(&socket_, &QTcpSocket::errorOccurred, &socket_,
                     [this](QAbstractSocket::SocketError error) { onError(error); });
  }
  ~NetworkPort() override { close(); }

  bool open(const QString& name, bool forPtt, QString* error) override;
  void close() override;
  bool isOpen() const override { return state_ != State::Closed; }
  bool write(const Bytes& bytes) override;
  void flush() override {
    if (state_ == State::Ready) socket_.flush();
  }
  bool setLine(SerialLine, bool, QString* error) override {
    if (error) *error = Tr(kNoPtt);
    return false;
  }
  milliseconds answerAllowance() const override;
  bool connecting() const override { return state_ == State::Connecting || state_ == State::Negotiating; }

 private:
  enum class State { Closed, Connecting, Negotiating, Ready };

  void onConnected();
  void onReadyRead();
  void onError(QAbstractSocket::SocketError error);
  void onDeadline();
  void takeEvent(const TelnetReceiver::Event& event);
  void becomeReady();
  void listen(const QByteArray& data) {
    if (!onlyWords_ || said_.size() > 80) return;
    for (const char c : data) onlyWords_ = onlyWords_ && ((c >= ' ' && c < 127) || c == '\r' || c == '\n');
    said_ += data;
  }
  // Before the port is ready a failure is one to open it; after, a loss.
  void fail(const QString& description);
  void sendRaw(const Bytes& bytes) {
    socket_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  }
  QString where() const;
  milliseconds remaining() const { return milliseconds(std::max<qint64>(0, deadline_.remainingTime())); }

  QTcpSocket socket_;
  QTimer deadline_;
  NetworkPortName name_;
  State state_ = State::Closed;
  TelnetReceiver receiver_;
  TelnetOptions options_;
  std::array<bool, 5> answered_{};  // the four settings, by command
  Bytes pending_;                   // written before the port was ready
  QElapsedTimer clock_;
  std::optional<milliseconds> roundTrip_;
  bool timing_ = false;     // raw: the first write is out, its answer awaited
  bool firstRead_ = true;   // raw: nothing received yet
  // The first bytes of the port's data: a server that turns a client away
  // (its port in use by another) says why in words, then closes.
  QByteArray said_;
  bool onlyWords_ = true;
  QString* openError_ = nullptr;  // set while open() is connecting
};

bool NetworkPort::open(const QString& name, bool forPtt, QString* error) {
  std::string why;
  const auto parsed = ParseNetworkPortName(name.toStdString(), &why, TrStd);
  if (!parsed) {
    if (error) *error = QString::fromStdString(why);
    return false;
  }
  if (forPtt) {
    if (error) *error = Tr(kNoPtt);
    return false;
  }
  name_ = *parsed;
  receiver_ = TelnetReceiver();
  options_ = TelnetOptions();
  answered_ = {};
  pending_.clear();
  roundTrip_.reset();
  timing_ = false;
  firstRead_ = true;
  said_.clear();
  onlyWords_ = true;
  state_ = State::Connecting;
  deadline_.start(kConnectLimit);
  // A failure at once is this call's to report, not a signal's.
  QString failure;
  openError_ = &failure;
  socket_.connectToHost(QString::fromStdString(name_.host), name_.port);
  openError_ = nullptr;
  if (state_ == State::Closed && error) *error = failure;
  return state_ != State::Closed;
}

void NetworkPort::close() {
  deadline_.stop();
  if (state_ == State::Closed) return;
  const bool ready = state_ == State::Ready;
  state_ = State::Closed;
  // What was written goes before the connection ends (the system sends it
  // after the close); a connection never made is simply dropped.
  if (ready) {
    socket_.flush();
    socket_.disconnectFromHost();
  }
  socket_.abort();
}

bool NetworkPort::write(const Bytes& bytes) {
  if (state_ != State::Ready) {
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    return true;
  }
  if (!roundTrip_ && !timing_) {
    timing_ = true;
    clock_.start();
  }
  sendRaw(name_.kind == NetworkPortName::Kind::Rfc2217 ? TelnetEscape(bytes) : bytes);
  return true;
}

milliseconds NetworkPort::answerAllowance() const {
  switch (state_) {
    case State::Connecting:
      return remaining() + kNegotiationLimit + kUnmeasuredAllowance;
    case State::Negotiating:
      return remaining() + kUnmeasuredAllowance;
    case State::Ready:
      // The round trip and half again for its variation.
      return roundTrip_ ? std::min(kMaxAllowance, *roundTrip_ + *roundTrip_ / 2 + 10ms) : kUnmeasuredAllowance;
    case State::Closed:
      break;
  }
  return {};
}

QString NetworkPort::where() const {
  const QString host = QString::fromStdString(name_.host);
  return (host.contains(':') ? '[' + host + ']' : host) + ':' + QString::number(name_.port);
}

void NetworkPort::onConnected() {
  if (state_ != State::Connecting) return;
  // Each frame goes out as it is written; a dead peer is noticed in time.
  socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
  socket_.setSocketOption(QAbstractSocket::KeepAliveOption, 1);
  note("connected to " + where().toStdString());
  if (name_.kind == NetworkPortName::Kind::Raw) {
    becomeReady();
    return;
  }
  using namespace telnet;
  state_ = State::Negotiating;
  clock_.start();
  Bytes opening = TelnetOpening();
  const Bytes settings = ComPortSettings();
  opening.insert(opening.end(), settings.begin(), settings.end());
  // The lines as a local port leaves them: no flow control, DTR on, RTS off.
  // A line without modem control does not answer these: not waited for.
  for (const std::uint8_t control : {kNoFlowControl, kDtrOn, kRtsOff}) {
    const Bytes command = ComPortCommand(kSetControl, {control});
    opening.insert(opening.end(), command.begin(), command.end());
  }
  sendRaw(opening);
  deadline_.start(kNegotiationLimit);
}

void NetworkPort::onReadyRead() {
  const QByteArray chunk = socket_.readAll();
  if (state_ == State::Closed || chunk.isEmpty()) return;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(chunk.constData());
  if (name_.kind == NetworkPortName::Kind::Raw) {
    // A board's frames start FF AA or FF FF; a telnet server's first words
    // are an option (FF FA..FE).
    if (std::exchange(firstRead_, false) && chunk.size() >= 2 && bytes[0] == telnet::kIac &&
        bytes[1] >= telnet::kSb && bytes[1] <= telnet::kDont) {
      state_ = State::Negotiating;  // not a port of the kind named: it was never opened
      fail(Tr(kSpeaksTelnet, {where()}));
      return;
    }
    if (timing_) {
      timing_ = false;
      roundTrip_ = milliseconds(clock_.elapsed());
      note("round trip " + std::to_string(roundTrip_->count()) + " ms (first answer)");
    }
    listen(chunk);
    deliver(Bytes(bytes, bytes + chunk.size()));
    return;
  }
  Bytes data;
  std::vector<TelnetReceiver::Event> events;
  receiver_.feed(bytes, static_cast<std::size_t>(chunk.size()), data, events);
  for (const auto& event : events) {
    takeEvent(event);
    if (state_ == State::Closed) return;
  }
  // What the events did may have closed the port.
  if (state_ == State::Closed) return;
  listen(QByteArray(reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size())));
  deliver(std::move(data));
}

void NetworkPort::takeEvent(const TelnetReceiver::Event& event) {
  using Kind = TelnetReceiver::Event::Kind;
  const Bytes answer = options_.answer(event);
  if (!answer.empty()) sendRaw(answer);
  if (options_.comPortAccepted() == false) {
    fail(Tr(kComPortRefused, {where()}));
    return;
  }
  if (event.kind != Kind::ComPortAnswer || event.code < telnet::kSetBaudRate || event.code > telnet::kSetStopSize ||
      state_ != State::Negotiating)
    return;
  // The server answers with what it set; a value it cannot take is
  // answered with another.
  using namespace telnet;
  auto value = [&event]() -> std::uint32_t {
    std::uint32_t v = 0;
    for (const std::uint8_t b : event.value) v = v << 8 | b;
    return v;
  }();
  static const char* const kSetting[] = {"", "%1 baud", "%1 data bits", "parity code %1", "stop size code %1"};
  const std::uint32_t wanted = event.code == kSetBaudRate   ? 4800
                               : event.code == kSetDataSize ? 8
                               : event.code == kSetParity   ? kParityNone
                                                            : kStopOne;
  if (value != wanted) {
    fail(Tr(kWrongSetting, {where(), QString::fromLatin1(kSetting[event.code]).arg(value),
                              QString::fromLatin1(kSetting[event.code]).arg(wanted)}));
    return;
  }
  answered_[event.code] = true;
  if (answered_[kSetBaudRate] && answered_[kSetDataSize] && answered_[kSetParity] && answered_[kSetStopSize]) {
    roundTrip_ = milliseconds(clock_.elapsed());
    note("line set to 4800 8N1 over RFC 2217, round trip " + std::to_string(roundTrip_->count()) + " ms");
    becomeReady();
  }
}

void NetworkPort::becomeReady() {
  deadline_.stop();
  state_ = State::Ready;
  if (!pending_.empty()) write(std::exchange(pending_, {}));
}

void NetworkPort::onError(QAbstractSocket::SocketError error) {
  if (state_ == State::Closed) return;
  if (state_ == State::Connecting) {
    const QString reason = error == QAbstractSocket::ConnectionRefusedError ? Tr(kRefused)
                           : error == QAbstractSocket::HostNotFoundError    ? Tr(kNoHost)
                                                                            : socket_.errorString();
    fail(Tr(kCannotConnect, {where(), reason}));
    return;
  }
  if (error == QAbstractSocket::RemoteHostClosedError && onlyWords_ && !said_.trimmed().isEmpty()) {
    // Turned away, never the board's port: a board's frames are not words.
    state_ = State::Negotiating;
    fail(Tr(kServerSaid, {where(), QString::fromLatin1(said_.trimmed().left(80))}));
    return;
  }
  fail(error == QAbstractSocket::RemoteHostClosedError ? Tr(kServerClosed, {where()})
                                                        : Tr(kLinkFailed, {where(), socket_.errorString()}));
}

void NetworkPort::onDeadline() {
  if (state_ == State::Connecting)
    fail(Tr(kCannotConnect, {where(), Tr(kNoAnswer, {QString::number(kConnectLimit.count() / 1000)})}));
  else if (state_ == State::Negotiating)
    fail(Tr(kNoSettings, {where(), QString::number(kNegotiationLimit.count() / 1000)}));
}

void NetworkPort::fail(const QString& description) {
  const bool opening = state_ != State::Ready;
  deadline_.stop();
  state_ = State::Closed;
  pending_.clear();
  socket_.abort();
  if (openError_)
    *openError_ = description;
  else if (opening)
    openFailed(description);
  else
    lost(description);
}

}  // namespace

std::unique_ptr<PortDevice> MakeNetworkPort(SerialPort& owner) { return std::make_unique<NetworkPort>(owner); }

}  // namespace tonalis
