// SPDX-License-Identifier: GPL-3.0-or-later
// Any file through the help viewer's rich-text reader.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "config/text_value.h"
#include "ui/rtf_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const tonalis::RtfConversion r = tonalis::RtfToHtml(std::string_view(reinterpret_cast<const char*>(data), size));
  if (r.html.empty() == r.error.empty()) std::abort();
  if (!tonalis::IsValidUtf8(r.html)) std::abort();
  return 0;
}
