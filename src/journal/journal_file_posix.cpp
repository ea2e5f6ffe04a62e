// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>

namespace tonalis {

std::optional<std::string> AppendLineToFile(const std::string& path, const std::string& line) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return "Cannot open " + path + ": " + std::strerror(errno);
  // One write with O_APPEND: placed at the end as a whole, whoever else appends.
  ssize_t n;
  do n = ::write(fd, line.data(), line.size());
  while (n < 0 && errno == EINTR);
  const int saved = errno;
  ::close(fd);
  if (n != static_cast<ssize_t>(line.size()))
    return "Cannot write " + path + ": " + (n < 0 ? std::strerror(saved) : "the disk is full");
  return std::nullopt;
}

}  // namespace tonalis
