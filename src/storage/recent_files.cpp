// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/recent_files.h"

#include <algorithm>
#include <sstream>

#include "storage/atomic_file.h"
#include "storage/file_reading.h"

namespace tonalis {
namespace {

constexpr std::uintmax_t kMaxBytes = 64 * 1024;

std::string FileIn(const std::string& folder) { return folder + "/" + kRecentFileName; }

std::optional<std::string> Write(const std::string& folder, const std::vector<std::string>& paths) {
  std::string text;
  for (const std::string& p : paths) text += p + "\n";
  return WriteFileAtomically(FileIn(folder), text);
}

}  // namespace

std::vector<std::string> ReadRecentFiles(const std::string& folder) {
  std::vector<std::string> paths;
  std::string content;
  if (ReadSmallFile(FileIn(folder), kMaxBytes, content)) return paths;
  std::istringstream lines(content);
  for (std::string line; std::getline(lines, line) && paths.size() < kRecentFiles;) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const bool usable = !line.empty() && std::none_of(line.begin(), line.end(), [](char c) {
      return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    });
    if (usable && std::find(paths.begin(), paths.end(), line) == paths.end()) paths.push_back(line);
  }
  return paths;
}

std::optional<std::string> RememberRecentFile(const std::string& folder, const std::string& path) {
  std::vector<std::string> paths = ReadRecentFiles(folder);
  paths.erase(std::remove(paths.begin(), paths.end(), path), paths.end());
  paths.insert(paths.begin(), path);
  if (paths.size() > kRecentFiles) paths.resize(kRecentFiles);
  return Write(folder, paths);
}

std::optional<std::string> ForgetRecentFile(const std::string& folder, const std::string& path) {
  std::vector<std::string> paths = ReadRecentFiles(folder);
  const auto end = std::remove(paths.begin(), paths.end(), path);
  if (end == paths.end()) return std::nullopt;
  paths.erase(end, paths.end());
  return Write(folder, paths);
}

}  // namespace tonalis
