// SPDX-License-Identifier: GPL-3.0-or-later
// The network port against a server scripted by the test: what reaches the
// line's server byte for byte, and each way a server can answer.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <functional>
#include <memory>

#include "link/board_link.h"
#include "link/serial_port.h"
#include "link/telnet_codec.h"
#include "support/free_port.h"
#include "support/recording.h"

namespace tonalis {
namespace {

using namespace telnet;
using testing::RecordingMessages;
using testing::RecordingProgress;

QByteArray B(const Bytes& bytes) { return QByteArray(reinterpret_cast<const char*>(bytes.data()), bytes.size()); }
Bytes Cat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

// A server's answer to one COM port command, with the value it set.
Bytes Answer(std::uint8_t command, const Bytes& value) { return ComPortCommand(command + kServerOffset, value); }
// What a server that takes every setting says back, as ser2net does.
Bytes Agreement(std::uint32_t baud = 4800) {
  return Cat({{kIac, kDo, kComPort, kIac, kWill, kBinary, kIac, kDo, kBinary, kIac, kWill, kSuppressGoAhead},
              Answer(kSetBaudRate, {static_cast<std::uint8_t>(baud >> 24), static_cast<std::uint8_t>(baud >> 16),
                                    static_cast<std::uint8_t>(baud >> 8), static_cast<std::uint8_t>(baud)}),
              Answer(kSetDataSize, {8}), Answer(kSetParity, {kParityNone}), Answer(kSetStopSize, {kStopOne})});
}
// What the client says first: the options, the line, then the control lines.
Bytes ClientOpening() {
  return Cat({TelnetOpening(), ComPortSettings(), ComPortCommand(kSetControl, {kNoFlowControl}),
              ComPortCommand(kSetControl, {kDtrOn}), ComPortCommand(kSetControl, {kRtsOff})});
}

// One client at a time; `reply` decides what to say to what it received.
class ScriptedServer {
 public:
  using Reply = std::function<void(ScriptedServer&)>;
  explicit ScriptedServer(Reply reply = {}) : reply_(std::move(reply)) {
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      client_ = server_.nextPendingConnection();
      QObject::connect(client_, &QTcpSocket::readyRead, [this] {
        received += client_->readAll();
        if (reply_) reply_(*this);
      });
    });
  }
  std::string name(const char* scheme = "rfc2217") const {
    return std::string(scheme) + "://127.0.0.1:" + std::to_string(server_.serverPort());
  }
  void send(const Bytes& bytes) {
    client_->write(B(bytes));
    client_->flush();
  }
  void close() { client_->disconnectFromHost(); }
  bool connected() const { return client_ != nullptr; }

  QByteArray received;
  int replies = 0;  // a script's own count

 private:
  QTcpServer server_;
  QTcpSocket* client_ = nullptr;
  Reply reply_;
};

// Answers the opening once, whole.
ScriptedServer::Reply Agrees(Bytes agreement = Agreement()) {
  return [agreement](ScriptedServer& s) {
    if (s.replies == 0 && s.received.size() >= static_cast<qsizetype>(ClientOpening().size())) {
      ++s.replies;
      s.send(agreement);
    }
  };
}

struct Port {
  SerialPort port;
  QSignalSpy received{&port, &SerialPort::bytesReceived};
  QSignalSpy lost{&port, &SerialPort::lost};
  QSignalSpy openFailed{&port, &SerialPort::openFailed};

