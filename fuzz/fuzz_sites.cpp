// SPDX-License-Identifier: GPL-3.0-or-later
// Any file through the Sites list reader: what it reads, written and read
// again, is the same list.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "site/sites_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const tonalis::SitesFile file = tonalis::ParseSites(std::string(reinterpret_cast<const char*>(data), size));
  for (const auto& site : file.sites)
    if (site.name.empty()) std::abort();
  const tonalis::SitesFile again = tonalis::ParseSites(tonalis::FormatSites(file.sites));
  if (!again.problems.empty() || again.sites.size() != file.sites.size()) std::abort();
  for (std::size_t i = 0; i < file.sites.size(); ++i) {
    const auto& a = file.sites[i];
    const auto& b = again.sites[i];
    if (a.name != b.name || a.program != b.program || a.config != b.config || a.note != b.note) std::abort();
    if (a.here() != b.here()) std::abort();
  }
  return 0;
}
