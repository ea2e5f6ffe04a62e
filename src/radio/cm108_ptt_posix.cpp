// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/cm108_ptt.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "station/ptt_choice.h"

#include "i18n/text.h"

#include "i18n/language.h"

namespace tonalis {
namespace {

// USB vendors whose sound chips are wired for PTT: C-Media and SSS.
constexpr unsigned kCmedia = 0x0D8C;
constexpr unsigned kSss = 0x0C76;

constexpr const char* kNotThere = TONALIS_TEXT("%1 is not there: is the radio interface plugged in?");
constexpr const char* kNoPermission = TONALIS_TEXT(
    "No permission to use %1: a udev rule must give your user access to the sound interface's hidraw device (the "
    "README shows one).");
constexpr const char* kNotHidraw = TONALIS_TEXT("%1 is not a CM108's hidraw device: %2");
constexpr const char* kOrdinaryFile = TONALIS_TEXT("it is an ordinary file, and it is not written to.");
constexpr const char* kFolder = TONALIS_TEXT("it is a folder.");
constexpr const char* kDisk = TONALIS_TEXT("it is a disk (a block device), and it is not written to.");
constexpr const char* kNotDevice = TONALIS_TEXT("it is not a device.");
constexpr const char* kOtherDevice =
    TONALIS_TEXT("it is a device of another kind (hidraw devices are /dev/hidrawN), and it is not written to.");

std::string WhyNot(const std::string& device, int error) {
  switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
      return Fill(TrStd(kNotThere), {device});
    case EACCES:
    case EPERM:
      return Fill(TrStd(kNoPermission), {device});
    default:
      return device + ": " + std::strerror(error);
  }
}

}  // namespace

// Plain pointers first: lupdate reads a text given to a std::string as std's.
const char* const kHidDeviceKindText = TONALIS_TEXT("hidraw device");
const char* const kHidAccessHintText = TONALIS_TEXT(
    "Keying needs write access to the chip's hidraw device: the Tonalis package's udev rule gives it to "
    "the audio group (sudo adduser $USER audio, then log in again).");
const std::string kHidDeviceKind = kHidDeviceKindText;
const std::string kHidDeviceExample = "/dev/hidrawN";
const std::string kHidAccessHint = kHidAccessHintText;

std::optional<std::string> Cm108DeviceProblem(const std::string& device, const std::string& sysfs) {
  struct stat st {};
  if (::stat(device.c_str(), &st) != 0) return std::nullopt;
  auto refused = [&device](const char* why) { return Fill(TrStd(kNotHidraw), {device, TrStd(why)}); };
  if (S_ISFIFO(st.st_mode)) return std::nullopt;
  if (S_ISREG(st.st_mode)) return refused(kOrdinaryFile);
  if (S_ISDIR(st.st_mode)) return refused(kFolder);
  if (S_ISBLK(st.st_mode)) return refused(kDisk);
  if (!S_ISCHR(st.st_mode)) return refused(kNotDevice);
  // /sys/dev/char/MAJOR:MINOR/subsystem leads to the device's class.
  std::error_code ec;
  const auto subsystem = std::filesystem::read_symlink(sysfs + "/dev/char/" + std::to_string(major(st.st_rdev)) +
                                                            ":" + std::to_string(minor(st.st_rdev)) + "/subsystem",
                                                        ec);
  if (ec || subsystem.filename() != "hidraw") return refused(kOtherDevice);
  return std::nullopt;
}

std::optional<std::string> WriteCm108Report(const std::string& device, const Cm108Report& report) {
  // Never blocks: a FIFO nobody reads is "not there" rather than a freeze.
  const int fd = ::open(device.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return WhyNot(device, errno);
  ssize_t n;
  do {
    n = ::write(fd, report.data(), report.size());
  } while (n < 0 && errno == EINTR);
  const int error = n == static_cast<ssize_t>(report.size()) ? 0 : n < 0 ? errno : EIO;
  ::close(fd);
  if (error) return WhyNot(device, error);
  return std::nullopt;
}

std::vector<HidDevice> ListHidDevices(const std::string& sysfs) {
  namespace fs = std::filesystem;
  std::vector<HidDevice> list;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(sysfs, ec)) {
    HidDevice d;
    d.device = "/dev/" + entry.path().filename().string();
    std::ifstream uevent(entry.path() / "device" / "uevent");
    std::string line;
    while (std::getline(uevent, line)) {
      if (line.rfind("HID_NAME=", 0) == 0) d.name = line.substr(9);
      // HID_ID=0003:00000D8C:0000013C: bus, vendor, product.
      if (line.rfind("HID_ID=", 0) == 0 && line.size() >= 7 + 4 + 1 + 8 + 1 + 8) {
        d.vendor = static_cast<unsigned>(std::strtoul(line.substr(12, 8).c_str(), nullptr, 16));
        d.product = static_cast<unsigned>(std::strtoul(line.substr(21, 8).c_str(), nullptr, 16));
      }
    }
    d.cm108 = d.vendor == kCmedia || d.vendor == kSss;
    list.push_back(d);
  }
  std::sort(list.begin(), list.end(), [](const HidDevice& a, const HidDevice& b) {
    return a.cm108 != b.cm108 ? a.cm108 : a.device < b.device;
  });
  return list;
}

}  // namespace tonalis
