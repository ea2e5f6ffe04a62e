#include "link/port_lookup.h"

#include <fstream>

#include "link/port_map.h"
#include "storage/settings_folder.h"

namespace tonalis {

std::string DeviceFromPortsIni(int number) {
  std::ifstream in((SettingsFolder() + "/ports.ini").toStdString());
  return DeviceForPort(number, in ? ParsePortMap(in) : PortMap{});
}

}  // namespace tonalis
