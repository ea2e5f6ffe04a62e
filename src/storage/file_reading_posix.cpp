// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "storage/file_reading.h"

#include "i18n/text.h"

namespace tonalis {
namespace {
constexpr const char* kTooLargeRead = TONALIS_TEXT("%1 is too large for what it should hold (at most %2 bytes).");
}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, std::uintmax_t maxBytes, std::string& content) {
  // O_NONBLOCK: should it have become a FIFO since it was looked at, the
  // opening still returns.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return path + ": " + std::strerror(errno) + ".";
  content.clear();
  char buffer[8192];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      ::close(fd);
      return path + ": " + std::strerror(error) + ".";
    }
    if (n == 0) break;
    content.append(buffer, static_cast<std::size_t>(n));
    if (content.size() > maxBytes) {
      ::close(fd);
      return Fill(Message(kTooLargeRead), {path, std::to_string(maxBytes)});
    }
  }
  ::close(fd);
  return std::nullopt;
}

}  // namespace tonalis
