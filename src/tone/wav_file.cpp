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
constexpr const char* kCannotRead = TONALIS_TEXT("Cannot read %1: %2");
constexpr const char* kNotCompleted = TONALIS_TEXT("the sound could not be completed");
constexpr const char* kFolder = TONALIS_TEXT("%1 is a folder, not a sound file: it is not read.");
constexpr const char* kFifo = TONALIS_TEXT("%1 is a pipe (FIFO), not a sound file: it is not read.");
constexpr const char* kDevice = TONALIS_TEXT("%1 is a device, not a sound file: it is not read.");
constexpr const char* kRate = TONALIS_TEXT("%1 is at %2 Hz; the decoders take %3 to %4 Hz.");
constexpr const char* kTooLong = TONALIS_TEXT("%1 lasts %2 s; at most %3 s are read.");
constexpr const char* kCutShort = TONALIS_TEXT("%1 is cut short: it ends before the sound its header announces.");

// libsndfile on a string in memory (it writes a WAV's header last, so it
// needs something it can seek in) or on a stream opened by its wide path.
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

SF_VIRTUAL_IO StreamIo() {
  SF_VIRTUAL_IO io{};
  io.get_filelen = [](void* p) {
    auto* in = static_cast<std::ifstream*>(p);
    in->clear();
    const auto at = in->tellg();
    in->seekg(0, std::ios::end);
    const auto size = in->tellg();
    in->seekg(at);
    return static_cast<sf_count_t>(size);
  };
  io.seek = [](sf_count_t offset, int whence, void* p) {
    auto* in = static_cast<std::ifstream*>(p);
    in->clear();
    in->seekg(offset, whence == SEEK_SET ? std::ios::beg : whence == SEEK_CUR ? std::ios::cur : std::ios::end);
    return static_cast<sf_count_t>(in->tellg());
  };
  io.read = [](void* out, sf_count_t count, void* p) {
    auto* in = static_cast<std::ifstream*>(p);
    in->read(static_cast<char*>(out), static_cast<std::streamsize>(count));
    return static_cast<sf_count_t>(in->gcount());
  };
  io.write = [](const void*, sf_count_t, void*) { return sf_count_t{0}; };
  io.tell = [](void* p) {
    auto* in = static_cast<std::ifstream*>(p);
    in->clear();
    return static_cast<sf_count_t>(in->tellg());
  };
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

SoundFile ReadSoundFile(const std::string& path, int minRate, int maxRate, double maxSeconds) {
  SoundFile out;
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::status(FilePath(path), ec);
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    out.error = Fill(Message(fs::is_directory(status) ? kFolder : fs::is_fifo(status) ? kFifo : kDevice), {path});
    return out;
  }
  std::ifstream in(FilePath(path), std::ios::binary);
  if (!in) {
    out.error = Fill(Message(kCannotRead), {path, std::strerror(errno)});
    return out;
  }
  SF_VIRTUAL_IO io = StreamIo();
  SF_INFO info{};
  SNDFILE* file = sf_open_virtual(&io, SFM_READ, &info, &in);
  if (!file) {
    out.error = Fill(Message(kCannotRead), {path, sf_strerror(nullptr)});
    return out;
  }
  out.sampleRate = info.samplerate;
  // Its header says what it holds: refused before a byte of sound is read.
  if (info.samplerate < minRate || info.samplerate > maxRate) {
    sf_close(file);
    out.error =
        Fill(Message(kRate), {path, std::to_string(info.samplerate), std::to_string(minRate), std::to_string(maxRate)});
    return out;
  }
  if (info.frames > static_cast<sf_count_t>(maxSeconds * info.samplerate)) {
    sf_close(file);
    out.error = Fill(Message(kTooLong), {path, std::to_string(info.frames / std::max(1, info.samplerate)),
                                         std::to_string(static_cast<long long>(maxSeconds))});
    return out;
  }
  char log[2048] = {};
  sf_command(file, SFC_GET_LOG_INFO, log, sizeof log);
  // libsndfile notes a data chunk longer than the file as "data : N (should be M)".
  if (const char* data = std::strstr(log, "data :"); data && std::strstr(data, "(should be"))
    out.warning = Fill(Message(kCutShort), {path});
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
