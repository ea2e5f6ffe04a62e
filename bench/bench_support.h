// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/resource.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tonalis::bench {

// Missing, extra and wrong symbols between what was sent and what was read.
inline std::size_t EditDistance(const std::string& sent, const std::string& read) {
  std::vector<std::size_t> row(read.size() + 1);
  for (std::size_t j = 0; j <= read.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= sent.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= read.size(); ++j) {
      const std::size_t up = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (sent[i - 1] == read[j - 1] ? 0 : 1)});
      diagonal = up;
    }
  }
  return row[read.size()];
}

// The CPU time this process used, in seconds: one core's share.
inline double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec) + static_cast<double>(usage.ru_utime.tv_usec) / 1e6;
}

}  // namespace tonalis::bench
