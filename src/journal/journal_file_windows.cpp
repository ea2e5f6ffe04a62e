// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include <optional>
#include <string>

#include "storage/file_reading.h"

namespace tonalis {

std::optional<std::string> AppendLineToFile(const std::string& path, const std::string& line) {
  // Append access only: each WriteFile goes to the end of the file as a whole.
  HANDLE file = ::CreateFileW(FilePath(path).wstring().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE |
                              FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "Cannot open " + path + " (error " + std::to_string(::GetLastError()) + ")";
  if (::GetFileType(file) != FILE_TYPE_DISK) {
    ::CloseHandle(file);
    return "Cannot write " + path + ": it is not an ordinary file";
  }
  DWORD written = 0;
  const BOOL ok = ::WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  ::CloseHandle(file);
  if (!ok || written != line.size()) return "Cannot write " + path;
  return std::nullopt;
}

enum class RenameResult { kDone, kTargetExists, kFailed };

RenameResult RenameWithoutReplacing(const std::string& from, const std::string& to) {
  // Without MOVEFILE_REPLACE_EXISTING the move fails when the target exists.
  if (::MoveFileExW(FilePath(from).wstring().c_str(), FilePath(to).wstring().c_str(), 0)) return RenameResult::kDone;
  const DWORD error = ::GetLastError();
  return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? RenameResult::kTargetExists
                                                                      : RenameResult::kFailed;
}

}  // namespace tonalis
