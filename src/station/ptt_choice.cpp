// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/ptt_choice.h"

#include <charconv>

#include "i18n/text.h"

namespace tonalis {
namespace {

// A whole decimal number in [low, high], nothing else.
std::optional<int> Number(const std::string& text, int low, int high) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high) return std::nullopt;
  return value;
}

}  // namespace

bool PttChoice::operator==(const PttChoice& o) const {
  return method == o.method && line == o.line && invert == o.invert && cm108Device == o.cm108Device &&
         cm108Gpio == o.cm108Gpio && rigModel == o.rigModel && rigDevice == o.rigDevice && rigBaud == o.rigBaud &&
         rigctldHost == o.rigctldHost && rigctldPort == o.rigctldPort && unusable == o.unusable;
}

std::string DescribePtt(const PttChoice& c) {
  if (!c.unusable.empty()) return "no PTT: " + c.unusable;
  switch (c.method) {
    case PttMethod::SerialLine:
      return std::string(c.line == SerialLine::Rts ? "RTS" : "DTR") + " of PTT Comm" + (c.invert ? ", inverted" : "");
    case PttMethod::Cm108:
      return "CM108 GPIO " + std::to_string(c.cm108Gpio) + " on " + c.cm108Device;
    case PttMethod::Cat:
      return "CAT: Hamlib model " + std::to_string(c.rigModel) + " on " + c.rigDevice +
             (c.rigBaud > 0 ? " at " + std::to_string(c.rigBaud) + " baud" : "");
    case PttMethod::Rigctld:
      return "rigctld at " + c.rigctldHost + ":" + std::to_string(c.rigctldPort);
  }
  return {};
}

namespace {
constexpr const char* kLineOption = TONALIS_TEXT("--ptt-line takes rts or dtr, not '%1'.");
constexpr const char* kCm108Gpio = TONALIS_TEXT("--cm108 takes DEVICE[:GPIO] with a GPIO from 1 to 8, not '%1'.");
constexpr const char* kCm108Device = TONALIS_TEXT("--cm108 needs a device, such as /dev/hidraw0.");
constexpr const char* kRigOption =
    TONALIS_TEXT("--rig takes MODEL:DEVICE[:BAUD] (rigctl --list shows the models), not '%1'.");
constexpr const char* kRigctldOption = TONALIS_TEXT("--rigctld takes HOST:PORT, such as localhost:4532, not '%1'.");
}  // namespace

std::optional<std::string> ParsePttLineOption(const std::string& value, PttChoice& choice) {
  if (value != "rts" && value != "dtr") return Fill(Message(kLineOption), {value});
  choice.method = PttMethod::SerialLine;
  choice.line = value == "rts" ? SerialLine::Rts : SerialLine::Dtr;
  return std::nullopt;
}

std::optional<std::string> ParseCm108Option(const std::string& value, PttChoice& choice) {
  std::string device = value;
  int gpio = 3;
  const auto colon = value.rfind(':');
  if (colon != std::string::npos) {
    const auto number = Number(value.substr(colon + 1), 1, 8);
    if (!number) return Fill(Message(kCm108Gpio), {value});
    device = value.substr(0, colon);
    gpio = *number;
  }
  if (device.empty()) return Message(kCm108Device);
  choice.method = PttMethod::Cm108;
  choice.cm108Device = device;
  choice.cm108Gpio = gpio;
  return std::nullopt;
}

std::optional<std::string> ParseRigOption(const std::string& value, PttChoice& choice) {
  const std::string usage = Fill(Message(kRigOption), {value});
  const auto first = value.find(':');
  if (first == std::string::npos) return usage;
  const auto model = Number(value.substr(0, first), 1, 999999);
  std::string device = value.substr(first + 1);
  int baud = 0;
  const auto last = device.rfind(':');
  if (last != std::string::npos) {
    const auto speed = Number(device.substr(last + 1), 300, 4000000);
    if (!speed) return usage;
    baud = *speed;
    device.resize(last);
  }
  if (!model || device.empty()) return usage;
  choice.method = PttMethod::Cat;
  choice.rigModel = *model;
  choice.rigDevice = device;
  choice.rigBaud = baud;
  return std::nullopt;
}

