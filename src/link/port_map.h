// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <istream>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tonalis {

// The port number typed in a port field: a number from 1 to 16, a fraction
// rounded half to even. Nothing for empty, non-numeric or out-of-range text.
std::optional<int> PortNumberFromText(const std::string& text);

// Port numbers are COM1..COM16 to the user. Outside Windows a text file
// (ports.ini) maps them to devices, one "COM3=/dev/ttyUSB0" a line (the path
// to the end of the line or to a " # comment", or in double quotes); blank
// lines and lines starting with '#' or ';' are skipped, and a UTF-8
// byte-order mark is ignored.
struct PortMap {
  struct Problem {
    int line;            // 1-based
    std::string text;    // the line, cut to 80 characters
    std::string reason;  // why it is not a port
  };
  std::map<int, std::string> devices;
  std::vector<Problem> problems;  // the lines that were not understood
  // Ports whose last line could not be read, with the line and why: such a
  // port is not opened at all, never replaced by another device.
  std::map<int, std::string> refused;

  // "line 6: COM17=/dev/ttyUSB9 (the port number must be 1 to 16)", one a line.
  std::string problemText() const;
};
PortMap ParsePortMap(std::istream& in);

// The most a ports.ini is read of: a port map is a handful of lines.
inline constexpr std::uintmax_t kMaxPortsIniBytes = 64 * 1024;
// Reads `folder`/ports.ini into `map` (and its text into `text`) as every
// settings file is read: never waiting on a FIFO or device, never more than
// kMaxPortsIniBytes. A missing file is an empty map; anything else that
// cannot be read is the reason returned, with `map` empty.
std::optional<std::string> ReadPortsIni(const std::string& folder, PortMap& map, std::string* text = nullptr);

// The text of a port map with port `number` mapped to `device`: the line
// that mapped it before is rewritten (later ones for the same port dropped),
// or a line is added; comments, other lines and line endings stay.
std::string SetPortInMap(const std::string& text, int number, const std::string& device);

// The mapped device, /dev/ttyS<n-1> for a port ports.ini does not name, or
// nothing for one whose line cannot be read.
// The device of port `number` when ports.ini does not name one: the
// system's own serial port of that number.
std::string DefaultDeviceForPort(int number);

std::string DeviceForPort(int number, const PortMap& map);

}  // namespace tonalis
