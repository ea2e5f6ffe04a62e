// SPDX-License-Identifier: GPL-3.0-or-later
// The board history at sizes a site reaches: listing the folder (in the
// library and through `tonalis-cli history list`) and storing one more entry,
// which reads the folder once and prunes it.
//   tonalis_history_bench TONALIS_CLI
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "history/history_store.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

double Seconds(Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); }

template <typename F>
double Median(int runs, F&& f) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto t0 = Clock::now();
    f();
    times.push_back(Seconds(t0));
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tonalis;
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s TONALIS_CLI\n", argv[0]);
    return 2;
  }
  const std::string cli = argv[1];
  std::printf("%8s  %12s  %16s  %12s  %s\n", "entries", "list (lib)", "history list", "add one", "lines listed");
  for (int count : {100, 500, 5000}) {
    const fs::path folder = fs::temp_directory_path() / ("tonalis-history-bench-" + std::to_string(count));
    fs::remove_all(folder);
    fs::create_directories(folder);
    // One PROGRAM a day, the last of each day, so pruning keeps them all.
    const std::int64_t start = NowMs() - static_cast<std::int64_t>(count) * 86400000LL;
    for (int i = 0; i < count; ++i) {
      HistoryEntry entry;
      entry.timeMs = start + static_cast<std::int64_t>(i) * 86400000LL;
      entry.id = HistoryIdFor(entry.timeMs);
      entry.operation = "PROGRAM";
      entry.port = "COM1";
      entry.device = "/dev/ttyUSB0";
      entry.banner = "DTMF decoder";
      entry.image.fill(static_cast<std::uint8_t>(i));
      std::ofstream(folder / (entry.id + ".txt"), std::ios::binary) << FormatHistoryEntry(entry);
    }
    const HistoryStore store(folder.string());
    std::size_t listed = 0;
    const double library = Median(5, [&] { listed = store.entries().size(); });
    int lines = 0;
    const std::string command = "'" + cli + "' history list --history-dir '" + folder.string() + "'";
    const double process = Median(3, [&] {
      lines = 0;
      if (FILE* out = ::popen(command.c_str(), "r")) {
        for (int c; (c = std::fgetc(out)) != EOF;) lines += c == '\n';
        ::pclose(out);
      }
    });
    const double add = Median(3, [&] {
      HistoryEntry entry;
      entry.timeMs = NowMs();
      entry.operation = "READ";
      entry.port = "COM1";
      entry.device = "/dev/ttyUSB0";
      HistoryStore(folder.string()).add(entry);
    });
    std::printf("%8d  %10.3f s  %14.3f s  %10.3f s  %d (%zu read)\n", count, library, process, add, lines, listed);
    fs::remove_all(folder);
  }
  return 0;
}
