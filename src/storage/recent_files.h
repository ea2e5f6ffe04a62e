// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tonalis {

// The configuration files last loaded or saved, newest first: one path a
// line in recent.txt in the settings folder, at most kRecentFiles of them.
inline constexpr std::size_t kRecentFiles = 8;
inline constexpr const char* kRecentFileName = "recent.txt";

// The list; nothing from a file that is missing, not an ordinary file or
// too large. Lines that cannot be paths (empty, control characters) are left out.
std::vector<std::string> ReadRecentFiles(const std::string& folder);
// `path` first, once; the oldest beyond the limit go. The reason when the
// list cannot be written.
std::optional<std::string> RememberRecentFile(const std::string& folder, const std::string& path);
// `path` no longer listed (it is gone).
std::optional<std::string> ForgetRecentFile(const std::string& folder, const std::string& path);

}  // namespace tonalis
