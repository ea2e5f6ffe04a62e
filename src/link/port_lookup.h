// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "link/board_link.h"

namespace tonalis {

// Port `number` as ports.ini in `folder` maps it, read afresh at every call
// so edits apply at the next opening, with the lines it did not understand.
BoardLink::PortTarget PortFromPortsIni(const std::string& folder, int number);

}  // namespace tonalis
