// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <chrono>
#include <memory>

#include "link/protocol.h"
#include "station/ptt_choice.h"

namespace tonalis {

class PortDevice;
class SerialTrace;

// The one serial port of the tool: 4800 baud, 8 data bits, no parity, one
// stop bit, no flow control. Received bytes arrive in whatever chunks the
// device delivers; NUL bytes are dropped while dropping is on. The port is
// this computer's, or one at a site reached over the network when its name
// says so (rfc2217://HOST:PORT, socket://HOST:PORT).
class SerialPort : public QObject {
  Q_OBJECT

 public:
  explicit SerialPort(QObject* parent = nullptr);
  ~SerialPort() override;

  // Opens `device` and releases RTS at once (and DTR when `forPtt`): Linux
  // raises both on opening, which would key a transmitter. On failure
  // returns false with the system's reason in `error`. A network port
  // returns true while it connects, keeps what is written until it can go,
  // and reports a failure to connect with openFailed(); it refuses `forPtt`.
  bool open(const QString& device, bool forPtt, QString* error);
  void close();
  bool isOpen() const;
  QString device() const;

  // Queues the bytes; `flush` pushes them to the device before a close.
  bool write(const Bytes& bytes);
  void flush();

  // Drives RTS or DTR; false with the reason when the device cannot.
  bool setLine(SerialLine line, bool asserted, QString* error);

  void setDropNul(bool drop) { dropNul_ = drop; }
  bool dropNul() const { return dropNul_; }

  void setTrace(SerialTrace* trace) { trace_ = trace; }

  // How much later than on a port of this computer the board's answers may
  // arrive: nothing locally; a network link's round trip (with a margin),
  // or while it is still connecting the most that may take.
  std::chrono::milliseconds answerAllowance() const;
  // Open, but still on its way to the port (a network one connecting).
  bool connecting() const;

 Q_SIGNALS:
  void bytesReceived(const tonalis::Bytes& bytes);
  // A line error or unexpected port event, by its event code.
  void portEvent(int code);
  // The device went away or failed; the port has been closed. Emitted once.
  void lost(const QString& description);
  // A port that open() accepted could not be reached (a network port:
  // nobody listening, no answer, options refused); the port is closed.
  void openFailed(const QString& description);

 private:
  friend class PortDevice;

  std::unique_ptr<PortDevice> device_;
  bool network_ = false;  // which kind device_ is
  QString name_;
  bool dropNul_ = true;
  SerialTrace* trace_ = nullptr;
};

// The message a port event shows in the progress dialog; `portName` as
// "COM" and the programming field's text.
std::string PortEventMessage(int code, const std::string& portName, Translate tx = Untranslated);

// Event codes the serial layer reports.
namespace port_event {
inline constexpr int kBreak = 1001;
inline constexpr int kFrame = 1004;
inline constexpr int kOverrun = 1006;
inline constexpr int kRxOverflow = 1008;
inline constexpr int kParity = 1009;
inline constexpr int kTxFull = 1010;
inline constexpr int kDeviceControl = 1011;
}  // namespace port_event

}  // namespace tonalis
