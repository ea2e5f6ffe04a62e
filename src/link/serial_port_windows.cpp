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

#include "link/port_device.h"
#include "link/serial_port.h"

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

namespace {

class LocalPort final : public PortDevice {
 public:
  explicit LocalPort(SerialPort& owner) : PortDevice(owner) {
    reading.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    draining.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    writing.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    readDone = new QWinEventNotifier(reading.hEvent);
    writeDone = new QWinEventNotifier(writing.hEvent);
    readDone->setEnabled(false);
    writeDone->setEnabled(false);
    QObject::connect(readDone, &QWinEventNotifier::activated, readDone, [this] { onRead(); });
    QObject::connect(writeDone, &QWinEventNotifier::activated, writeDone, [this] { onWritten(); });
  }
  ~LocalPort() override {
    close();
    delete readDone;
    delete writeDone;
    CloseHandle(reading.hEvent);
    CloseHandle(draining.hEvent);
    CloseHandle(writing.hEvent);
  }

  bool open(const QString& name, bool forPtt, QString* error) override;
  void close() override;
  bool isOpen() const override { return handle != INVALID_HANDLE_VALUE; }
  bool write(const Bytes& bytes) override;
  void flush() override;
  bool setLine(SerialLine line, bool asserted, QString* error) override;

 private:
  void startRead();
  void onRead();
  void startWrite();
  void onWritten();
  void reportLineErrors(DWORD errors);
  void fail(const QString& description);

  HANDLE handle = INVALID_HANDLE_VALUE;
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

void LocalPort::startRead() {
  if (!isOpen()) return;
  if (!ReadFile(handle, buffer, 1, nullptr, &reading) && GetLastError() != ERROR_IO_PENDING) {
    fail(QStringLiteral("the device went away (unplugged, or its driver stopped)."));
    return;
  }
  readPending = true;
  readDone->setEnabled(true);
}

void LocalPort::onRead() {
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
  if (count + more > 0) deliver(Bytes(buffer, buffer + count + more));
  startRead();
}

void LocalPort::startWrite() {
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

void LocalPort::onWritten() {
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

void LocalPort::reportLineErrors(DWORD errors) {
  const std::pair<DWORD, int> kinds[] = {
      {CE_BREAK, port_event::kBreak},      {CE_FRAME, port_event::kFrame},   {CE_OVERRUN, port_event::kOverrun},
      {CE_RXOVER, port_event::kRxOverflow}, {CE_RXPARITY, port_event::kParity}, {CE_TXFULL, port_event::kTxFull},
  };
  for (const auto& [bit, code] : kinds)
    if (errors & bit) portEvent(code);
}

void LocalPort::fail(const QString& description) {
  close();
  lost(description);
}

void LocalPort::close() {
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

bool LocalPort::open(const QString& name, bool forPtt, QString* error) {
  LocalPort& d = *this;
  const std::wstring path = SerialDevicePath(name);
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
  d.startRead();
  return d.isOpen();
}

bool LocalPort::write(const Bytes& bytes) {
  queued.append(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
  startWrite();
  return true;
}

void LocalPort::flush() {
  LocalPort& d = *this;
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

bool LocalPort::setLine(SerialLine line, bool asserted, QString* error) {
  const DWORD function = line == SerialLine::Rts ? (asserted ? SETRTS : CLRRTS) : (asserted ? SETDTR : CLRDTR);
  if (EscapeCommFunction(handle, function)) return true;
  if (error) *error = SystemMessage(GetLastError());
  return false;
}

}  // namespace

std::unique_ptr<PortDevice> MakeLocalPort(SerialPort& owner) { return std::make_unique<LocalPort>(owner); }

}  // namespace tonalis
