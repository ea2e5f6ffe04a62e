// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace tonalis {

// The tool keeps paths as UTF-8 text; this is the file system's path for
// one (on Windows the wide path, so that any name opens).
inline std::filesystem::path FilePath(const std::string& utf8) { return std::filesystem::u8path(utf8); }

// Why `path` cannot be read as an ordinary file of at most `maxBytes` (not
// there, a folder, a FIFO or device, which could block or never end, or too
// large for what it should hold), or nothing when it can.
std::optional<std::string> SmallFileProblem(const std::string& path, std::uintmax_t maxBytes);

// Reads such a file whole into `content`; the reason when it cannot.
std::optional<std::string> ReadSmallFile(const std::string& path, std::uintmax_t maxBytes, std::string& content);

// Reads the file at `path` into `content`, at most `maxBytes` of it, never
// waiting for a writer that may not come; the reason when it cannot.
std::optional<std::string> ReadWholeFile(const std::string& path, std::uintmax_t maxBytes, std::string& content);

}  // namespace tonalis
