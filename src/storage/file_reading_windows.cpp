// SPDX-License-Identifier: GPL-3.0-or-later
#include <cerrno>
#include <cstring>
#include <fstream>

#include "storage/file_reading.h"

#include "i18n/text.h"

namespace tonalis {
namespace {
constexpr const char* kTooLargeRead = TONALIS_TEXT("%1 is too large for what it should hold (at most %2 bytes).");
}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, std::uintmax_t maxBytes, std::string& content) {
  // Windows has no FIFOs in the file system: a file opened here reads to its end.
  std::ifstream in(FilePath(path), std::ios::binary);
  if (!in) return path + ": " + std::strerror(errno) + ".";
  content.clear();
  char buffer[8192];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    content.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (content.size() > maxBytes) return Fill(Message(kTooLargeRead), {path, std::to_string(maxBytes)});
  }
  if (in.bad()) return path + ": cannot be read.";
  return std::nullopt;
}

}  // namespace tonalis
