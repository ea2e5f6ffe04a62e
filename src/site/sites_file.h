// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tonalis {

// The radio sites the operator works with (sites.ini in the settings
// folder), one section a site:
//   [Hilltop]
//   where=ssh://op@hilltop-pi.lan     (or "this computer")
//   program=/opt/tonalis/bin/tonalis-cli   (the site's own, when not on its PATH)
//   config=/home/op/hilltop.prg       (the site's configuration file, here)
//   note=key in the blue box
// Blank lines and lines starting with '#' or ';' are skipped; a UTF-8 byte
// order mark is ignored; the last of two sections of one name is the one.
struct SiteEntry {
  std::string name;
  std::string where;  // empty or "this computer": here
  std::string program;
  std::string config;
  std::string note;

  bool here() const;
  bool operator==(const SiteEntry& other) const;
};

struct SitesFile {
  std::vector<SiteEntry> sites;
  // "line 4: where=... (not of the form KEY=VALUE)", one a line, said once.
  std::vector<std::string> problems;
  // The site named so (letter case aside), or null.
  const SiteEntry* find(const std::string& name) const;
};

inline constexpr const char* kSitesFileName = "sites.ini";
inline constexpr const char* kThisComputer = "this computer";
inline constexpr std::uintmax_t kMaxSitesIniBytes = 256 * 1024;

SitesFile ParseSites(const std::string& text);
// The text of `sites` (LF line ends), read back by ParseSites as they are.
// A name or value is written on one line: line breaks become blanks.
std::string FormatSites(const std::vector<SiteEntry>& sites);

// Reads `folder`/sites.ini as settings files are read (never waiting on a
// FIFO, never more than kMaxSitesIniBytes). A missing file is no sites;
// anything else that cannot be read is the reason returned.
std::optional<std::string> ReadSitesFile(const std::string& folder, SitesFile& sites);

}  // namespace tonalis
