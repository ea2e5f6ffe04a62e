// SPDX-License-Identifier: GPL-3.0-or-later
// What replacing a file keeps and survives where files have POSIX modes,
// links and size limits.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "storage/atomic_file.h"
#include "support/test_files.h"

namespace tonalis {
namespace {

using testing::ReadAll;
using testing::TempDir;
using testing::WriteAll;

TEST(AtomicFile, KeepsPermissionsAndWritesThroughLinks) {
  TempDir dir;
  const std::string path = dir.file("a.prg");
  WriteAll(path, "old");
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  const std::string link = dir.file("link.prg");
  std::filesystem::create_symlink(path, link);

  EXPECT_FALSE(WriteFileAtomically(link, "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadAll(path), "new");
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(AtomicFile, AFailedWriteLeavesTheOldFileIntact) {
  TempDir dir;
  const std::string path = dir.file("a.prg");
  const std::string old(4000, 'o');
  WriteAll(path, old);

  // A file-size limit makes the write fail part-way, as a full disk does,
  // even for root.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 1024;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const auto error = WriteFileAtomically(path, std::string(8000, 'n'));
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &saved), 0);

  ASSERT_TRUE(error);
  EXPECT_NE(error->find("Cannot write"), std::string::npos) << *error;
  EXPECT_EQ(ReadAll(path), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace tonalis
