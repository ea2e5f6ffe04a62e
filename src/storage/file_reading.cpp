// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/file_reading.h"

namespace tonalis {

std::optional<std::string> SmallFileProblem(const std::string& path, std::uintmax_t maxBytes) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::status(FilePath(path), ec);
  if (ec) return path + ": " + ec.message() + ".";
  if (status.type() == fs::file_type::not_found) return path + ": No such file or directory.";
  if (fs::is_directory(status)) return path + " is a folder, not a file.";
  if (fs::is_fifo(status)) return path + " is a pipe (FIFO), not a file: it is not read, as it could block.";
  if (!fs::is_regular_file(status)) return path + " is a device, not a file: it is not read.";
  const std::uintmax_t size = fs::file_size(FilePath(path), ec);
  if (ec) return path + ": " + ec.message() + ".";
  if (size > maxBytes)
    return path + " is too large (" + std::to_string(size) + " bytes) for what it should hold (at most " +
           std::to_string(maxBytes) + ").";
  return std::nullopt;
}

std::optional<std::string> ReadSmallFile(const std::string& path, std::uintmax_t maxBytes, std::string& content) {
  if (auto problem = SmallFileProblem(path, maxBytes)) return problem;
  return ReadWholeFile(path, maxBytes, content);
}

}  // namespace tonalis
