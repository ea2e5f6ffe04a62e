// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/serial_port.h"

#include <algorithm>

#include "link/network_port_name.h"
#include "link/port_device.h"
#include "link/serial_trace.h"

namespace tonalis {

SerialPort::SerialPort(QObject* parent) : QObject(parent), device_(MakeLocalPort(*this)) {}

SerialPort::~SerialPort() = default;

bool SerialPort::open(const QString& device, bool forPtt, QString* error) {
  close();
  const bool network = NamesNetworkPort(device.toStdString());
  if (network != network_) {
    device_ = network ? MakeNetworkPort(*this) : MakeLocalPort(*this);
    network_ = network;
  }
  name_ = device;
  return device_->open(device, forPtt, error);
}

void SerialPort::close() { device_->close(); }

bool SerialPort::isOpen() const { return device_->isOpen(); }

QString SerialPort::device() const { return name_; }

bool SerialPort::write(const Bytes& bytes) {
  if (!device_->isOpen()) return false;
  if (trace_) trace_->sent(bytes);
  return device_->write(bytes);
}

void SerialPort::flush() { device_->flush(); }

bool SerialPort::setLine(SerialLine line, bool asserted, QString* error) {
  if (!device_->isOpen()) {
    if (error) *error = QStringLiteral("the port is not open");
    return false;
  }
  return device_->setLine(line, asserted, error);
}

std::chrono::milliseconds SerialPort::answerAllowance() const { return device_->answerAllowance(); }

bool SerialPort::connecting() const { return device_->connecting(); }

void PortDevice::deliver(Bytes bytes) {
  if (bytes.empty()) return;
  if (owner_.trace_) owner_.trace_->received(bytes);
  if (owner_.dropNul_) bytes.erase(std::remove(bytes.begin(), bytes.end(), 0), bytes.end());
  if (!bytes.empty()) Q_EMIT owner_.bytesReceived(bytes);
}

void PortDevice::portEvent(int code) { Q_EMIT owner_.portEvent(code); }

void PortDevice::lost(const QString& description) {
  note("port lost: " + description.toStdString());
  Q_EMIT owner_.lost(description);
}

void PortDevice::openFailed(const QString& description) {
  note("not opened: " + description.toStdString());
  Q_EMIT owner_.openFailed(description);
}

void PortDevice::note(const std::string& text) {
  if (owner_.trace_) owner_.trace_->note(text);
}

namespace {

// What each event of the port says, apart from the function (lupdate takes
// the texts inside a function that returns a std::string for std's).
const char* const kPortEventText[] = {
    TONALIS_TEXT("Comm Break Detected"),
    TONALIS_TEXT("Comm Frame Error"),
    TONALIS_TEXT("Comm OverRun Error"),
    TONALIS_TEXT("Comm OverFlow Error"),
    TONALIS_TEXT("Comm Parity Error"),
    TONALIS_TEXT("Comm Tx Buffer Full"),
    TONALIS_TEXT("Comm Device Control Block Error"),
    TONALIS_TEXT("Error no.%1 on %2"),
};

}  // namespace

std::string PortEventMessage(int code, const std::string& portName, Translate tx) {
  switch (code) {
    case port_event::kBreak:
      return tx(kPortEventText[0]);
    case port_event::kFrame:
      return tx(kPortEventText[1]);
    case port_event::kOverrun:
      return tx(kPortEventText[2]);
    case port_event::kRxOverflow:
      return tx(kPortEventText[3]);
    case port_event::kParity:
      return tx(kPortEventText[4]);
    case port_event::kTxFull:
      return tx(kPortEventText[5]);
    case port_event::kDeviceControl:
      return tx(kPortEventText[6]);
    default:
      return Fill(tx(kPortEventText[7]), {std::to_string(code), portName});
  }
}

}  // namespace tonalis
