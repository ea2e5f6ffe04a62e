// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "storage/atomic_file.h"
#include "storage/file_reading.h"

#include "i18n/text.h"

namespace tonalis {
namespace {

// What went wrong, as marked patterns (plain pointers at namespace scope, as
// lupdate reads them): the path, then the system's reason.
constexpr const char* kCannotCreateIn = TONALIS_TEXT("Cannot create a file in %1: %2");
constexpr const char* kCannotWrite = TONALIS_TEXT("Cannot write %1: %2");
constexpr const char* kCannotResolve = TONALIS_TEXT("Cannot resolve %1: %2");
constexpr const char* kCannotReplace = TONALIS_TEXT("Cannot replace %1: %2");
constexpr const char* kCannotCreate = TONALIS_TEXT("Cannot create %1: %2");
constexpr const char* kNotRegular = TONALIS_TEXT("Cannot write %1: not a regular file");

namespace fs = std::filesystem;

std::string SystemMessage(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                     code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message(text ? text : L"", length);
  if (text) LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L'.'))
    message.pop_back();
  if (message.empty()) return "error " + std::to_string(code);
  return fs::path(message).u8string();
}

std::string Describe(const char* pattern, const fs::path& path, DWORD error) {
  return Fill(Message(pattern), {path.u8string(), SystemMessage(error)});
}

// NUL, COM1, CON and the like: names the file system does not list, which
// open a device wherever they appear.
bool IsDevice(const fs::path& path) {
  HANDLE h = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                         FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  const DWORD type = GetFileType(h);
  CloseHandle(h);
  return type != FILE_TYPE_DISK;
}

bool ProcessIsGone(unsigned long pid) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
  if (process) {
    DWORD code = 0;
    const bool ended = GetExitCodeProcess(process, &code) && code != STILL_ACTIVE;
    CloseHandle(process);
    return ended;
  }
  return GetLastError() == ERROR_INVALID_PARAMETER;
}

// Removes temporary files of `target` left by writers that are gone (a
// process killed between writing and renaming).
void RemoveStaleTemporaries(const fs::path& dir, const fs::path& target) {
  const std::string prefix = "." + target.filename().u8string() + ".tmp-";
  std::error_code ec;
  for (const auto& file : fs::directory_iterator(dir, ec)) {
    const std::string name = file.path().filename().u8string();
    if (name.rfind(prefix, 0) != 0) continue;
    const unsigned long pid = std::strtoul(name.c_str() + prefix.size(), nullptr, 10);
    if (pid > 0 && ProcessIsGone(pid)) fs::remove(file.path(), ec);
  }
}

// Writes `content` to a new temporary file beside `target`, flushed to the
// disk and closed (Windows renames no file that is open); the reason it
// could not be written.
std::optional<std::string> WriteTemporary(const fs::path& target, const std::string& content, fs::path& temp) {
  const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
  RemoveStaleTemporaries(dir, target);
  static std::atomic<unsigned> counter{0};
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
    temp = dir / fs::u8path("." + target.filename().u8string() + ".tmp-" + std::to_string(GetCurrentProcessId()) +
                            "-" + std::to_string(counter++));
    file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS)
      return Describe(kCannotCreateIn, dir, GetLastError());
  }
  if (file == INVALID_HANDLE_VALUE) return Describe(kCannotCreateIn, dir, ERROR_FILE_EXISTS);

  const char* p = content.data();
  std::size_t left = content.size();
  bool ok = true;
  while (ok && left > 0) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(left, 1 << 20));
    ok = WriteFile(file, p, chunk, &written, nullptr) && written > 0;
    p += written;
    left -= written;
  }
  if (ok) ok = FlushFileBuffers(file);
  const DWORD error = ok ? 0 : GetLastError();
  CloseHandle(file);
  if (!ok) {
    DeleteFileW(temp.c_str());
    return Describe(kCannotWrite, target, error);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> WriteFileAtomically(const std::string& pathText, const std::string& content) {
  fs::path target = FilePath(pathText);
  std::error_code ec;
  // Replace what a link points to, not the link itself.
  if (fs::is_symlink(fs::symlink_status(target, ec))) {
    target = fs::weakly_canonical(target, ec);
    if (ec) return Fill(Message(kCannotResolve), {pathText, ec.message()});
  }
  const fs::file_status status = fs::status(target, ec);
  const bool exists = fs::exists(status);
  if (exists && fs::is_directory(status))
    return Fill(Message(kCannotWrite), {target.u8string(), std::strerror(EISDIR)});
  // A device cannot be replaced by a renamed file, and must not be.
  if ((exists && !fs::is_regular_file(status)) || IsDevice(target))
    return Fill(Message(kNotRegular), {target.u8string()});

  fs::path temp;
  if (auto error = WriteTemporary(target, content, temp)) return error;
  // Replaced only once the new content is whole on the disk.
  const bool replaced = MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!replaced) {
    const DWORD error = GetLastError();
    DeleteFileW(temp.c_str());
    return Describe(kCannotReplace, target, error);
  }
  return std::nullopt;
}

std::optional<std::string> CreateFileAtomically(const std::string& pathText, const std::string& content,
                                                bool& existed) {
  const fs::path target = FilePath(pathText);
  existed = false;
  fs::path temp;
  if (auto error = WriteTemporary(target, content, temp)) return error;
  // Without MOVEFILE_REPLACE_EXISTING a file that is there is never replaced:
  // two writers never replace each other.
  if (!MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
    const DWORD error = GetLastError();
    DeleteFileW(temp.c_str());
    existed = error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
    return Describe(kCannotCreate, target, error);
  }
  return std::nullopt;
}

}  // namespace tonalis
