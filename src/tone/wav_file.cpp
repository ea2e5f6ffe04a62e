// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone/wav_file.h"

#include "tone/fifo_input.h"

#include <sndfile.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "storage/atomic_file.h"
#include "storage/file_reading.h"
#include "tone/synthesis.h"

#include "i18n/text.h"

namespace tonalis {
namespace {

constexpr const char* kCannotWrite = TONALIS_TEXT("Cannot write %1: %2");
constexpr const char* kNotCompleted = TONALIS_TEXT("the sound could not be completed");

// libsndfile on a string in memory: it writes a WAV's header last, so it
// needs something it can seek in.
struct MemoryFile {
  std::string bytes;
  sf_count_t at = 0;
};
SF_VIRTUAL_IO MemoryIo() {
  SF_VIRTUAL_IO io{};
  io.get_filelen = [](void* p) { return static_cast<sf_count_t>(static_cast<MemoryFile*>(p)->bytes.size()); };
  io.seek = [](sf_count_t offset, int whence, void* p) {
    auto* f = static_cast<MemoryFile*>(p);
    const sf_count_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? f->at : static_cast<sf_count_t>(f->bytes.size());
    f->at = std::max<sf_count_t>(0, base + offset);
    return f->at;
  };
  io.read = [](void* out, sf_count_t count, void* p) {
    auto* f = static_cast<MemoryFile*>(p);
    const sf_count_t left = std::max<sf_count_t>(0, static_cast<sf_count_t>(f->bytes.size()) - f->at);
    const sf_count_t n = std::min(count, left);
    std::memcpy(out, f->bytes.data() + f->at, static_cast<std::size_t>(n));
    f->at += n;
    return n;
  };
  io.write = [](const void* in, sf_count_t count, void* p) {
    auto* f = static_cast<MemoryFile*>(p);
    const auto end = static_cast<std::size_t>(f->at + count);
    if (f->bytes.size() < end) f->bytes.resize(end);
    std::memcpy(f->bytes.data() + f->at, in, static_cast<std::size_t>(count));
    f->at += count;
    return count;
  };
  io.tell = [](void* p) { return static_cast<MemoryFile*>(p)->at; };
  return io;
}

// The WAV bytes of the samples.
std::optional<std::string> WavBytes(const std::int16_t* samples, std::int64_t count, int sampleRate,
                                    std::string& bytes) {
  MemoryFile memory;
  SF_VIRTUAL_IO io = MemoryIo();
  SF_INFO info{};
  info.samplerate = sampleRate;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* file = sf_open_virtual(&io, SFM_RDWR, &info, &memory);
  if (!file) return std::string(sf_strerror(nullptr));
  std::string error;
  const sf_count_t written = count > 0 ? sf_write_short(file, samples, count) : 0;
  if (written != count) error = sf_strerror(file);
  if (sf_close(file) != 0 && error.empty()) error = Message(kNotCompleted);
  if (!error.empty()) return error;
  bytes = std::move(memory.bytes);
  return std::nullopt;
}

}  // namespace

std::optional<std::string> WriteWav(const std::string& path, const std::int16_t* samples, std::int64_t count,
                                    int sampleRate) {
  std::string bytes;
  if (const auto error = WavBytes(samples, count, sampleRate, bytes))
    return Fill(Message(kCannotWrite), {path, *error});
  std::error_code ec;
  if (std::filesystem::is_fifo(std::filesystem::status(FilePath(path), ec))) {
    // A FIFO streams what is written: it is what its reader asked for.
    if (const auto error = WriteToFifo(path, bytes)) return Fill(Message(kCannotWrite), {path, *error});
    return std::nullopt;
  }
  // A regular file is replaced whole; a device or folder is refused.
  return WriteFileAtomically(path, bytes);
}

}  // namespace tonalis