  bool open(const std::string& name) {
    QString error;
    const bool ok = port.open(QString::fromStdString(name), false, &error);
    EXPECT_TRUE(ok) << error.toStdString();
    return ok;
  }
  bool waitReady(int ms = 3000) {
    return QTest::qWaitFor([this] { return !port.connecting() || openFailed.count() > 0; }, ms) && port.isOpen() &&
           openFailed.isEmpty();
  }
  Bytes data() const {
    Bytes out;
    for (const auto& args : received) {
      const auto chunk = args.first().value<Bytes>();
      out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
  }
  std::string failure() const {
    return openFailed.isEmpty() ? std::string() : openFailed.first().first().toString().toStdString();
  }
};

TEST(NetworkPort, EachWayANegotiationEnds) {
  struct Case {
    const char* what;
    const char* scheme;
    ScriptedServer::Reply reply;
    const char* failure;  // empty: the port becomes ready
  };
  const Case cases[] = {
      {"a server that takes every setting", "rfc2217", Agrees(), ""},
      {"answers a byte at a time, each its own segment", "rfc2217",
       [](ScriptedServer& s) {
         if (s.replies++ > 0) return;
         for (const std::uint8_t b : Agreement()) {
           s.send({b});
           QTest::qWait(2);
         }
       },
       ""},
      {"the COM port option refused", "rfc2217", Agrees({kIac, kDont, kComPort}),
       "refuses to set the serial line (RFC 2217). A raw TCP port, set to 4800 8N1 at the server, is named "
       "socket://127.0.0.1:"},
      {"a line it sets to another speed", "rfc2217", Agrees(Agreement(9600)),
       "set the line to 9600 baud instead of 4800 baud: the board needs 4800 8N1."},
      {"turned away in words, then closed", "rfc2217",
       [](ScriptedServer& s) {
         s.send({'P', 'o', 'r', 't', ' ', 'b', 'u', 's', 'y', '\r', '\n'});
         s.close();
       },
       "closed the connection, saying \"Port busy\"."},
      {"a raw port answered by a telnet server", "socket",
       [](ScriptedServer& s) { s.send({kIac, kWill, kSuppressGoAhead, kIac, kDo, kComPort}); },
       "speaks telnet: a port with RFC 2217 is named rfc2217://127.0.0.1:"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedServer server(c.reply);
    Port p;
    ASSERT_TRUE(p.open(server.name(c.scheme)));
    // A raw server says nothing before it is spoken to.
    if (std::string(c.scheme) == "socket") p.port.write({0xFF, 0xCC});
    const bool ready = p.waitReady();
    if (std::string(c.failure).empty()) {
      EXPECT_TRUE(ready) << p.failure();
    } else {
      ASSERT_TRUE(QTest::qWaitFor([&] { return !p.openFailed.isEmpty(); }, 3000));
      EXPECT_NE(p.failure().find(c.failure), std::string::npos) << p.failure();
      EXPECT_FALSE(p.port.isOpen());
      EXPECT_TRUE(p.lost.isEmpty());
    }
  }
}

TEST(NetworkPort, NobodyListeningOrNoAnswerIsSaidInWords) {
  Port refused;
  const int closed = testing::FreePort();
  ASSERT_TRUE(refused.open("rfc2217://127.0.0.1:" + std::to_string(closed)));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !refused.openFailed.isEmpty(); }, 3000));
  EXPECT_EQ(refused.failure(), "Cannot connect to 127.0.0.1:" + std::to_string(closed) +
                                   ": connection refused (is the serial server running there, on this port?)");

  // A server that answers three of the four settings: never ready.
  Bytes threeOfFour = Agreement();
  threeOfFour.resize(threeOfFour.size() - Answer(kSetStopSize, {kStopOne}).size());
  ScriptedServer silent(Agrees(threeOfFour));
  Port waiting;
  QElapsedTimer clock;
  clock.start();
  ASSERT_TRUE(waiting.open(silent.name()));
  EXPECT_GE(waiting.port.answerAllowance().count(), 5000) << "the board's waits cover the connecting";
  ASSERT_TRUE(QTest::qWaitFor([&] { return !waiting.openFailed.isEmpty(); }, 8000));
  EXPECT_GE(clock.elapsed(), 4700) << "5 s, as a coarse timer keeps it";
  EXPECT_NE(waiting.failure().find("did not answer the serial line settings (RFC 2217) within 5 s"), std::string::npos)
      << waiting.failure();
}

