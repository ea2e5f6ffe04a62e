// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tonalis {

// Writes mono 16-bit PCM at 8000 Hz as a WAV file. The file appears whole
// or not at all. Returns the failure's description, or nothing.
std::optional<std::string> WriteWav(const std::string& path, const std::int16_t* samples, std::int64_t count);

}  // namespace tonalis
