// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/file_reading.h"

#include "i18n/text.h"

namespace tonalis {
namespace {
constexpr const char* kNoSuchFile = TONALIS_TEXT("%1: No such file or directory.");
constexpr const char* kFolder = TONALIS_TEXT("%1 is a folder, not a file.");
constexpr const char* kFifo = TONALIS_TEXT("%1 is a pipe (FIFO), not a file: it is not read, as it could block.");
constexpr const char* kDevice = TONALIS_TEXT("%1 is a device, not a file: it is not read.");
constexpr const char* kTooLarge = TONALIS_TEXT("%1 is too large (%2 bytes) for what it should hold (at most %3).");
}  // namespace

std::optional<std::string> SmallFileProblem(const std::string& path, std::uintmax_t maxBytes) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::status(FilePath(path), ec);
  // A missing file comes with an error code too: said in the program's words.
  if (status.type() == fs::file_type::not_found) return Fill(Message(kNoSuchFile), {path});
  if (ec) return path + ": " + ec.message() + ".";
  if (fs::is_directory(status)) return Fill(Message(kFolder), {path});
  if (fs::is_fifo(status)) return Fill(Message(kFifo), {path});
  if (!fs::is_regular_file(status)) return Fill(Message(kDevice), {path});
  const std::uintmax_t size = fs::file_size(FilePath(path), ec);
  if (ec) return path + ": " + ec.message() + ".";
  if (size > maxBytes) return Fill(Message(kTooLarge), {path, std::to_string(size), std::to_string(maxBytes)});
  return std::nullopt;
}

std::optional<std::string> ReadSmallFile(const std::string& path, std::uintmax_t maxBytes, std::string& content) {
  if (auto problem = SmallFileProblem(path, maxBytes)) return problem;
  return ReadWholeFile(path, maxBytes, content);
}

}  // namespace tonalis
