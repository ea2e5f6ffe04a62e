// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "support/test_files.h"

namespace tonalis {
namespace {

using testing::ReadAll;
using testing::TempDir;
using testing::WriteAll;

std::size_t EntriesIn(const std::filesystem::path& dir) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir), {}));
}

TEST(AtomicFile, CreatesAndReplaces) {
  TempDir dir;
  const std::string path = dir.file("a.prg");
  EXPECT_FALSE(WriteFileAtomically(path, "first"));
  EXPECT_EQ(ReadAll(path), "first");
  EXPECT_FALSE(WriteFileAtomically(path, "second, shorter"));
  EXPECT_EQ(ReadAll(path), "second, shorter");
  EXPECT_FALSE(WriteFileAtomically(path, ""));
  EXPECT_EQ(ReadAll(path), "");
  EXPECT_EQ(EntriesIn(dir.path()), 1u) << "no temporary file is left behind";
}

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

TEST(AtomicFile, RefusesWhatItCannotReplace) {
  TempDir dir;
  const std::pair<std::string, const char*> cases[] = {
      {dir.file("missing/a.prg"), "Cannot create a file in"},
      {dir.path().string(), "Is a directory"},
      {"/dev/null", "not a regular file"},
  };
  for (const auto& [path, part] : cases) {
    const auto error = WriteFileAtomically(path, "x");
    ASSERT_TRUE(error) << path;
    EXPECT_NE(error->find(part), std::string::npos) << *error;
  }
}

TEST(AtomicFile, ATemporaryNameInUseIsNotAFailure) {
  TempDir dir;
  const std::string path = dir.file("a.prg");
  // Leftovers of earlier runs on most of the names this process may pick
  // next: every name but one in fifty is taken.
  const std::string prefix = ".a.prg.tmp-" + std::to_string(::getpid()) + "-";
  std::size_t taken = 0;
  for (int n = 0; n < 5000; ++n) {
    if (n % 50 == 0) continue;
    WriteAll(dir.file(prefix + std::to_string(n)), "leftover");
    ++taken;
  }
  for (const char* content : {"first", "second"}) {
    const auto error = WriteFileAtomically(path, content);
    EXPECT_FALSE(error) << *error;
    EXPECT_EQ(ReadAll(path), content);
  }
  EXPECT_EQ(EntriesIn(dir.path()), taken + 1) << "the leftovers are left alone";
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
  EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

}  // namespace
}  // namespace tonalis
