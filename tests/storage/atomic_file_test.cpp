// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/atomic_file.h"

#include <gtest/gtest.h>

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

  // A name beyond ASCII, as an Italian operator gives one.
  const std::string accented = dir.file("citt\u00e0 \u00e8.prg");
  EXPECT_FALSE(WriteFileAtomically(accented, "x"));
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::u8path(accented)));
  EXPECT_EQ(ReadAll(accented), "x");
}

TEST(AtomicFile, RefusesWhatItCannotReplace) {
  TempDir dir;
  const std::pair<std::string, const char*> cases[] = {
      {dir.file("missing/a.prg"), "Cannot create a file in"},
      {dir.path().string(), "Is a directory"},
      {testing::kNullDevice, "not a regular file"},
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
  for (int n = 0; n < 2000; ++n) {
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

}  // namespace
}  // namespace tonalis
