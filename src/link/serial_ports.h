// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace tonalis {

// A serial port of this machine, as the Station dialog and
// `tonalis-cli serial-ports` list it.
struct SerialPortEntry {
  std::string device;  // /dev/ttyUSB0
  std::string stablePath;  // /dev/serial/by-id/... where there is one: survives replugging
  std::string description;
  std::string manufacturer;
  std::string serialNumber;
  std::string problem;  // why this user cannot open it, with what to do; empty when it can

  // The path to remember: the stable one where there is one.
  const std::string& pathToUse() const { return stablePath.empty() ? device : stablePath; }
};

std::vector<SerialPortEntry> ListSerialPorts(const std::string& byIdFolder = "/dev/serial/by-id");

// What a user needs to open serial ports here, and what may take a USB
// serial adapter before us; empty where nothing needs saying.
extern const std::string kSerialAccessHint;

// Why the current user cannot open `device` for reading and writing, with
// the fix; empty when nothing stands in the way.
std::string SerialAccessProblem(const std::string& device);

}  // namespace tonalis
