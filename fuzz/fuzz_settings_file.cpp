// SPDX-License-Identifier: GPL-3.0-or-later
// Any file through the settings file reader.
#include <cstdint>
#include <cstdlib>
#include <sstream>

#include "storage/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  const tonalis::SettingsLoad load = tonalis::ParseSettings(in, "/folder");
  const tonalis::AppSettings& s = load.settings;
  if (s.mainTab != 0 && s.mainTab != 1) std::abort();
  if (s.windowLeft < -32768 || s.windowLeft > 32767 || s.windowTop < -32768 || s.windowTop > 32767) std::abort();
  if ((load.unreadable || load.badTab) == load.error.empty()) std::abort();
  if (load.unreadable && s.text2 != "60") std::abort();  // the default record
  return 0;
}
