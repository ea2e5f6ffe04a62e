// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/serial_port.h"

#include "link/serial_trace.h"

namespace tonalis {

SerialPort::SerialPort(QObject* parent) : QObject(parent) {
  port_.setBaudRate(QSerialPort::Baud4800);
  port_.setDataBits(QSerialPort::Data8);
  port_.setParity(QSerialPort::NoParity);
  port_.setStopBits(QSerialPort::OneStop);
  port_.setFlowControl(QSerialPort::NoFlowControl);
  connect(&port_, &QSerialPort::readyRead, this, &SerialPort::onReadyRead);
  connect(&port_, &QSerialPort::errorOccurred, this, &SerialPort::onError);
}

SerialPort::~SerialPort() = default;

bool SerialPort::open(const QString& device, bool forPtt, QString* error) {
  close();
  port_.setPortName(device);
  if (!port_.open(QIODevice::ReadWrite)) {
    // Qt calls a port that another program holds a locking error.
    if (error)
      *error = port_.error() == QSerialPort::PermissionError && port_.errorString().contains("lock", Qt::CaseInsensitive)
                   ? QStringLiteral("the port is in use by another program (another Tonalis, a terminal, ModemManager?). "
                                    "Close it there, then try again.")
                   : port_.errorString();
    port_.clearError();
    return false;
  }
  // Some adapters and every pseudo-terminal have no modem lines: not being
  // able to release them is no reason to refuse the port.
  quiet_ = true;
  port_.setRequestToSend(false);
  if (forPtt) port_.setDataTerminalReady(false);
  port_.clearError();
  quiet_ = false;
  return true;
}

void SerialPort::close() {
  if (port_.isOpen()) port_.close();
  port_.clearError();
}

bool SerialPort::isOpen() const { return port_.isOpen(); }

QString SerialPort::device() const { return port_.portName(); }

bool SerialPort::write(const Bytes& bytes) {
  if (!port_.isOpen()) return false;
  if (trace_) trace_->sent(bytes);
  const auto size = static_cast<qint64>(bytes.size());
  return port_.write(reinterpret_cast<const char*>(bytes.data()), size) == size;
}

void SerialPort::flush() {
  if (port_.isOpen()) port_.flush();
}

bool SerialPort::setLine(SerialLine line, bool asserted, QString* error) {
  if (!port_.isOpen()) {
    if (error) *error = QStringLiteral("the port is not open");
    return false;
  }
  quiet_ = true;
  const bool ok =
      line == SerialLine::Rts ? port_.setRequestToSend(asserted) : port_.setDataTerminalReady(asserted);
  if (!ok && error) *error = port_.errorString();
  port_.clearError();
  quiet_ = false;
  return ok;
}

void SerialPort::onReadyRead() {
  const QByteArray data = port_.readAll();
  if (data.isEmpty()) return;
  Bytes bytes(data.begin(), data.end());
  if (trace_) trace_->received(bytes);
  if (dropNul_) bytes.erase(std::remove(bytes.begin(), bytes.end(), 0), bytes.end());
  if (!bytes.empty()) Q_EMIT bytesReceived(bytes);
}

void SerialPort::onError(QSerialPort::SerialPortError error) {
  if (error == QSerialPort::NoError || quiet_ || !port_.isOpen()) return;
  switch (error) {
    case QSerialPort::ResourceError:
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
    case QSerialPort::NotOpenError: {
      // Qt keeps reporting a vanished device until the port is closed: close
      // it on the first report so the user hears of it once.
      const QString system = port_.errorString();
      if (trace_) trace_->note("port lost: " + system.toStdString());
      // A hang-up reads as "Inappropriate ioctl for device" and an unplugged
      // adapter as an I/O error: either way the device is gone.
      const QString description =
          error == QSerialPort::WriteError
              ? QStringLiteral("writing to the device failed (%1).").arg(system)
              : QStringLiteral("the device went away (unplugged, or its driver stopped).");
      port_.close();
      port_.clearError();
      Q_EMIT lost(description);
      return;
    }
    case QSerialPort::UnsupportedOperationError:
      port_.clearError();
      Q_EMIT portEvent(port_event::kDeviceControl);
      return;
    case QSerialPort::TimeoutError:
      port_.clearError();
      return;
    default:
      port_.clearError();
      Q_EMIT portEvent(static_cast<int>(error));
      return;
  }
}

std::string PortEventMessage(int code, const std::string& portName) {
  switch (code) {
    case port_event::kBreak:
      return "Comm Break Detected";
    case port_event::kFrame:
      return "Comm Frame Error";
    case port_event::kOverrun:
      return "Comm OverRun Error";
    case port_event::kRxOverflow:
      return "Comm OverFlow Error";
    case port_event::kParity:
      return "Comm Parity Error";
    case port_event::kTxFull:
      return "Comm Tx Buffer Full";
    case port_event::kDeviceControl:
      return "Comm Device Control Block Error";
    default:
      return "Errore n." + std::to_string(code) + " su " + portName;
  }
}

}  // namespace tonalis
