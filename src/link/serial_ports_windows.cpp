// SPDX-License-Identifier: GPL-3.0-or-later
// The COM ports the system knows, from the registry's list of them.
#include <windows.h>

#include <QSettings>
#include <QString>
#include <algorithm>

#include "link/serial_ports.h"

namespace tonalis {

const std::string kSerialAccessHint;  // Windows gives every user its COM ports

std::string SerialAccessProblem(const std::string& device) {
  const QString name = QString::fromStdString(device);
  const std::wstring path = (name.startsWith(QLatin1String("COM"), Qt::CaseInsensitive) ? QStringLiteral("\\\\.\\") + name : name).toStdWString();
  HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle != INVALID_HANDLE_VALUE) {
    CloseHandle(handle);
    return {};
  }
  const DWORD code = GetLastError();
  if (code == ERROR_ACCESS_DENIED || code == ERROR_SHARING_VIOLATION) return "in use by another program";
  if (code == ERROR_FILE_NOT_FOUND) return "not there (unplugged?)";
  return "cannot be opened (error " + std::to_string(code) + ")";
}

std::vector<SerialPortEntry> ListSerialPorts(const std::string&) {
  std::vector<SerialPortEntry> list;
  // Device name -> "COM3", one value for each port a driver has made.
  QSettings map(QStringLiteral("HKEY_LOCAL_MACHINE\\HARDWARE\\DEVICEMAP\\SERIALCOMM"), QSettings::NativeFormat);
  for (const QString& key : map.allKeys()) {
    SerialPortEntry e;
    e.device = map.value(key).toString().toStdString();
    e.description = key.section('\\', -1).toStdString();
    e.problem = SerialAccessProblem(e.device);
    list.push_back(e);
  }
  // COM2 before COM10.
  std::sort(list.begin(), list.end(), [](const SerialPortEntry& a, const SerialPortEntry& b) {
    return a.device.size() != b.device.size() ? a.device.size() < b.device.size() : a.device < b.device;
  });
  return list;
}

}  // namespace tonalis
