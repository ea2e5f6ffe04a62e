#include "link/port_lookup.h"

#include <fstream>

#include "link/port_map.h"

namespace tonalis {

std::string DeviceFromPortsIni(const std::string& folder, int number) {
  std::ifstream in(folder + "/ports.ini");
  return DeviceForPort(number, in ? ParsePortMap(in) : PortMap{});
}

}  // namespace tonalis
