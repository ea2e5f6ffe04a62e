// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "radio/ptt_driver.h"
#include "station/ptt_choice.h"

namespace tonalis {

// PTT on a GPIO pin of a CM108-family USB sound chip (CM108, CM119, SSS1621
// and friends), as most sound-card radio interfaces wire it: a HID output
// report written to the chip's /dev/hidrawN. The device is opened for each
// change, so an interface unplugged and plugged back in works again at once.
class Cm108Ptt : public PttDriver {
 public:
  Cm108Ptt(std::string device, int gpio, MessageSink& messages);
  ~Cm108Ptt() override;
  void key(bool on, Done done) override;

 private:
  std::string device_;
  int gpio_;
  MessageSink& messages_;
  bool keyed_ = false;
  bool keyFailed_ = false;  // the last key could not be written
};

// What the system calls the chip's device, and how one is named:
// "hidraw device", "/dev/hidrawN" (Linux); "HID device", "\\?\hid#..." (Windows).
extern const std::string kHidDeviceKind;
extern const std::string kHidDeviceExample;
// What a user needs to key a CM108 here; empty where nothing needs saying.
extern const std::string kHidAccessHint;

// A hidraw device as the system describes it.
struct HidDevice {
  std::string device;  // /dev/hidrawN
  std::string name;    // the USB product's name
  unsigned vendor = 0;
  unsigned product = 0;
  bool cm108 = false;  // a vendor whose sound chips carry the GPIO
};
// Why `device` cannot be a CM108's hidraw device, or nothing when it can:
// a character device of the hidraw class (as sysfs, under `sysfs`, says),
// or a FIFO (which harms nothing). A regular file, a folder, a disk or any
// other device is refused, so a mistyped path is never written to. A path
// that is not there is left to the opening, which says so.
std::optional<std::string> Cm108DeviceProblem(const std::string& device, const std::string& sysfs = "/sys");

// Writes the GPIO report to `device` (already checked by
// Cm108DeviceProblem), never blocking; why not, in plain words, or nothing.
std::optional<std::string> WriteCm108Report(const std::string& device, const Cm108Report& report);

// Every /dev/hidraw* with its name, the CM108-family ones first.
std::vector<HidDevice> ListHidDevices(const std::string& sysfs = "/sys/class/hidraw");

}  // namespace tonalis
