// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tonalis {

// Writes mono 16-bit PCM at 8000 Hz as a WAV file. A regular file appears
// whole or not at all (through a link, the file it points to); a FIFO gets
// the bytes streamed; a device or folder is refused, never replaced.
// Returns the failure's description, or nothing.
std::optional<std::string> WriteWav(const std::string& path, const std::int16_t* samples, std::int64_t count,
                                    int sampleRate = 8000);

// A sound file libsndfile reads (WAV, FLAC, ...) as 16-bit samples of its
// first channel, with its rate; `error` says why not (a FIFO, device or
// folder, a rate outside [minRate, maxRate] or a length beyond maxSeconds,
// each found before the sound is read); `warning` that it is cut short.
struct SoundFile {
  std::vector<std::int16_t> samples;
  int sampleRate = 0;
  std::string error;
  std::string warning;
};
SoundFile ReadSoundFile(const std::string& path, int minRate = 1, int maxRate = 1000000, double maxSeconds = 4 * 3600);

}  // namespace tonalis
