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
  DWORD written = 0;
  const BOOL ok = ::WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  ::CloseHandle(file);
  if (!ok || written != line.size()) return "Cannot write " + path;
  return std::nullopt;
}

}  // namespace tonalis
