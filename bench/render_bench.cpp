// SPDX-License-Identifier: GPL-3.0-or-later
// Rendering speed and memory of the DTMF synthesis: a typical sequence and
// the longest one the Send fields allow.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tone/synthesis.h"

namespace {

using Clock = std::chrono::steady_clock;

long PeakResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

double Seconds(Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); }

}  // namespace

int main() {
  using namespace tonalis;

  // 32 digits at 50 ms with 50 ms gaps.
  const std::string typical = "0123456789*#ABCD0123456789*#ABCD";
  const SampleCounts typicalCounts = CalcSampleCounts(0.050, 0.050, 1.0);
  std::vector<double> runs;
  for (int i = 0; i < 200; ++i) {
    const auto t0 = Clock::now();
    const RenderedSequence r = RenderSequence(typical, typicalCounts);
    runs.push_back(Seconds(t0) * 1000);
  }
  std::sort(runs.begin(), runs.end());
  std::printf("typical: 32 digits 50/50 ms, %lld samples: median %.3f ms, worst %.3f ms\n",
              static_cast<long long>(SequenceSampleCount(typical, typicalCounts)), runs[runs.size() / 2], runs.back());

  // 1024 digits of 9999 ms with 999 ms gaps: the longest the fields allow.
  const std::string longest(1024, '1');
  const SampleCounts longestCounts = CalcSampleCounts(9.999, 0.999, 1.0);
  const long before = PeakResidentKb();
  const auto t0 = Clock::now();
  RenderedSequence r = RenderSequence(longest, longestCounts);
  const double elapsed = Seconds(t0);
  const long after = PeakResidentKb();
  const double bufferMb = static_cast<double>(r.count) * 2 / (1024 * 1024);
  std::printf("longest: %lld samples (%.1f s of sound), %.0f MB buffer: rendered in %.3f s on all cores\n",
              static_cast<long long>(r.count), static_cast<double>(r.count) / 8000, bufferMb, elapsed);
  std::printf("peak memory: %.1f MB before, %.1f MB after: %.1f MB added for a %.1f MB buffer (+%.1f%%)\n",
              before / 1024.0, after / 1024.0, (after - before) / 1024.0, bufferMb,
              ((after - before) / 1024.0 / bufferMb - 1) * 100);
  r = RenderedSequence{};

  const auto t1 = Clock::now();
  r = RenderSequence(longest, longestCounts, 1);
  std::printf("longest on one thread: %.3f s\n", Seconds(t1));
  return 0;
}
