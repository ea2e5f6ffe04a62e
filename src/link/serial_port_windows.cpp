// SPDX-License-Identifier: GPL-3.0-or-later
// The serial port through the Win32 communications API: an overlapped read
// of the first byte to arrive, then of what has arrived with it, and
// overlapped writes, their completions watched on the event loop. (Waiting
// with WaitCommEvent, or with the read time-outs meant for this, fails
// under Wine on a pseudo-terminal; this way works on both.)
#include <windows.h>

#include <QRegularExpression>
#include <QWinEventNotifier>
#include <algorithm>

#include "link/serial_port.h"
#include "link/serial_trace.h"

namespace tonalis {
namespace {

QString SystemMessage(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                     code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  QString message = QString::fromWCharArray(text ? text : L"", static_cast<int>(length)).trimmed();
  if (text) LocalFree(text);
  if (message.endsWith('.')) message.chop(1);
  return message.isEmpty() ? QStringLiteral("error %1").arg(code) : message;
}

}  // namespace

// "COM12" as the system names it: the device namespace reaches every port.
std::wstring SerialDevicePath(const QString& device) {
  static const QRegularExpression plain(QStringLiteral("^COM[0-9]+$"), QRegularExpression::CaseInsensitiveOption);
  return (plain.match(device).hasMatch() ? QStringLiteral("\\\\.\\") + device : device).toStdWString();
}

struct SerialPort::Device {
  explicit Device(SerialPort& owner) : owner(owner) {
    reading.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    draining.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    writing.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    readDone = new QWinEventNotifier(reading.hEvent, &owner);
    writeDone = new QWinEventNotifier(writing.hEvent, &owner);
    readDone->setEnabled(false);
    writeDone->setEnabled(false);
    QObject::connect(readDone, &QWinEventNotifier::activated, &owner, [this] { onRead(); });
    QObject::connect(writeDone, &QWinEventNotifier::activated, &owner, [this] { onWritten(); });
  }
  ~Device() {
    close();
    CloseHandle(reading.hEvent);
    CloseHandle(draining.hEvent);
    CloseHandle(writing.hEvent);
  }

  bool isOpen() const { return handle != INVALID_HANDLE_VALUE; }
  void startRead();
  void onRead();
  void startWrite();
  void onWritten();
  void reportLineErrors(DWORD errors);
  void fail(const QString& description);
  void close();

