// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/port_map.h"

namespace tonalis {

// COM1 is the first serial port, /dev/ttyS0.
std::string DefaultDeviceForPort(int number) { return "/dev/ttyS" + std::to_string(number - 1); }

}  // namespace tonalis
