// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tonalis {

// Why `path` cannot be read as an ordinary file of at most `maxBytes` (not
// there, a folder, a FIFO or device, which could block or never end, or too
// large for what it should hold), or nothing when it can.
std::optional<std::string> SmallFileProblem(const std::string& path, std::uintmax_t maxBytes);

// Reads such a file whole into `content`; the reason when it cannot.
std::optional<std::string> ReadSmallFile(const std::string& path, std::uintmax_t maxBytes, std::string& content);

}  // namespace tonalis
