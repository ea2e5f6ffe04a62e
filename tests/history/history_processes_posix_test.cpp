// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

#include "history/history_store.h"
#include "support/test_files.h"

namespace tonalis {
namespace {

TEST(HistoryStore, TwoProcessesWritingAtOnceKeepEveryEntry) {
  testing::TempDir dir;
  // In the same millisecond: the same names, made exclusively.
  HistoryStore shared(dir.file("shared"));
  std::vector<pid_t> writers;
  for (int w = 0; w < 2; ++w) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      for (int i = 0; i < 60; ++i) {
        HistoryEntry e;
        e.timeMs = 1796665023125;
        e.operation = "READ";
        if (shared.add(e)) ::_exit(1);
      }
      ::_exit(0);
    }
    writers.push_back(pid);
  }
  for (const pid_t pid : writers) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  EXPECT_EQ(shared.entries().size(), 120u) << "none replaced another";
}

}  // namespace
}  // namespace tonalis
