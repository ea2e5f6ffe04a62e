// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <vector>

#include "radio/ptt_guard.h"

namespace tonalis {
namespace {

std::string gProgram;
constexpr char kReleased = 'R';

}  // namespace

void PttGuard::setProgram(const std::string& path) { gProgram = path; }

PttGuard::~PttGuard() { letGo(); }

void PttGuard::letGo() {
  if (pipe_ >= 0) ::close(static_cast<int>(pipe_));
  pipe_ = -1;
}

bool PttGuard::arm(const PttChoice& choice) {
  if (pipe_ >= 0) return true;
  if (gProgram.empty() || ::access(gProgram.c_str(), X_OK) != 0) return false;
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return false;
  // Everything the child needs is made before the fork: after it, only calls
  // that are safe in a copy of a threaded process.
  std::vector<std::string> args = {gProgram, "ptt-guard", "3"};
  for (auto& a : PttChoiceWords(choice)) args.push_back(a);
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  const pid_t child = ::fork();
  if (child < 0) {
    ::close(fds[0]);
    ::close(fds[1]);
    return false;
  }
  if (child == 0) {
    // Twice, so that the guard is nobody's child here and needs no reaping.
    if (::fork() != 0) ::_exit(0);
    ::setsid();  // a terminal's Ctrl+C or hang-up reaches the program, not the guard
    if (::dup2(fds[0], 3) < 0) ::_exit(127);
    ::syscall(SYS_close_range, 4u, ~0u, 0u);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(fds[0]);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  pipe_ = fds[1];
  return true;
}

void PttGuard::disarm() {
  if (pipe_ < 0) return;
  [[maybe_unused]] const ssize_t n = ::write(static_cast<int>(pipe_), &kReleased, 1);
  ::close(static_cast<int>(pipe_));
  pipe_ = -1;
}

int RunPttGuard(std::intptr_t pipe, const PttChoice& choice) {
  const int fd = static_cast<int>(pipe);
  std::signal(SIGPIPE, SIG_IGN);
  char word = 0;
  ssize_t n;
  do {
    n = ::read(fd, &word, 1);
  } while (n < 0 && errno == EINTR);
  ::close(fd);
  if (n == 1 && word == kReleased) return 0;

  return ReleaseForGoneOwner(choice);
}

}  // namespace tonalis
