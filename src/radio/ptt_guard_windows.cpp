// SPDX-License-Identifier: GPL-3.0-or-later
// The guard as a process of its own with the read end of an anonymous pipe:
// when this process ends, however it ends, the system closes the write end.
#include <windows.h>

#include <QString>
#include <vector>

#include "radio/ptt_guard.h"

namespace tonalis {
namespace {

std::string gProgram;
constexpr char kReleased = 'R';

// One argument as the C runtime's parser reads it back.
std::wstring Quoted(const std::wstring& arg) {
  std::wstring out = L"\"";
  std::size_t backslashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    if (c == L'"') backslashes = backslashes * 2 + 1;
    out.append(backslashes, L'\\');
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, L'\\');
  return out + L"\"";
}

std::wstring Wide(const std::string& text) { return QString::fromStdString(text).toStdWString(); }

}  // namespace

void PttGuard::setProgram(const std::string& path) { gProgram = path; }

PttGuard::~PttGuard() { letGo(); }

void PttGuard::letGo() {
  if (pipe_ != -1) CloseHandle(reinterpret_cast<HANDLE>(pipe_));
  pipe_ = -1;
}

bool PttGuard::arm(const PttChoice& choice) {
  if (pipe_ != -1) return true;
  if (gProgram.empty()) return false;
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return false;
  // Only the read end goes to the guard.
  SetHandleInformation(writeEnd, HANDLE_FLAG_INHERIT, 0);
  std::wstring command = Quoted(Wide(gProgram)) + L" ptt-guard " +
                         std::to_wstring(reinterpret_cast<std::uintptr_t>(readEnd));
  for (const auto& word : PttChoiceWords(choice)) command += L" " + Quoted(Wide(word));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  // A group of its own: the console's Ctrl+C reaches the program, not the guard.
  const bool started = CreateProcessW(Wide(gProgram).c_str(), command.data(), nullptr, nullptr, TRUE,
                                      CREATE_NEW_PROCESS_GROUP | CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process);
  CloseHandle(readEnd);
  if (!started) {
    CloseHandle(writeEnd);
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  pipe_ = reinterpret_cast<std::intptr_t>(writeEnd);
  return true;
}

void PttGuard::disarm() {
  if (pipe_ == -1) return;
  DWORD written = 0;
  WriteFile(reinterpret_cast<HANDLE>(pipe_), &kReleased, 1, &written, nullptr);
  CloseHandle(reinterpret_cast<HANDLE>(pipe_));
  pipe_ = -1;
}

int RunPttGuard(std::intptr_t pipe, const PttChoice& choice) {
  const HANDLE handle = reinterpret_cast<HANDLE>(pipe);
  char word = 0;
  DWORD read = 0;
  // Fails with a broken pipe once the program is gone.
  const bool ok = ReadFile(handle, &word, 1, &read, nullptr);
  CloseHandle(handle);
  if (ok && read == 1 && word == kReleased) return 0;
  return ReleaseForGoneOwner(choice);
}

}  // namespace tonalis
