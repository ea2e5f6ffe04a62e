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
  for (int n = 1; n <= 16; ++n)
    if (tonalis::DeviceForPort(n, map).empty()) std::abort();
  return 0;
}
