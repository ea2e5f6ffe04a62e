// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/sites_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sstream>

#include "storage/file_reading.h"

namespace tonalis {
namespace {

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

std::string OneLine(std::string s) {
  std::replace(s.begin(), s.end(), '\n', ' ');
  std::replace(s.begin(), s.end(), '\r', ' ');
  return Trim(s);
}

}  // namespace

bool SiteEntry::here() const {
  const std::string w = Lower(Trim(where));
  return w.empty() || w == kThisComputer;
}

bool SiteEntry::operator==(const SiteEntry& o) const {
  return name == o.name && where == o.where && program == o.program && config == o.config && note == o.note;
}

const SiteEntry* SitesFile::find(const std::string& name) const {
  const std::string wanted = Lower(Trim(name));
  for (const SiteEntry& site : sites)
    if (Lower(site.name) == wanted) return &site;
  return nullptr;
}

SitesFile ParseSites(const std::string& text) {
  SitesFile file;
  std::istringstream in(text);
  std::string raw;
  int number = 0;
  SiteEntry* current = nullptr;
  constexpr int kMaxLines = 10000;
  while (number < kMaxLines && std::getline(in, raw)) {
    ++number;
    if (number == 1 && raw.rfind("\xEF\xBB\xBF", 0) == 0) raw.erase(0, 3);
    const std::string line = Trim(raw);
    if (line.empty() || line[0] == '#' || line[0] == ';') continue;
    auto problem = [&](const char* why) {
      file.problems.push_back("line " + std::to_string(number) + ": " + line.substr(0, 80) + " (" + why + ")");
    };
    if (line.front() == '[') {
      const std::string name = line.back() == ']' ? OneLine(line.substr(1, line.size() - 2)) : std::string();
      if (name.empty()) {
        problem("a site's name in [brackets]");
        current = nullptr;
        continue;
      }
      // A later section of the same name replaces the earlier.
      file.sites.erase(std::remove_if(file.sites.begin(), file.sites.end(),
                                      [&](const SiteEntry& s) { return Lower(s.name) == Lower(name); }),
                       file.sites.end());
      file.sites.push_back(SiteEntry{name, "", "", "", ""});
      current = &file.sites.back();
      continue;
    }
    const auto eq = line.find('=');
    if (eq == std::string::npos) {
      problem("not of the form KEY=VALUE");
      continue;
    }
    if (!current) {
      problem("before the first [site]");
      continue;
    }
    const std::string key = Lower(Trim(line.substr(0, eq)));
    const std::string value = OneLine(line.substr(eq + 1));
    if (key == "where")
      current->where = value;
    else if (key == "program")
      current->program = value;
    else if (key == "config")
      current->config = value;
    else if (key == "note")
      current->note = value;
    else
      problem("KEY is where, program, config or note");
  }
  return file;
}

std::string FormatSites(const std::vector<SiteEntry>& sites) {
  std::string out = "# Radio sites: where each is reached, its configuration file, a note.\n";
  for (const SiteEntry& s : sites) {
    out += "\n[" + OneLine(s.name) + "]\n";
    out += "where=" + (OneLine(s.where).empty() ? std::string(kThisComputer) : OneLine(s.where)) + "\n";
    if (!OneLine(s.program).empty()) out += "program=" + OneLine(s.program) + "\n";
    if (!OneLine(s.config).empty()) out += "config=" + OneLine(s.config) + "\n";
    if (!OneLine(s.note).empty()) out += "note=" + OneLine(s.note) + "\n";
  }
  return out;
}

std::optional<std::string> ReadSitesFile(const std::string& folder, SitesFile& sites) {
  sites = SitesFile{};
  const std::string path = folder + "/" + kSitesFileName;
  std::error_code ec;
  if (!std::filesystem::exists(std::filesystem::symlink_status(FilePath(path), ec))) return std::nullopt;
  std::string content;
  if (auto problem = ReadSmallFile(path, kMaxSitesIniBytes, content)) return problem;
  sites = ParseSites(content);
  return std::nullopt;
}

}  // namespace tonalis
