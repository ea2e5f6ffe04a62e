#pragma once

#include <string>

namespace tonalis {

// The device of port `number` as ports.ini in the settings folder maps it,
// read afresh at every call so edits apply at the next opening.
std::string DeviceFromPortsIni(int number);

}  // namespace tonalis
