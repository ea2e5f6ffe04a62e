// SPDX-License-Identifier: GPL-3.0-or-later
#include <QSerialPort>

#include "link/serial_port.h"
#include "link/serial_trace.h"

namespace tonalis {

struct SerialPort::Device {
  explicit Device(SerialPort& owner) : owner(owner) {}
  void onError(QSerialPort::SerialPortError error);

  SerialPort& owner;
  QSerialPort port;
  bool quiet = false;  // errors of our own RTS/DTR calls are handled where made
};

SerialPort::SerialPort(QObject* parent) : QObject(parent), device_(std::make_unique<Device>(*this)) {
  QSerialPort& port = device_->port;
  port.setBaudRate(QSerialPort::Baud4800);
  port.setDataBits(QSerialPort::Data8);
  port.setParity(QSerialPort::NoParity);
  port.setStopBits(QSerialPort::OneStop);
  port.setFlowControl(QSerialPort::NoFlowControl);
  connect(&port, &QSerialPort::readyRead, this, [this] {
    const QByteArray data = device_->port.readAll();
    deliver(Bytes(data.begin(), data.end()));
  });
  connect(&port, &QSerialPort::errorOccurred, this,
          [this](QSerialPort::SerialPortError error) { device_->onError(error); });
}

SerialPort::~SerialPort() = default;

bool SerialPort::open(const QString& device, bool forPtt, QString* error) {
  close();
  device_->port.setPortName(device);
  if (!device_->port.open(QIODevice::ReadWrite)) {
    // Qt calls a port that another program holds a locking error.
    if (error)
      *error = device_->port.error() == QSerialPort::PermissionError && device_->port.errorString().contains("lock", Qt::CaseInsensitive)
                   ? QStringLiteral("the port is in use by another program (another Tonalis, a terminal, ModemManager?). "
                                    "Close it there, then try again.")
                   : device_->port.errorString();
    device_->port.clearError();
    return false;
  }
  // Some adapters and every pseudo-terminal have no modem lines: not being
  // able to release them is no reason to refuse the port.
  device_->quiet = true;
  device_->port.setRequestToSend(false);
  if (forPtt) device_->port.setDataTerminalReady(false);
  device_->port.clearError();
  device_->quiet = false;
  return true;
}

void SerialPort::close() {
  if (device_->port.isOpen()) device_->port.close();
  device_->port.clearError();
}

bool SerialPort::isOpen() const { return device_->port.isOpen(); }

QString SerialPort::device() const { return device_->port.portName(); }

bool SerialPort::write(const Bytes& bytes) {
  if (!device_->port.isOpen()) return false;
  if (trace_) trace_->sent(bytes);
  const auto size = static_cast<qint64>(bytes.size());
  return device_->port.write(reinterpret_cast<const char*>(bytes.data()), size) == size;
}

void SerialPort::flush() {
  if (device_->port.isOpen()) device_->port.flush();
}

bool SerialPort::setLine(SerialLine line, bool asserted, QString* error) {
  if (!device_->port.isOpen()) {
    if (error) *error = QStringLiteral("the port is not open");
    return false;
  }
  device_->quiet = true;
  const bool ok =
      line == SerialLine::Rts ? device_->port.setRequestToSend(asserted) : device_->port.setDataTerminalReady(asserted);
  if (!ok && error) *error = device_->port.errorString();
  device_->port.clearError();
  device_->quiet = false;
  return ok;
}

void SerialPort::Device::onError(QSerialPort::SerialPortError error) {
  if (error == QSerialPort::NoError || quiet || !port.isOpen()) return;
  switch (error) {
    case QSerialPort::ResourceError:
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
    case QSerialPort::NotOpenError: {
      // Qt keeps reporting a vanished device until the port is closed: close
      // it on the first report so the user hears of it once.
      const QString system = port.errorString();
      if (owner.trace_) owner.trace_->note("port lost: " + system.toStdString());
      // A hang-up reads as "Inappropriate ioctl for device" and an unplugged
      // adapter as an I/O error: either way the device is gone.
      const QString description =
          error == QSerialPort::WriteError
              ? QStringLiteral("writing to the device failed (%1).").arg(system)
              : QStringLiteral("the device went away (unplugged, or its driver stopped).");
      port.close();
      port.clearError();
      Q_EMIT owner.lost(description);
      return;
    }
    case QSerialPort::UnsupportedOperationError:
      port.clearError();
      Q_EMIT owner.portEvent(port_event::kDeviceControl);
      return;
    case QSerialPort::TimeoutError:
      port.clearError();
      return;
    default:
      port.clearError();
      Q_EMIT owner.portEvent(static_cast<int>(error));
      return;
  }
}

}  // namespace tonalis
