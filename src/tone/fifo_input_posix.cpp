// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <thread>
#include <vector>

#include "tone/fifo_input.h"

#include "i18n/language.h"

namespace tonalis {
namespace {
constexpr const char* kCannotOpen = TONALIS_TEXT("cannot open %1: %2");
}  // namespace

struct FifoInput::Reader {
  int fd = -1;
  std::atomic<bool> stop{false};
  std::thread thread;
  AudioInput::Samples samples;

  void run() {
    std::vector<char> buffer(4096);
    std::vector<std::int16_t> out;
    bool odd = false;
    char oddByte = 0;
    while (!stop.load()) {
      pollfd p{fd, POLLIN, 0};
      if (::poll(&p, 1, 50) <= 0) continue;
      const ssize_t n = ::read(fd, buffer.data(), buffer.size());
      if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) {
        // No writer (between its runs): wait for one, without spinning.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        continue;
      }
      if (n < 0) continue;
      out.clear();
      std::size_t i = 0;
      if (odd) {
        out.push_back(static_cast<std::int16_t>(static_cast<unsigned char>(oddByte) |
                                                (static_cast<unsigned char>(buffer[0]) << 8)));
        i = 1;
      }
      for (; i + 1 < static_cast<std::size_t>(n); i += 2)
        out.push_back(static_cast<std::int16_t>(static_cast<unsigned char>(buffer[i]) |
                                                (static_cast<unsigned char>(buffer[i + 1]) << 8)));
      odd = i < static_cast<std::size_t>(n);
      if (odd) oddByte = buffer[i];
      if (!out.empty()) samples(out.data(), out.size());
    }
  }
};

FifoInput::FifoInput() = default;
FifoInput::~FifoInput() { close(); }

bool FifoInput::Names(const std::string& device) {
  struct stat info {};
  return !device.empty() && ::stat(device.c_str(), &info) == 0 && S_ISFIFO(info.st_mode);
}

std::optional<std::string> FifoInput::open(const std::string& path, AudioInput::Samples samples) {
  close();
  auto reader = std::make_unique<Reader>();
  reader->fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (reader->fd < 0) return Fill(TrStd(kCannotOpen), {path, std::strerror(errno)});
  // What waited before we began is let go.
  char stale[4096];
  while (::read(reader->fd, stale, sizeof stale) > 0) {
  }
  reader->samples = std::move(samples);
  Reader* r = reader.get();
  reader->thread = std::thread([r] { r->run(); });
  reader_ = std::move(reader);
  return std::nullopt;
}

void FifoInput::close() {
  if (!reader_) return;
  reader_->stop = true;
  reader_->thread.join();
  ::close(reader_->fd);
  reader_.reset();
}

namespace {
constexpr const char* kNoFifoReader = TONALIS_TEXT("no program reads the FIFO");
constexpr const char* kFifoReaderGone = TONALIS_TEXT("the reader went away");
}  // namespace

std::optional<std::string> WriteToFifo(const std::string& path, const std::string& bytes) {
  // Opened without waiting: a FIFO nobody reads refuses at once (ENXIO).
  const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return errno == ENXIO ? TrStd(kNoFifoReader) : std::string(std::strerror(errno));
  // Then at the reader's pace, as a stream is.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  const char* at = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, at, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ::close(fd);
      return TrStd(kFifoReaderGone);
    }
    at += n;
    left -= static_cast<std::size_t>(n);
  }
  ::close(fd);
  return std::nullopt;
}

}  // namespace tonalis
