// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone/wav_file.h"

#include <fcntl.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "storage/atomic_file.h"
#include "tone/synthesis.h"

namespace tonalis {
namespace {

// The WAV bytes of the samples, made in a temporary file (libsndfile
// writes its header last, so it needs a file it can seek in).
std::optional<std::string> WavBytes(const std::int16_t* samples, std::int64_t count, int sampleRate,
                                    std::string& bytes) {
  std::string temp = (std::filesystem::temp_directory_path() / "tonalis-wav-XXXXXX").string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return std::string("Cannot make a temporary file: ") + std::strerror(errno);
  SF_INFO info{};
  info.samplerate = sampleRate;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* file = sf_open_fd(fd, SFM_RDWR, &info, SF_FALSE);
  std::string error;
  if (!file) {
    error = sf_strerror(nullptr);
  } else {
    const sf_count_t written = count > 0 ? sf_write_short(file, samples, count) : 0;
    if (written != count) error = sf_strerror(file);
    if (sf_close(file) != 0 && error.empty()) error = "the sound could not be completed";
  }
  if (error.empty()) {
    bytes.clear();
    char buffer[65536];
    ssize_t n;
    ::lseek(fd, 0, SEEK_SET);
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0) bytes.append(buffer, static_cast<std::size_t>(n));
    if (n < 0) error = std::strerror(errno);
  }
  ::close(fd);
  ::unlink(temp.c_str());
  if (!error.empty()) return error;
  return std::nullopt;
}

}  // namespace

std::optional<std::string> WriteWav(const std::string& path, const std::int16_t* samples, std::int64_t count,
                                    int sampleRate) {
  std::string bytes;
  if (const auto error = WavBytes(samples, count, sampleRate, bytes)) return "Cannot write " + path + ": " + *error;
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && S_ISFIFO(st.st_mode)) {
    // A FIFO streams what is written: it is what its reader asked for.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return "Cannot write " + path + ": " + std::strerror(errno);
    for (std::size_t done = 0; done < bytes.size();) {
      const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        const int error = errno;
        ::close(fd);
        return "Cannot write " + path + ": " + std::strerror(error);
      }
      done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return std::nullopt;
  }
  // A regular file is replaced whole; a device or folder is refused.
  return WriteFileAtomically(path, bytes);
}

SoundFile ReadSoundFile(const std::string& path, int minRate, int maxRate, double maxSeconds) {
  SoundFile out;
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    out.error = path + (S_ISDIR(st.st_mode) ? " is a folder" : S_ISFIFO(st.st_mode) ? " is a pipe (FIFO)" : " is a device") +
                ", not a sound file: it is not read.";
    return out;
  }
  SF_INFO info{};
  SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
  if (!file) {
    out.error = "Cannot read " + path + ": " + sf_strerror(nullptr);
    return out;
  }
  out.sampleRate = info.samplerate;
  // Its header says what it holds: refused before a byte of sound is read.
  if (info.samplerate < minRate || info.samplerate > maxRate) {
    sf_close(file);
    out.error = path + " is at " + std::to_string(info.samplerate) + " Hz; the decoders take " +
                std::to_string(minRate) + " to " + std::to_string(maxRate) + " Hz.";
    return out;
  }
  if (info.frames > static_cast<sf_count_t>(maxSeconds * info.samplerate)) {
    sf_close(file);
    out.error = path + " lasts " + std::to_string(info.frames / std::max(1, info.samplerate)) +
                " s; at most " + std::to_string(static_cast<long long>(maxSeconds)) + " s are read.";
    return out;
  }
  char log[2048] = {};
  sf_command(file, SFC_GET_LOG_INFO, log, sizeof log);
  // libsndfile notes a data chunk longer than the file as "data : N (should be M)".
  if (const char* data = std::strstr(log, "data :"); data && std::strstr(data, "(should be"))
    out.warning = path + " is cut short: it ends before the sound its header announces.";
  std::vector<std::int16_t> frame(static_cast<std::size_t>(std::max(1, info.channels)));
  std::vector<std::int16_t> block(frame.size() * 4096);
  out.samples.reserve(static_cast<std::size_t>(std::max<sf_count_t>(0, info.frames)));
  for (;;) {
    const sf_count_t frames = sf_readf_short(file, block.data(), 4096);
    if (frames <= 0) break;
    for (sf_count_t f = 0; f < frames; ++f) out.samples.push_back(block[static_cast<std::size_t>(f) * frame.size()]);
  }
  sf_close(file);
  return out;
}

}  // namespace tonalis
