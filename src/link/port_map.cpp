#include "link/port_map.h"

#include <cctype>

#include "config/text_value.h"

namespace tonalis {
namespace {

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

std::optional<int> PortNumberFromText(const std::string& text) {
  const auto value = StrictNumber(text);
  if (!value || *value < 1 || *value > 16) return std::nullopt;
  return static_cast<int>(RoundHalfEven(*value));
}

PortMap ParsePortMap(std::istream& in) {
  PortMap map;
  std::string raw;
  int lineNumber = 0;
  // A port map is a handful of lines; anything past this is not one.
  constexpr int kMaxLines = 1000;
  while (lineNumber < kMaxLines && std::getline(in, raw)) {
    ++lineNumber;
    if (raw.size() > 4096) raw.resize(4096);
    const std::string line = Trim(raw);
    if (line.empty() || line[0] == '#' || line[0] == ';') continue;
    const auto eq = line.find('=');
    const std::string key = Trim(line.substr(0, eq == std::string::npos ? line.size() : eq));
    const std::string device = eq == std::string::npos ? std::string() : Trim(line.substr(eq + 1));
    bool ok = key.size() > 3 && key.size() <= 5 && device.size() > 0;
    int number = 0;
    if (ok) {
      ok = std::toupper(static_cast<unsigned char>(key[0])) == 'C' &&
           std::toupper(static_cast<unsigned char>(key[1])) == 'O' &&
           std::toupper(static_cast<unsigned char>(key[2])) == 'M';
      for (std::size_t i = 3; ok && i < key.size(); ++i) {
        ok = std::isdigit(static_cast<unsigned char>(key[i])) != 0;
        number = number * 10 + (key[i] - '0');
      }
      ok = ok && number >= 1 && number <= 16;
    }
    if (ok) {
      map.devices[number] = device;
    } else {
      map.problems += "line " + std::to_string(lineNumber) + ": " + line.substr(0, 80) + "\n";
    }
  }
  return map;
}

std::string DeviceForPort(int number, const PortMap& map) {
  const auto it = map.devices.find(number);
  if (it != map.devices.end()) return it->second;
  return "/dev/ttyS" + std::to_string(number - 1);
}

}  // namespace tonalis
