// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone/wav_file.h"

#include <sndfile.h>
#include <unistd.h>

#include <cstdio>

#include "tone/synthesis.h"

namespace tonalis {

std::optional<std::string> WriteWav(const std::string& path, const std::int16_t* samples, std::int64_t count) {
  const std::string temp = path + ".tmp-" + std::to_string(::getpid());
  SF_INFO info{};
  info.samplerate = static_cast<int>(kSampleRate);
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* file = sf_open(temp.c_str(), SFM_WRITE, &info);
  if (!file) return "Cannot create " + path + ": " + sf_strerror(nullptr);
  const sf_count_t written = count > 0 ? sf_write_short(file, samples, count) : 0;
  const std::string error = written == count ? "" : sf_strerror(file);
  if (sf_close(file) != 0 || !error.empty()) {
    std::remove(temp.c_str());
    return "Cannot write " + path + ": " + (error.empty() ? "the file could not be completed" : error);
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    std::remove(temp.c_str());
    return "Cannot replace " + path;
  }
  return std::nullopt;
}

}  // namespace tonalis