  SerialPort& owner;
  HANDLE handle = INVALID_HANDLE_VALUE;
  QString name;
  OVERLAPPED reading{};   // the first byte
  OVERLAPPED draining{};  // what has arrived with it, which returns at once
  char buffer[4096];
  bool readPending = false;
  OVERLAPPED writing{};
  QByteArray inFlight;  // being written; kept until the write completes
  QByteArray queued;    // written once it has
  bool writePending = false;
  QWinEventNotifier* readDone;
  QWinEventNotifier* writeDone;
};

void SerialPort::Device::startRead() {
  if (!isOpen()) return;
  if (!ReadFile(handle, buffer, 1, nullptr, &reading) && GetLastError() != ERROR_IO_PENDING) {
    fail(QStringLiteral("the device went away (unplugged, or its driver stopped)."));
    return;
  }
  readPending = true;
  readDone->setEnabled(true);
}

void SerialPort::Device::onRead() {
  if (!readPending) return;
  DWORD count = 0;
  const bool ok = GetOverlappedResult(handle, &reading, &count, FALSE);
  if (!ok && GetLastError() == ERROR_IO_INCOMPLETE) return;
  readPending = false;
  ResetEvent(reading.hEvent);
  // Closing the port ends the read too, but does not come here.
  if (!ok && GetLastError() != ERROR_OPERATION_ABORTED) {
    fail(QStringLiteral("the device went away (unplugged, or its driver stopped)."));
    return;
  }
  DWORD errors = 0;
  COMSTAT status{};
  if (!ClearCommError(handle, &errors, &status)) {
    fail(QStringLiteral("the device went away (unplugged, or its driver stopped)."));
    return;
  }
  reportLineErrors(errors);
  DWORD more = 0;
  if (ok && status.cbInQue > 0) {
    const DWORD wanted = std::min<DWORD>(status.cbInQue, sizeof buffer - count);
    const bool read = ReadFile(handle, buffer + count, wanted, nullptr, &draining) || GetLastError() == ERROR_IO_PENDING;
    if (!read || !GetOverlappedResult(handle, &draining, &more, TRUE)) {
      fail(QStringLiteral("the device went away (unplugged, or its driver stopped)."));
      return;
    }
  }
  // What is delivered may close the port.
  if (count + more > 0) owner.deliver(Bytes(buffer, buffer + count + more));
  startRead();
}

void SerialPort::Device::startWrite() {
  if (!isOpen() || writePending || queued.isEmpty()) return;
  inFlight.swap(queued);
  queued.clear();
  if (!WriteFile(handle, inFlight.constData(), static_cast<DWORD>(inFlight.size()), nullptr, &writing) &&
      GetLastError() != ERROR_IO_PENDING) {
    fail(QStringLiteral("writing to the device failed (%1).").arg(SystemMessage(GetLastError())));
    return;
  }
  writePending = true;
  writeDone->setEnabled(true);
}

void SerialPort::Device::onWritten() {
  if (!writePending) return;
  DWORD count = 0;
  const bool ok = GetOverlappedResult(handle, &writing, &count, FALSE);
  if (!ok && GetLastError() == ERROR_IO_INCOMPLETE) return;
  writePending = false;
  ResetEvent(writing.hEvent);
  if (!ok || count != static_cast<DWORD>(inFlight.size())) {
    if (ok || GetLastError() != ERROR_OPERATION_ABORTED)
      fail(QStringLiteral("writing to the device failed (%1).")
               .arg(ok ? QStringLiteral("the write stopped short") : SystemMessage(GetLastError())));
    return;
  }
  inFlight.clear();
  startWrite();
}

void SerialPort::Device::reportLineErrors(DWORD errors) {
  const std::pair<DWORD, int> kinds[] = {
      {CE_BREAK, port_event::kBreak},      {CE_FRAME, port_event::kFrame},   {CE_OVERRUN, port_event::kOverrun},
      {CE_RXOVER, port_event::kRxOverflow}, {CE_RXPARITY, port_event::kParity}, {CE_TXFULL, port_event::kTxFull},
  };
  for (const auto& [bit, code] : kinds)
    if (errors & bit) Q_EMIT owner.portEvent(code);
}

void SerialPort::Device::fail(const QString& description) {
  if (owner.trace_) owner.trace_->note("port lost: " + description.toStdString());
  close();
  Q_EMIT owner.lost(description);
}

void SerialPort::Device::close() {
  if (!isOpen()) return;
  CancelIo(handle);
  DWORD count = 0;
  // The system lets go of the buffers before they go.
  if (readPending) GetOverlappedResult(handle, &reading, &count, TRUE);
  if (writePending) GetOverlappedResult(handle, &writing, &count, TRUE);
  readPending = writePending = false;
  readDone->setEnabled(false);
  writeDone->setEnabled(false);
  ResetEvent(reading.hEvent);
  ResetEvent(writing.hEvent);
  CloseHandle(handle);
  handle = INVALID_HANDLE_VALUE;
  inFlight.clear();
  queued.clear();
}

SerialPort::SerialPort(QObject* parent) : QObject(parent), device_(std::make_unique<Device>(*this)) {}

SerialPort::~SerialPort() = default;

bool SerialPort::open(const QString& device, bool forPtt, QString* error) {
  close();
  Device& d = *device_;
  const std::wstring path = SerialDevicePath(device);
  d.handle = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED,
                         nullptr);
  if (d.handle == INVALID_HANDLE_VALUE) {
    const DWORD code = GetLastError();
    if (error)
      *error = code == ERROR_ACCESS_DENIED || code == ERROR_SHARING_VIOLATION
                   ? QStringLiteral("the port is in use by another program (another Tonalis, a terminal?). "
                                    "Close it there, then try again.")
               : code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND
                   ? QStringLiteral("there is no such port on this computer (Device Manager lists the COM ports).")
                   : SystemMessage(code);
    return false;
  }
  // 4800 baud, 8N1, no flow control, RTS and DTR low from the start: a
  // transmitter on either line stays released.
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  bool ok = GetCommState(d.handle, &dcb);
  if (ok) {
    dcb.BaudRate = CBR_4800;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDtrControl = DTR_CONTROL_DISABLE;
    dcb.fRtsControl = RTS_CONTROL_DISABLE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    ok = SetCommState(d.handle, &dcb);
  }
  // No time-outs: a read waits for as many bytes as it asks for.
  COMMTIMEOUTS timeouts{0, 0, 0, 0, 0};
  if (ok) ok = SetCommTimeouts(d.handle, &timeouts);
  if (!ok) {
    const DWORD code = GetLastError();
    CloseHandle(d.handle);
    d.handle = INVALID_HANDLE_VALUE;
    if (error) *error = QStringLiteral("not a serial port (%1).").arg(SystemMessage(code));
    return false;
  }
  PurgeComm(d.handle, PURGE_RXCLEAR | PURGE_TXCLEAR);
  EscapeCommFunction(d.handle, CLRRTS);
  if (forPtt) EscapeCommFunction(d.handle, CLRDTR);
  d.name = device;
  d.startRead();
  return d.isOpen();
}

void SerialPort::close() { device_->close(); }

bool SerialPort::isOpen() const { return device_->isOpen(); }

QString SerialPort::device() const { return device_->name; }

bool SerialPort::write(const Bytes& bytes) {
  if (!isOpen()) return false;
  if (trace_) trace_->sent(bytes);
  device_->queued.append(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
  device_->startWrite();
  return true;
}

void SerialPort::flush() {
  Device& d = *device_;
  // Before a close: what is queued goes out first (a few bytes, at most a
  // fraction of a second at 4800 baud).
  while (d.isOpen() && (d.writePending || !d.queued.isEmpty())) {
    if (d.writePending) {
      DWORD count = 0;
      GetOverlappedResult(d.handle, &d.writing, &count, TRUE);
      d.onWritten();
    } else {
      d.startWrite();
    }
  }
}

bool SerialPort::setLine(SerialLine line, bool asserted, QString* error) {
  if (!isOpen()) {
    if (error) *error = QStringLiteral("the port is not open");
    return false;
  }
  const DWORD function = line == SerialLine::Rts ? (asserted ? SETRTS : CLRRTS) : (asserted ? SETDTR : CLRDTR);
  if (EscapeCommFunction(device_->handle, function)) return true;
  if (error) *error = SystemMessage(GetLastError());
  return false;
}

}  // namespace tonalis
