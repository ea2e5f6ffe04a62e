#pragma once

#include <string>

namespace tonalis {

// The device of port `number` as ports.ini in `folder` maps it, read afresh
// at every call so edits apply at the next opening.
std::string DeviceFromPortsIni(const std::string& folder, int number);

}  // namespace tonalis
