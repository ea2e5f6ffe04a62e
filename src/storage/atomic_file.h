// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace tonalis {

// Replaces the file at `path` with `content` so that a failure at any point
// (disk full, device removed, no permission) leaves the previous file as it
// was. Writes a temporary file beside the target, flushes it to the disk and
// renames it over the target. Returns a description of the failure, or
// nothing on success.
// Temporary files that writers killed on the way left behind are removed.
std::optional<std::string> WriteFileAtomically(const std::string& path, const std::string& content);

// Writes `content` as a new file at `path`, whole or not at all, and never
// in place of a file that is there (another process's): then `existed` is
// set and the reason returned.
std::optional<std::string> CreateFileAtomically(const std::string& path, const std::string& content, bool& existed);

}  // namespace tonalis
