// SPDX-License-Identifier: GPL-3.0-or-later
#include <QSerialPort>

#include "link/port_device.h"
#include "link/serial_port.h"

namespace tonalis {
namespace {

class LocalPort final : public PortDevice {
 public:
  explicit LocalPort(SerialPort& owner) : PortDevice(owner) {
    port_.setBaudRate(QSerialPort::Baud4800);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    QObject::connect(&port_, &QSerialPort::readyRead, &port_, [this] {
      const QByteArray data = port_.readAll();
      deliver(Bytes(data.begin(), data.end()));
    });
    QObject::connect(&port_, &QSerialPort::errorOccurred, &port_,
                     [this](QSerialPort::SerialPortError error) { onError(error); });
  }

  bool open(const QString& name, bool forPtt, QString* error) override;
  void close() override {
    if (port_.isOpen()) port_.close();
    port_.clearError();
  }
  bool isOpen() const override { return port_.isOpen(); }
  bool write(const Bytes& bytes) override {
    const auto size = static_cast<qint64>(bytes.size());
    return port_.write(reinterpret_cast<const char*>(bytes.data()), size) == size;
  }
  void flush() override {
    if (port_.isOpen()) port_.flush();
  }
  bool setLine(SerialLine line, bool asserted, QString* error) override;

 private:
  void onError(QSerialPort::SerialPortError error);

  QSerialPort port_;
  bool quiet_ = false;  // errors of our own RTS/DTR calls are handled where made
};

bool LocalPort::open(const QString& name, bool forPtt, QString* error) {
  port_.setPortName(name);
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

bool LocalPort::setLine(SerialLine line, bool asserted, QString* error) {
  quiet_ = true;
  const bool ok = line == SerialLine::Rts ? port_.setRequestToSend(asserted) : port_.setDataTerminalReady(asserted);
  if (!ok && error) *error = port_.errorString();
  port_.clearError();
  quiet_ = false;
  return ok;
}

void LocalPort::onError(QSerialPort::SerialPortError error) {
  if (error == QSerialPort::NoError || quiet_ || !port_.isOpen()) return;
  switch (error) {
    case QSerialPort::ResourceError:
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
    case QSerialPort::NotOpenError: {
      // Qt keeps reporting a vanished device until the port is closed: close
      // it on the first report so the user hears of it once.
      const QString system = port_.errorString();
      note("system error: " + system.toStdString());
      // A hang-up reads as "Inappropriate ioctl for device" and an unplugged
      // adapter as an I/O error: either way the device is gone.
      const QString description =
          error == QSerialPort::WriteError
              ? QStringLiteral("writing to the device failed (%1).").arg(system)
              : QStringLiteral("the device went away (unplugged, or its driver stopped).");
      port_.close();
      port_.clearError();
      lost(description);
      return;
    }
    case QSerialPort::UnsupportedOperationError:
      port_.clearError();
      portEvent(port_event::kDeviceControl);
      return;
    case QSerialPort::TimeoutError:
      port_.clearError();
      return;
    default:
      port_.clearError();
      portEvent(static_cast<int>(error));
      return;
  }
}

}  // namespace

std::unique_ptr<PortDevice> MakeLocalPort(SerialPort& owner) { return std::make_unique<LocalPort>(owner); }

}  // namespace tonalis
