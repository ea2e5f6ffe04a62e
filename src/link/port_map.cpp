// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/port_map.h"

#include <cctype>
#include <filesystem>
#include <sstream>

#include "config/text_value.h"
#include "storage/file_reading.h"

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

namespace {

// Why a line of ports.ini is not a port: empty when it is one, with the
// port number and device set. `number` is set as soon as the key names a
// port, so that a port whose line cannot be read is known. The device runs
// to the end of the line (a path may hold spaces) or to a comment after a
// blank ("# ..." or "; ..."); in double quotes it is exactly what they hold.
std::string ParsePortLine(const std::string& line, int& number, std::string& device) {
  number = 0;
  const auto eq = line.find('=');
  if (eq == std::string::npos) return "not of the form COMn=device";
  const std::string key = Trim(line.substr(0, eq));
  std::string value = Trim(line.substr(eq + 1));
  const bool com = key.size() > 3 && std::toupper(static_cast<unsigned char>(key[0])) == 'C' &&
                   std::toupper(static_cast<unsigned char>(key[1])) == 'O' &&
                   std::toupper(static_cast<unsigned char>(key[2])) == 'M';
  if (!com) return "not of the form COMn=device";
  const std::string digits = key.substr(3);
  if (digits.size() > 2 || digits.find_first_not_of("0123456789") != std::string::npos)
    return "the port number must be 1 to 16";
  const int n = std::stoi(digits);
  if (n < 1 || n > 16) return "the port number must be 1 to 16";
  number = n;
  if (!value.empty() && value[0] == '"') {
    const auto close = value.find('"', 1);
    if (close == std::string::npos) return "a quote that is not closed";
    const std::string after = Trim(value.substr(close + 1));
    if (!after.empty() && after[0] != '#' && after[0] != ';') return "text after the quoted device path";
    device = value.substr(1, close - 1);
  } else {
    for (std::size_t i = 1; i < value.size(); ++i)
      if ((value[i] == '#' || value[i] == ';') && (value[i - 1] == ' ' || value[i - 1] == '\t')) {
        value = Trim(value.substr(0, i));
        break;
      }
    device = value;
  }
  if (device.empty()) return "no device after '='";
  return {};
}

}  // namespace

PortMap ParsePortMap(std::istream& in) {
  PortMap map;
  std::string raw;
  int lineNumber = 0;
  // A port map is a handful of lines; anything past this is not one.
  constexpr int kMaxLines = 1000;
  while (lineNumber < kMaxLines && std::getline(in, raw)) {
    ++lineNumber;
    // Editors on other systems start the file with a byte-order mark.
    if (lineNumber == 1 && raw.rfind("\xEF\xBB\xBF", 0) == 0) raw.erase(0, 3);
    if (raw.size() > 4096) raw.resize(4096);
    const std::string line = Trim(raw);
    if (line.empty() || line[0] == '#' || line[0] == ';') continue;
    int number = 0;
    std::string device;
    const std::string reason = ParsePortLine(line, number, device);
    if (reason.empty()) {
      map.devices[number] = device;
      map.refused.erase(number);
    } else {
      map.problems.push_back({lineNumber, line.substr(0, 80), reason});
      // The last line for a port is the one meant: when it cannot be used,
      // an earlier mapping is not used in its place.
      if (number > 0) {
        map.refused[number] = "line " + std::to_string(lineNumber) + ": " + reason;
        map.devices.erase(number);
      }
    }
  }
  return map;
}

std::string PortMap::problemText() const {
  std::string text;
  for (const auto& p : problems)
    text += "line " + std::to_string(p.line) + ": " + p.text + " (" + p.reason + ")\n";
  return text;
}

std::string SetPortInMap(const std::string& text, int number, const std::string& device) {
  const bool quote = device.find_first_of(" \t#;") != std::string::npos;
  const std::string mapping = "COM" + std::to_string(number) + "=" + (quote ? "\"" + device + "\"" : device);
  const bool crlf = text.find("\r\n") != std::string::npos;
  std::string out;
  bool written = false;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    const bool lastLine = end == std::string::npos;
    if (lastLine) end = text.size();
    std::string line = text.substr(start, end - start);
    const std::string ending = lastLine ? "" : "\n";
    start = end + 1;
    int n = 0;
    std::string mapped;
    std::string bare = line;
    if (out.empty() && bare.rfind("\xEF\xBB\xBF", 0) == 0) bare.erase(0, 3);
    if (ParsePortLine(Trim(bare), n, mapped).empty() && n == number) {
      if (written) continue;  // a later line would override ours
      const bool cr = !line.empty() && line.back() == '\r';
      line = (bare.size() < line.size() ? "\xEF\xBB\xBF" : "") + mapping + (cr ? "\r" : "");
      written = true;
    }
    out += line + ending;
  }
  if (!written) {
    if (!out.empty() && out.back() != '\n') out += crlf ? "\r\n" : "\n";
    out += mapping + (crlf ? "\r\n" : "\n");
  }
  return out;
}

std::string DeviceForPort(int number, const PortMap& map) {
  const auto it = map.devices.find(number);
  if (it != map.devices.end()) return it->second;
  if (map.refused.count(number)) return {};
  return DefaultDeviceForPort(number);
}

std::optional<std::string> ReadPortsIni(const std::string& folder, PortMap& map, std::string* text) {
  map = PortMap{};
  if (text) text->clear();
  const std::string path = folder + "/ports.ini";
  std::error_code ec;
  if (!std::filesystem::exists(std::filesystem::symlink_status(FilePath(path), ec))) return std::nullopt;
  std::string content;
  if (auto problem = ReadSmallFile(path, kMaxPortsIniBytes, content)) return problem;
  std::istringstream in(content);
  map = ParsePortMap(in);
  if (text) *text = std::move(content);
  return std::nullopt;
}

}  // namespace tonalis
