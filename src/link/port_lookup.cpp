// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/port_lookup.h"

#include "link/port_map.h"

namespace tonalis {

BoardLink::PortTarget PortFromPortsIni(const std::string& folder, int number) {
  PortMap map;
  if (auto unreadable = ReadPortsIni(folder, map)) {
    if (!unreadable->empty() && unreadable->back() == '.') unreadable->pop_back();
    // No port is guessed past a map that cannot be read.
    BoardLink::PortTarget target(std::string{});
    target.refused = "COM" + std::to_string(number) + " cannot be opened: ports.ini cannot be read (" + *unreadable +
                     "). Correct it, or choose the port again in the Station dialog.";
    return target;
  }
  BoardLink::PortTarget target(DeviceForPort(number, map));
  target.problems = map.problemText();
  if (const auto refused = map.refused.find(number); refused != map.refused.end())
    target.refused = "COM" + std::to_string(number) + " cannot be opened: its line in ports.ini cannot be read (" +
                     refused->second + "). Correct it, or choose the port again in the Station dialog.";
  return target;
}

}  // namespace tonalis
