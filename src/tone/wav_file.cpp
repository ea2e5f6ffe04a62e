// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone/wav_file.h"

#include <sndfile.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "tone/synthesis.h"

namespace tonalis {

std::optional<std::string> WriteWav(const std::string& path, const std::int16_t* samples, std::int64_t count,
                                    int sampleRate) {
  const std::string temp = path + ".tmp-" + std::to_string(::getpid());
  SF_INFO info{};
  info.samplerate = sampleRate;
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

SoundFile ReadSoundFile(const std::string& path) {
  SoundFile out;
  SF_INFO info{};
  SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
  if (!file) {
    out.error = "Cannot read " + path + ": " + sf_strerror(nullptr);
    return out;
  }
  out.sampleRate = info.samplerate;
  std::vector<std::int16_t> frame(static_cast<std::size_t>(std::max(1, info.channels)));
  std::vector<std::int16_t> block(frame.size() * 4096);
  for (;;) {
    const sf_count_t frames = sf_readf_short(file, block.data(), 4096);
    if (frames <= 0) break;
    for (sf_count_t f = 0; f < frames; ++f) out.samples.push_back(block[static_cast<std::size_t>(f) * frame.size()]);
  }
  sf_close(file);
  return out;
}

}  // namespace tonalis
