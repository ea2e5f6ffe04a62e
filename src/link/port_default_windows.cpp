// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/port_map.h"

namespace tonalis {

// The device namespace reaches every COM port, COM10 and above included.
std::string DefaultDeviceForPort(int number) { return "\\\\.\\COM" + std::to_string(number); }

}  // namespace tonalis
