// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "tone/sound_file.h"

namespace tonalis {

// Writes mono 16-bit PCM at 8000 Hz as a WAV file. A regular file appears
// whole or not at all (through a link, the file it points to); a FIFO gets
// the bytes streamed; a device or folder is refused, never replaced.
// Returns the failure's description, or nothing.
std::optional<std::string> WriteWav(const std::string& path, const std::int16_t* samples, std::int64_t count,
                                    int sampleRate = 8000);

}  // namespace tonalis
