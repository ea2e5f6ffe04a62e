// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tonalis {

// How the transmitter is keyed. The default is the board tool's own: the RTS
// line of the "PTT Comm" port.
enum class PttMethod { SerialLine, Cm108, Cat, Rigctld };
enum class SerialLine { Rts, Dtr };

struct PttChoice {
  PttMethod method = PttMethod::SerialLine;
  // SerialLine: which modem line of "PTT Comm", and whether keyed is low.
  SerialLine line = SerialLine::Rts;
  bool invert = false;
  // Cm108: the hidraw device of the sound chip and its GPIO pin (1-8).
  std::string cm108Device;
  int cm108Gpio = 3;
  // Cat: Hamlib's rig model, the rig's serial device and speed (0: the
  // model's default).
  int rigModel = 0;
  std::string rigDevice;
  int rigBaud = 0;
  // Rigctld: a running Hamlib daemon.
  std::string rigctldHost = "localhost";
  int rigctldPort = 4532;
  // Why the stored choice cannot be used (a setting that could not be read):
  // keying then fails with this reason, and no other transmitter is keyed.
  std::string unusable;

  // Only the serial lines need the "PTT Comm" port, and so exclude
  // programming on it.
  bool usesPttPort() const { return method == PttMethod::SerialLine && unusable.empty(); }
  bool operator==(const PttChoice& o) const;
};

// "RTS of PTT Comm", "DTR of PTT Comm, inverted", "CM108 GPIO 3 on /dev/hidraw1",
// "CAT: Hamlib model 1035 on /dev/ttyUSB0 at 9600 baud", "rigctld at localhost:4532".
std::string DescribePtt(const PttChoice& choice);

// The command line's PTT options; each fills `choice` or says what is wrong.
//   --ptt-line rts|dtr        --cm108 DEVICE[:GPIO]
//   --rig MODEL:DEVICE[:BAUD] --rigctld HOST:PORT
std::optional<std::string> ParsePttLineOption(const std::string& value, PttChoice& choice);
std::optional<std::string> ParseCm108Option(const std::string& value, PttChoice& choice);
std::optional<std::string> ParseRigOption(const std::string& value, PttChoice& choice);
std::optional<std::string> ParseRigctldOption(const std::string& value, PttChoice& choice);

// The HID output report that sets a CM108 GPIO pin: report number, a
// reserved byte, the pin's level, the data direction (the pin as output).
using Cm108Report = std::array<std::uint8_t, 5>;
Cm108Report Cm108PttReport(int gpio, bool keyed);

// `choice` as words to pass to another process, one field a word (device
// paths may hold any character), and back; nothing when they are not one.
std::vector<std::string> PttChoiceWords(const PttChoice& choice);
std::optional<PttChoice> PttChoiceFromWords(const std::vector<std::string>& words);

// Settings texts for the methods ("rts", "dtr", "cm108", "cat", "rigctld").
std::string PttMethodName(const PttChoice& choice);
bool SetPttMethodByName(const std::string& name, PttChoice& choice);

}  // namespace tonalis
