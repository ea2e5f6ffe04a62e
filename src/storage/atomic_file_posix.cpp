// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "i18n/text.h"

namespace tonalis {
namespace {

// What went wrong, as marked patterns (plain pointers at namespace scope, as
// lupdate reads them): the path, then the system's reason.
constexpr const char* kCannotCreateIn = TONALIS_TEXT("Cannot create a file in %1: %2");
constexpr const char* kCannotSetPermissions = TONALIS_TEXT("Cannot set the permissions of %1: %2");
constexpr const char* kCannotWrite = TONALIS_TEXT("Cannot write %1: %2");
constexpr const char* kCannotResolve = TONALIS_TEXT("Cannot resolve %1: %2");
constexpr const char* kCannotReplace = TONALIS_TEXT("Cannot replace %1: %2");
constexpr const char* kCannotCreate = TONALIS_TEXT("Cannot create %1: %2");
constexpr const char* kNotRegular = TONALIS_TEXT("Cannot write %1: not a regular file");

namespace fs = std::filesystem;

std::string Describe(const char* pattern, const fs::path& path, int error) {
  return Fill(Message(pattern), {path.string(), std::strerror(error)});
}

bool WriteAll(int fd, const std::string& content) {
  const char* p = content.data();
  std::size_t left = content.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

// Removes temporary files of `target` left by writers that are gone (a
// process killed between writing and renaming).
void RemoveStaleTemporaries(const fs::path& dir, const fs::path& target) {
  const std::string prefix = "." + target.filename().string() + ".tmp-";
  std::error_code ec;
  for (const auto& file : fs::directory_iterator(dir, ec)) {
    const std::string name = file.path().filename().string();
    if (name.rfind(prefix, 0) != 0) continue;
    const long pid = std::strtol(name.c_str() + prefix.size(), nullptr, 10);
    if (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) fs::remove(file.path(), ec);
  }
}

// Writes `content` to a new temporary file beside `target`, flushed to the
// disk; its path, or the reason it could not be written.
std::optional<std::string> WriteTemporary(const fs::path& target, const std::string& content, const struct stat* mode,
                                          fs::path& temp) {
  const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
  RemoveStaleTemporaries(dir, target);
  static std::atomic<unsigned> counter{0};
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = dir /
           ("." + target.filename().string() + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return Describe(kCannotCreateIn, dir, errno);
  }
  if (fd < 0) return Describe(kCannotCreateIn, dir, EEXIST);

  auto fail = [&](const char* what) {
    const int error = errno;
    ::close(fd);
    ::unlink(temp.c_str());
    return Describe(what, target, error);
  };
  if (mode && ::fchmod(fd, mode->st_mode & 07777) != 0) return fail(kCannotSetPermissions);
  if (!WriteAll(fd, content)) return fail(kCannotWrite);
  if (::fsync(fd) != 0) return fail(kCannotWrite);
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    return Describe(kCannotWrite, target, error);
  }
  return std::nullopt;
}

// Makes a rename or link itself durable; a failure here loses nothing written.
void SyncFolder(const fs::path& target) {
  const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
}

}  // namespace

std::optional<std::string> WriteFileAtomically(const std::string& pathText, const std::string& content) {
  fs::path target(pathText);
  std::error_code ec;
  // Replace what a link points to, not the link itself.
  if (fs::is_symlink(fs::symlink_status(target, ec))) {
    target = fs::weakly_canonical(target, ec);
    if (ec) return Describe(kCannotResolve, pathText, ec.value());
  }

  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) return Describe(kCannotWrite, target, EISDIR);
  // A device or pipe cannot be replaced by a renamed file, and must not be.
  if (exists && !S_ISREG(existing.st_mode)) return Fill(Message(kNotRegular), {target.string()});

  fs::path temp;
  if (auto error = WriteTemporary(target, content, exists ? &existing : nullptr, temp)) return error;
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    return Describe(kCannotReplace, target, error);
  }
  SyncFolder(target);
  return std::nullopt;
}

std::optional<std::string> CreateFileAtomically(const std::string& pathText, const std::string& content,
                                                bool& existed) {
  const fs::path target(pathText);
  existed = false;
  fs::path temp;
  if (auto error = WriteTemporary(target, content, nullptr, temp)) return error;
  // A hard link is made only where no file is: two writers never replace each other.
  const int linked = ::link(temp.c_str(), target.c_str());
  const int error = errno;
  ::unlink(temp.c_str());
  if (linked != 0) {
    existed = error == EEXIST;
    return Describe(kCannotCreate, target, error);
  }
  SyncFolder(target);
  return std::nullopt;
}

}  // namespace tonalis
