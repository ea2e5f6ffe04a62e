// SPDX-License-Identifier: GPL-3.0-or-later
// Rendering where the process's memory can be limited.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "tone/synthesis.h"

namespace tonalis {
namespace {

TEST(Synthesis, RunningOutOfMemoryIsReported) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
#else
  if (std::getenv("TONALIS_EMULATED"))
    GTEST_SKIP() << "under user-mode emulation the limit falls on the emulator's memory, not the program's";
  // Room for what the process has now and a little more, not for 172 MB.
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_AS, &saved), 0);
  std::ifstream status("/proc/self/status");
  std::string line;
  long sizeKb = 0;
  while (std::getline(status, line))
    if (line.rfind("VmSize:", 0) == 0) sizeKb = std::stol(line.substr(7));
  rlimit tight = saved;
  tight.rlim_cur = static_cast<rlim_t>(sizeKb + 64 * 1024) * 1024;
  ASSERT_EQ(::setrlimit(RLIMIT_AS, &tight), 0);
  const RenderedSequence r = RenderSequence(std::string(1024, '1'), CalcSampleCounts(9.999, 0.999, 1.0));
  ASSERT_EQ(::setrlimit(RLIMIT_AS, &saved), 0);
  EXPECT_EQ(r.count, 0);
  EXPECT_EQ(r.error, "Not enough memory for the sequence: it needs 171 MB.");
#endif
}

}  // namespace
}  // namespace tonalis
