// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/serial_ports.h"

#include <unistd.h>

#include <QSerialPortInfo>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "i18n/text.h"

namespace tonalis {

// A plain pointer first: lupdate reads a text given to a std::string as std's.
const char* const kSerialAccessHintText = TONALIS_TEXT(
    "Serial ports need the dialout group: sudo adduser $USER dialout, then log in again. ModemManager or "
    "brltty may take a USB serial adapter as it is plugged in (the port is busy, or vanishes): "
    "journalctl -b | grep -i -e ModemManager -e brltty tells which. ModemManager leaves alone an adapter "
    "that a udev rule marks with ENV{ID_MM_DEVICE_IGNORE}=\"1\"; brltty takes only the adapters its own "
    "udev rule lists, so where a braille display needs it, use an adapter it does not list.");
const std::string kSerialAccessHint = kSerialAccessHintText;

std::string SerialAccessProblem(const std::string& device) {
  if (::access(device.c_str(), R_OK | W_OK) == 0) return {};
  if (errno == EACCES)
    return "no permission: add your user to the dialout group (sudo adduser $USER dialout), then log in again";
  return std::strerror(errno);
}

std::vector<SerialPortEntry> ListSerialPorts(const std::string& byIdFolder) {
  namespace fs = std::filesystem;
  std::vector<SerialPortEntry> list;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    SerialPortEntry e;
    e.device = info.systemLocation().toStdString();
    e.description = info.description().toStdString();
    e.manufacturer = info.manufacturer().toStdString();
    e.serialNumber = info.serialNumber().toStdString();
    e.problem = SerialAccessProblem(e.device);
    list.push_back(e);
  }
  std::error_code ec;
  for (const auto& link : fs::directory_iterator(byIdFolder, ec)) {
    const fs::path target = fs::canonical(link.path(), ec);
    if (ec) continue;
    for (auto& e : list)
      if (fs::path(e.device) == target) e.stablePath = link.path().string();
  }
  return list;
}

}  // namespace tonalis
