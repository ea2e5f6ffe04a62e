// SPDX-License-Identifier: GPL-3.0-or-later
// Any file through the board history's entry reader; what it accepts goes
// back through the writer unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "history/history_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto entry = tonalis::ParseHistoryEntry(text);
  if (!entry) return 0;
  if (entry->id.empty() || entry->id.find_first_of(" /") != std::string::npos) std::abort();
  const auto again = tonalis::ParseHistoryEntry(tonalis::FormatHistoryEntry(*entry));
  if (!again || again->image != entry->image || again->timeMs != entry->timeMs) std::abort();
  return 0;
}
