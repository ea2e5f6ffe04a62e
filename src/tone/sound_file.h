// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tonalis {

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

// The same sound read a block at a time, as a decoder takes it: the memory
// it needs does not grow with the file, and a file has no length limit
// beyond what its format carries.
class SoundReader {
 public:
  // Nothing, with `error` set, for what ReadSoundFile refuses (length apart);
  // `warning` that the file is cut short.
  static std::unique_ptr<SoundReader> Open(const std::string& path, int minRate, int maxRate, std::string& error,
                                           std::string& warning);
  ~SoundReader();
  SoundReader(const SoundReader&) = delete;
  SoundReader& operator=(const SoundReader&) = delete;

  int sampleRate() const { return rate_; }
  // The length its header gives, in samples.
  std::int64_t frames() const { return frames_; }
  // Up to `max` samples of the first channel; 0 at its end.
  std::size_t read(std::int16_t* out, std::size_t max);

 private:
  SoundReader() = default;
  struct File;
  std::unique_ptr<File> file_;
  int rate_ = 0;
  int channels_ = 1;
  std::int64_t frames_ = 0;
  std::vector<std::int16_t> frame_;  // interleaved, when there are several channels
};

}  // namespace tonalis
