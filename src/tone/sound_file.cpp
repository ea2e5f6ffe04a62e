// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone/sound_file.h"

#include <sndfile.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "i18n/text.h"
#include "storage/file_reading.h"

namespace tonalis {
namespace {

constexpr const char* kCannotRead = TONALIS_TEXT("Cannot read %1: %2");
constexpr const char* kFolder = TONALIS_TEXT("%1 is a folder, not a sound file: it is not read.");
constexpr const char* kFifo = TONALIS_TEXT("%1 is a pipe (FIFO), not a sound file: it is not read.");
constexpr const char* kDevice = TONALIS_TEXT("%1 is a device, not a sound file: it is not read.");
constexpr const char* kRate = TONALIS_TEXT("%1 is at %2 Hz; the decoders take %3 to %4 Hz.");
constexpr const char* kTooLong = TONALIS_TEXT("%1 lasts %2 s; at most %3 s are read.");
constexpr const char* kCutShort = TONALIS_TEXT("%1 is cut short: it ends before the sound its header announces.");

// libsndfile on a stream opened by its wide path.
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

}  // namespace

struct SoundReader::File {
  std::ifstream in;
  SF_VIRTUAL_IO io = StreamIo();
  SNDFILE* sound = nullptr;
  ~File() {
    if (sound) sf_close(sound);
  }
};

std::unique_ptr<SoundReader> SoundReader::Open(const std::string& path, int minRate, int maxRate, std::string& error,
                                               std::string& warning) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::status(FilePath(path), ec);
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    error = Fill(Message(fs::is_directory(status) ? kFolder : fs::is_fifo(status) ? kFifo : kDevice), {path});
    return nullptr;
  }
  std::unique_ptr<SoundReader> reader(new SoundReader);
  reader->file_ = std::make_unique<File>();
  File& file = *reader->file_;
  file.in.open(FilePath(path), std::ios::binary);
  if (!file.in) {
    error = Fill(Message(kCannotRead), {path, std::strerror(errno)});
    return nullptr;
  }
  SF_INFO info{};
  file.sound = sf_open_virtual(&file.io, SFM_READ, &info, &file.in);
  if (!file.sound) {
    error = Fill(Message(kCannotRead), {path, sf_strerror(nullptr)});
    return nullptr;
  }
  // Its header says what it holds: refused before a byte of sound is read.
  if (info.samplerate < minRate || info.samplerate > maxRate) {
    error =
        Fill(Message(kRate), {path, std::to_string(info.samplerate), std::to_string(minRate), std::to_string(maxRate)});
    return nullptr;
  }
  reader->rate_ = info.samplerate;
  reader->channels_ = std::max(1, info.channels);
  reader->frames_ = std::max<sf_count_t>(0, info.frames);
  char log[2048] = {};
  sf_command(file.sound, SFC_GET_LOG_INFO, log, sizeof log);
  // libsndfile notes a data chunk longer than the file as "data : N (should be M)".
  if (const char* data = std::strstr(log, "data :"); data && std::strstr(data, "(should be"))
    warning = Fill(Message(kCutShort), {path});
  return reader;
}

SoundReader::~SoundReader() = default;

std::size_t SoundReader::read(std::int16_t* out, std::size_t max) {
  if (channels_ == 1) return static_cast<std::size_t>(std::max<sf_count_t>(0, sf_readf_short(file_->sound, out, static_cast<sf_count_t>(max))));
  const auto channels = static_cast<std::size_t>(channels_);
  frame_.resize(std::min<std::size_t>(max, 4096) * channels);
  const sf_count_t frames = sf_readf_short(file_->sound, frame_.data(), static_cast<sf_count_t>(frame_.size() / channels));
  for (sf_count_t f = 0; f < frames; ++f) out[f] = frame_[static_cast<std::size_t>(f) * channels];
  return static_cast<std::size_t>(std::max<sf_count_t>(0, frames));
}

SoundFile ReadSoundFile(const std::string& path, int minRate, int maxRate, double maxSeconds) {
  SoundFile out;
  const auto reader = SoundReader::Open(path, minRate, maxRate, out.error, out.warning);
  if (!reader) return out;
  out.sampleRate = reader->sampleRate();
  if (reader->frames() > static_cast<std::int64_t>(maxSeconds * out.sampleRate)) {
    out.error = Fill(Message(kTooLong), {path, std::to_string(reader->frames() / std::max(1, out.sampleRate)),
                                         std::to_string(static_cast<long long>(maxSeconds))});
    out.warning.clear();
    return out;
  }
  out.samples.resize(static_cast<std::size_t>(reader->frames()));
  std::size_t have = 0;
  for (;;) {
    if (out.samples.size() - have < 4096) out.samples.resize(have + 4096);
    const std::size_t n = reader->read(out.samples.data() + have, out.samples.size() - have);
    if (n == 0) break;
    have += n;
  }
  out.samples.resize(have);
  return out;
}

}  // namespace tonalis
