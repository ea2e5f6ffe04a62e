// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a file where another program may hold it open.
#include <windows.h>

#include <gtest/gtest.h>

#include "storage/atomic_file.h"
#include "storage/file_reading.h"
#include "support/test_files.h"

namespace tonalis {
namespace {

TEST(AtomicFile, AFileAnotherProgramHoldsIsLeftAsItWas) {
  testing::TempDir dir;
  const std::string path = dir.file("a.prg");
  testing::WriteAll(path, "old");
  // As an editor holds it: others may read and write, not remove or rename.
  HANDLE held = CreateFileW(FilePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const auto error = WriteFileAtomically(path, "new");
  CloseHandle(held);
  ASSERT_TRUE(error);
  EXPECT_NE(error->find("Cannot replace"), std::string::npos) << *error;
  EXPECT_EQ(testing::ReadAll(path), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "no temporary file left";
  EXPECT_FALSE(WriteFileAtomically(path, "new")) << "once it is let go";
  EXPECT_EQ(testing::ReadAll(path), "new");
}

}  // namespace
}  // namespace tonalis
