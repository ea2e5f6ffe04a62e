// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/file_reading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tonalis {

std::optional<std::string> SmallFileProblem(const std::string& path, std::uintmax_t maxBytes) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return path + ": " + std::strerror(errno) + ".";
  if (S_ISDIR(st.st_mode)) return path + " is a folder, not a file.";
  if (S_ISFIFO(st.st_mode)) return path + " is a pipe (FIFO), not a file: it is not read, as it could block.";
  if (!S_ISREG(st.st_mode)) return path + " is a device, not a file: it is not read.";
  if (static_cast<std::uintmax_t>(st.st_size) > maxBytes)
    return path + " is too large (" + std::to_string(st.st_size) + " bytes) for what it should hold (at most " +
           std::to_string(maxBytes) + ").";
  return std::nullopt;
}

std::optional<std::string> ReadSmallFile(const std::string& path, std::uintmax_t maxBytes, std::string& content) {
  if (auto problem = SmallFileProblem(path, maxBytes)) return problem;
  // O_NONBLOCK: should it have become a FIFO since, the opening still returns.
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
      return path + " is too large for what it should hold (at most " + std::to_string(maxBytes) + " bytes).";
    }
  }
  ::close(fd);
  return std::nullopt;
}

}  // namespace tonalis
