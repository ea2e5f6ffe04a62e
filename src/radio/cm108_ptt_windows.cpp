// SPDX-License-Identifier: GPL-3.0-or-later
// A CM108's GPIO through the Windows HID API: the chip's HID interface is
// found with SetupAPI and given its output report.
#include <windows.h>
// After windows.h; MinGW's HID header declares C functions without saying so.
extern "C" {
#include <hidsdi.h>
}
#include <setupapi.h>

#include <QString>
#include <algorithm>

#include "radio/cm108_ptt.h"
#include "station/ptt_choice.h"

#include "i18n/text.h"

#include "i18n/language.h"

namespace tonalis {
namespace {

constexpr unsigned kCmedia = 0x0D8C;
constexpr unsigned kSss = 0x0C76;

std::string Utf8(const std::wstring& text) { return QString::fromStdWString(text).toStdString(); }
std::wstring Wide(const std::string& text) { return QString::fromStdString(text).toStdWString(); }

constexpr const char* kNotThere = TONALIS_TEXT("%1 is not there: is the radio interface plugged in?");
constexpr const char* kInUse = TONALIS_TEXT("%1 is in use by another program.");
constexpr const char* kNotHid =
    TONALIS_TEXT("%1 is not a CM108's HID device (the Station dialog lists them), and it is not written to.");

std::string WhyNot(const std::string& device, DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DEVICE_NOT_CONNECTED:
      return Fill(TrStd(kNotThere), {device});
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
      return Fill(TrStd(kInUse), {device});
    default:
      return device + ": error " + std::to_string(error);
  }
}

}  // namespace

// A plain pointer first: lupdate reads a text given to a std::string as std's.
const char* const kHidDeviceKindText = TONALIS_TEXT("HID device");
const std::string kHidDeviceKind = kHidDeviceKindText;
const std::string kHidDeviceExample = "\\\\?\\hid#vid_0d8c&pid_...";
const std::string kHidAccessHint;  // every user may write a HID report

std::optional<std::string> Cm108DeviceProblem(const std::string& device, const std::string&) {
  // HID interfaces are named \\?\hid#vid_0d8c&pid_013c#...
  if (QString::fromStdString(device).startsWith(QLatin1String("\\\\?\\hid#"), Qt::CaseInsensitive)) return std::nullopt;
  return Fill(TrStd(kNotHid), {device});
}

std::optional<std::string> WriteCm108Report(const std::string& device, const Cm108Report& report) {
  HANDLE hid = CreateFileW(Wide(device).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
  if (hid == INVALID_HANDLE_VALUE) return WhyNot(device, GetLastError());
  // HidD_SetOutputReport takes the report as a writable buffer.
  Cm108Report buffer = report;
  const bool written = HidD_SetOutputReport(hid, buffer.data(), static_cast<ULONG>(buffer.size()));
  const DWORD error = written ? 0 : GetLastError();
  CloseHandle(hid);
  if (!written) return WhyNot(device, error);
  return std::nullopt;
}

std::vector<HidDevice> ListHidDevices(const std::string&) {
  std::vector<HidDevice> list;
  GUID hidClass;
  HidD_GetHidGuid(&hidClass);
  HDEVINFO set = SetupDiGetClassDevsW(&hidClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  if (set == INVALID_HANDLE_VALUE) return list;
  SP_DEVICE_INTERFACE_DATA item{};
  item.cbSize = sizeof item;
  for (DWORD i = 0; SetupDiEnumDeviceInterfaces(set, nullptr, &hidClass, i, &item); ++i) {
    DWORD size = 0;
    SetupDiGetDeviceInterfaceDetailW(set, &item, nullptr, 0, &size, nullptr);
    if (size == 0) continue;
    std::vector<char> storage(size);
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(storage.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    if (!SetupDiGetDeviceInterfaceDetailW(set, &item, detail, size, nullptr, nullptr)) continue;
    HidDevice d;
    d.device = Utf8(detail->DevicePath);
    // Opened without access rights: enough to ask who made it.
    HANDLE hid = CreateFileW(detail->DevicePath, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (hid != INVALID_HANDLE_VALUE) {
      HIDD_ATTRIBUTES attributes{};
      attributes.Size = sizeof attributes;
      if (HidD_GetAttributes(hid, &attributes)) {
        d.vendor = attributes.VendorID;
        d.product = attributes.ProductID;
      }
      wchar_t name[128] = {};
      if (HidD_GetProductString(hid, name, sizeof name)) d.name = Utf8(name);
      CloseHandle(hid);
    }
    d.cm108 = d.vendor == kCmedia || d.vendor == kSss;
    list.push_back(d);
  }
  SetupDiDestroyDeviceInfoList(set);
  std::sort(list.begin(), list.end(), [](const HidDevice& a, const HidDevice& b) {
    return a.cm108 != b.cm108 ? a.cm108 : a.device < b.device;
  });
  return list;
}

}  // namespace tonalis
