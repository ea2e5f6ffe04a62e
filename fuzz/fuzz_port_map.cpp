// SPDX-License-Identifier: GPL-3.0-or-later
// Any file through the port map reader.
#include <cstdint>
#include <cstdlib>
#include <sstream>

#include "link/port_map.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  const tonalis::PortMap map = tonalis::ParsePortMap(in);
  for (const auto& [number, device] : map.devices)
    if (number < 1 || number > 16 || device.empty()) std::abort();
  // A port whose line was refused has no device (never the default one);
  // every other port has one.
  for (int n = 1; n <= 16; ++n) {
    const bool refused = map.refused.count(n) > 0;
    if (tonalis::DeviceForPort(n, map).empty() != refused) std::abort();
    if (map.devices.count(n) && map.refused.count(n)) std::abort();
  }
  for (const auto& [number, why] : map.refused)
    if (number < 1 || number > 16 || why.empty()) std::abort();
  return 0;
}
