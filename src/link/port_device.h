// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <chrono>
#include <memory>
#include <string>

#include "link/protocol.h"
#include "station/ptt_choice.h"

namespace tonalis {

class SerialPort;

// What lies behind a SerialPort: this computer's own port (the system's
// serial API) or one at the far end of a network link. The port picks one by
// the name it is asked to open; the link above never knows which.
class PortDevice {
 public:
  explicit PortDevice(SerialPort& owner) : owner_(owner) {}
  virtual ~PortDevice() = default;
  PortDevice(const PortDevice&) = delete;
  PortDevice& operator=(const PortDevice&) = delete;

  // As SerialPort::open. A device that needs time to reach its port (a
  // network one) returns true at once, queues what is written meanwhile, and
  // reports a failure to get there with openFailed().
  virtual bool open(const QString& name, bool forPtt, QString* error) = 0;
  virtual void close() = 0;
  virtual bool isOpen() const = 0;
  virtual bool write(const Bytes& bytes) = 0;
  virtual void flush() = 0;
  virtual bool setLine(SerialLine line, bool asserted, QString* error) = 0;
  // How much later than on a port of this computer the board's answers may
  // arrive.
  virtual std::chrono::milliseconds answerAllowance() const { return {}; }
  // Still on its way to the port (a network one connecting, negotiating).
  virtual bool connecting() const { return false; }

 protected:
  // What the device read: traced, NULs dropped while dropping is on, passed on.
  void deliver(Bytes bytes);
  void portEvent(int code);
  // The device went away after opening: said once, the device closed first.
  void lost(const QString& description);
  // The device could not be reached after open() returned true.
  void openFailed(const QString& description);
  // A line in the serial trace.
  void note(const std::string& text);

  SerialPort& owner_;
};

// This computer's serial port: Qt Serial Port on Linux, Win32 on Windows.
std::unique_ptr<PortDevice> MakeLocalPort(SerialPort& owner);
// A port at the far end of a network link: rfc2217://HOST:PORT or socket://HOST:PORT.
std::unique_ptr<PortDevice> MakeNetworkPort(SerialPort& owner);

}  // namespace tonalis
