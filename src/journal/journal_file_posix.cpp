// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>

namespace tonalis {

std::optional<std::string> AppendLineToFile(const std::string& path, const std::string& line) {
  // Neither a FIFO (whose opening would wait for a reader that may never
  // come: without waiting it fails, ENXIO) nor a link (which could send the
  // record anywhere, or nowhere) is written; only an ordinary file is.
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
  if (fd < 0 && (errno == ELOOP || errno == ENXIO)) return "Cannot write " + path + ": it is not an ordinary file";
  if (fd < 0) return "Cannot open " + path + ": " + std::strerror(errno);
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return "Cannot write " + path + ": it is not an ordinary file";
  }
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

enum class RenameResult { kDone, kTargetExists, kFailed };

RenameResult RenameWithoutReplacing(const std::string& from, const std::string& to) {
#ifdef RENAME_NOREPLACE
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return RenameResult::kDone;
  if (errno == EEXIST) return RenameResult::kTargetExists;
  if (errno != EINVAL && errno != ENOSYS) return RenameResult::kFailed;
#endif
  // A file system without the flag: the check and the rename are apart.
  struct stat st;
  if (::lstat(to.c_str(), &st) == 0) return RenameResult::kTargetExists;
  return ::rename(from.c_str(), to.c_str()) == 0 ? RenameResult::kDone : RenameResult::kFailed;
}

}  // namespace tonalis