TEST(NetworkPort, WhatGoesOnTheWireAndWhatComesBack) {
  ScriptedServer server(Agrees());
  Port p;
  ASSERT_TRUE(p.open(server.name()));
  // Written before the line is set: kept, then sent escaped after the opening.
  p.port.write(kIdentifyRequest);
  ASSERT_TRUE(p.waitReady());
  p.port.write({0xFF, 0xFF, 0x00, 0xFF});
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return server.received.size() >= static_cast<qsizetype>(ClientOpening().size() + 10); }, 3000));
  QTest::qWait(50);
  EXPECT_EQ(server.received,
            B(Cat({ClientOpening(), {0xFF, 0xFF, 0xCC}, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0xFF}})))
      << "every FF doubled, the control lines not awaited";

  // The board's frame, its FFs doubled, with an option and a line-state
  // notice in the middle and the segments cut inside an IAC pair.
  server.received.clear();
  const Bytes notice = ComPortCommand(7 + kServerOffset, {0x60});
  const Bytes wire =
      Cat({{0xFF, 0xFF, 0xAA, 'Q'}, {kIac, kWill, 1}, {'u', 0xFF, 0xFF}, notice, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x0D}});
  for (const std::size_t cut : {std::size_t{1}, std::size_t{5}, std::size_t{8}}) {
    SCOPED_TRACE(cut);
    p.received.clear();
    server.send(Bytes(wire.begin(), wire.begin() + cut));
    QTest::qWait(20);
    server.send(Bytes(wire.begin() + cut, wire.end()));
    p.port.setDropNul(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.data().size() >= 9; }, 3000));
    EXPECT_EQ(p.data(), (Bytes{0xFF, 0xAA, 'Q', 'u', 0xFF, 0xFF, 0xFF, 0x00, 0x0D}));
  }
  EXPECT_EQ(server.received, B({kIac, kDont, 1, kIac, kDont, 1, kIac, kDont, 1}))
      << "an option we do not speak refused each time it is offered";

  // The server goes: the port is lost once, after it was open.
  server.close();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !p.lost.isEmpty(); }, 3000));
  QTest::qWait(50);
  EXPECT_EQ(p.lost.count(), 1);
  EXPECT_FALSE(p.port.isOpen());
  EXPECT_NE(p.lost.first().first().toString().toStdString().find("closed the connection."), std::string::npos);
}

TEST(NetworkPort, TheBoardsWaitsStretchByTheRoundTrip) {
  // A server 200 ms away: its answers arrive that late.
  ScriptedServer far([](ScriptedServer& s) {
    if (s.replies++ == 0) QTimer::singleShot(200, [&s] { s.send(Agreement()); });
  });
  Port p;
  ASSERT_TRUE(p.open(far.name()));
  ASSERT_TRUE(p.waitReady());
  const auto allowance = p.port.answerAllowance().count();
  EXPECT_GE(allowance, 200);
  EXPECT_LE(allowance, 2000);

  // A raw port: until its first answer, a second more; then its round trip.
  ScriptedServer raw([](ScriptedServer& s) {
    if (s.replies++ == 0) QTimer::singleShot(100, [&s] { s.send({0xFF, 0xAA}); });
  });
  Port q;
  ASSERT_TRUE(q.open(raw.name("socket")));
  ASSERT_TRUE(q.waitReady());
  EXPECT_EQ(q.port.answerAllowance().count(), 1000);
  q.port.write(kIdentifyRequest);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !q.received.isEmpty(); }, 3000));
  EXPECT_GE(q.port.answerAllowance().count(), 100);
  EXPECT_LT(q.port.answerAllowance().count(), 1000);
}

TEST(NetworkPort, NeverKeysATransmitter) {
  ScriptedServer server(Agrees());
  SerialPort port;
  QString error;
  EXPECT_FALSE(port.open(QString::fromStdString(server.name()), true, &error));
  EXPECT_NE(error.toStdString().find("cannot key a transmitter"), std::string::npos) << error.toStdString();
  EXPECT_FALSE(port.isOpen());
  QTest::qWait(50);
  EXPECT_FALSE(server.connected()) << "nothing was sent to the site";
}

// The link above: a port it cannot reach unticks Enable with the reason,
// and ends an exchange started while connecting.
TEST(NetworkPort, TheLinkSaysWhyItCouldNotOpen) {
  RecordingProgress progress;
  RecordingMessages messages;
  const std::string name = "rfc2217://127.0.0.1:" + std::to_string(testing::FreePort());
  BoardLink link(progress, messages, [&](int) {
    BoardLink::PortTarget target(name);
    return target;
  });
  QSignalSpy finished(&link, &BoardLink::exchangeFinished);
  link.setProgrammingTicked(true, "7");
  EXPECT_TRUE(link.portOpen()) << "connecting";
  link.readBoard();
  ASSERT_TRUE(finished.wait(3000));
  EXPECT_FALSE(finished.first().first().toBool());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Not able to open COM7\r\n" + name + ": Cannot connect to " + name.substr(10) +
                                        ": connection refused (is the serial server running there, on this port?)");
  EXPECT_FALSE(link.controls().chkPrg);
  EXPECT_FALSE(link.portOpen());
}

}  // namespace
}  // namespace tonalis