std::optional<std::string> ParseRigctldOption(const std::string& value, PttChoice& choice) {
  const auto colon = value.rfind(':');
  const auto port = colon == std::string::npos ? std::nullopt : Number(value.substr(colon + 1), 1, 65535);
  if (!port || colon == 0) return Fill(Message(kRigctldOption), {value});
  choice.method = PttMethod::Rigctld;
  choice.rigctldHost = value.substr(0, colon);
  choice.rigctldPort = *port;
  return std::nullopt;
}

Cm108Report Cm108PttReport(int gpio, bool keyed) {
  if (gpio < 1 || gpio > 8) gpio = 3;  // the chip has eight; 3 is the usual PTT pin
  const auto bit = static_cast<std::uint8_t>(1u << (gpio - 1));
  return {0x00, 0x00, keyed ? bit : std::uint8_t{0}, bit, 0x00};
}

std::vector<std::string> PttChoiceWords(const PttChoice& c) {
  std::vector<std::string> words = {PttMethodName(c), c.invert ? "1" : "0"};
  switch (c.method) {
    case PttMethod::Cm108:
      words.insert(words.end(), {std::to_string(c.cm108Gpio), c.cm108Device});
      break;
    case PttMethod::Cat:
      words.insert(words.end(), {std::to_string(c.rigModel), std::to_string(c.rigBaud), c.rigDevice});
      break;
    case PttMethod::Rigctld:
      words.insert(words.end(), {std::to_string(c.rigctldPort), c.rigctldHost});
      break;
    case PttMethod::SerialLine:
      break;
  }
  return words;
}

std::optional<PttChoice> PttChoiceFromWords(const std::vector<std::string>& w) {
  PttChoice c;
  if (w.size() < 2 || !SetPttMethodByName(w[0], c) || (w[1] != "0" && w[1] != "1")) return std::nullopt;
  c.invert = w[1] == "1";
  std::optional<int> a, b;
  switch (c.method) {
    case PttMethod::Cm108:
      if (w.size() != 4 || !(a = Number(w[2], 1, 8))) return std::nullopt;
      c.cm108Gpio = *a;
      c.cm108Device = w[3];
      break;
    case PttMethod::Cat:
      if (w.size() != 5 || !(a = Number(w[2], 1, 999999)) || !(b = Number(w[3], 0, 4000000))) return std::nullopt;
      c.rigModel = *a;
      c.rigBaud = *b;
      c.rigDevice = w[4];
      break;
    case PttMethod::Rigctld:
      if (w.size() != 4 || !(a = Number(w[2], 1, 65535))) return std::nullopt;
      c.rigctldPort = *a;
      c.rigctldHost = w[3];
      break;
    case PttMethod::SerialLine:
      if (w.size() != 2) return std::nullopt;
      break;
  }
  return c;
}

std::string PttMethodName(const PttChoice& choice) {
  switch (choice.method) {
    case PttMethod::SerialLine:
      return choice.line == SerialLine::Rts ? "rts" : "dtr";
    case PttMethod::Cm108:
      return "cm108";
    case PttMethod::Cat:
      return "cat";
    case PttMethod::Rigctld:
      return "rigctld";
  }
  return "rts";
}

bool SetPttMethodByName(const std::string& name, PttChoice& choice) {
  if (name == "rts" || name == "dtr") {
    choice.method = PttMethod::SerialLine;
    choice.line = name == "rts" ? SerialLine::Rts : SerialLine::Dtr;
  } else if (name == "cm108") {
    choice.method = PttMethod::Cm108;
  } else if (name == "cat") {
    choice.method = PttMethod::Cat;
  } else if (name == "rigctld") {
    choice.method = PttMethod::Rigctld;
  } else {
    return false;
  }
  return true;
}

}  // namespace tonalis
