// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tonalis {

// Writes mono 16-bit PCM at 8000 Hz as a WAV file. The file appears whole
// or not at all. Returns the failure's description, or nothing.
std::optional<std::string> WriteWav(const std::string& path, const std::int16_t* samples, std::int64_t count,
                                    int sampleRate = 8000);

// A sound file libsndfile reads (WAV, FLAC, ...) as 16-bit samples of its
// first channel, with its rate; `error` says why not.
struct SoundFile {
  std::vector<std::int16_t> samples;
  int sampleRate = 0;
  std::string error;
};
SoundFile ReadSoundFile(const std::string& path);

}  // namespace tonalis
