// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_store.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "history/differences.h"
#include "storage/atomic_file.h"

namespace tonalis {
namespace {

namespace fs = std::filesystem;
constexpr const char* kSuffix = ".txt";
constexpr std::int64_t kDayMs = 24LL * 3600 * 1000;
// An entry is a few kilobytes; anything much larger is not one.
constexpr std::uintmax_t kMaxEntryBytes = 64 * 1024;

std::optional<HistoryEntry> ReadEntry(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec) || fs::file_size(path, ec) > kMaxEntryBytes) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return ParseHistoryEntry(text.str());
}

bool SameDevice(const HistoryEntry& a, const HistoryEntry& b) {
  return a.device.empty() && b.device.empty() ? a.port == b.port : a.device == b.device;
}

}  // namespace

std::int64_t NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

std::vector<HistoryEntry> HistoryStore::entries() const {
  std::vector<HistoryEntry> list;
  std::error_code ec;
  for (const auto& file : fs::directory_iterator(folder_, ec)) {
    if (file.path().extension() != kSuffix) continue;
    if (auto entry = ReadEntry(file.path())) list.push_back(std::move(*entry));
  }
  std::sort(list.begin(), list.end(), [](const HistoryEntry& a, const HistoryEntry& b) {
    return a.timeMs != b.timeMs ? a.timeMs < b.timeMs : a.id < b.id;
  });
  return list;
}

std::optional<HistoryEntry> HistoryStore::find(const std::string& id) const {
  if (id.empty() || id.find('/') != std::string::npos) return std::nullopt;
  return ReadEntry(fs::path(folder_) / (id + kSuffix));
}

std::optional<HistoryEntry> HistoryStore::previous(const HistoryEntry& entry) const {
  std::optional<HistoryEntry> found;
  for (auto& e : entries()) {
    if (e.timeMs > entry.timeMs || (e.timeMs == entry.timeMs && e.id >= entry.id)) break;
    if (SameDevice(e, entry)) found = std::move(e);
  }
  return found;
}

std::optional<std::string> HistoryStore::add(HistoryEntry& entry) {
  std::error_code ec;
  fs::create_directories(folder_, ec);
  if (ec) return "Cannot make the folder " + folder_ + ": " + ec.message();
  const std::string base = HistoryIdFor(entry.timeMs);
  entry.id = base;
  for (int n = 2; fs::exists(fs::path(folder_) / (entry.id + kSuffix), ec); ++n) entry.id = base + "-" + std::to_string(n);
  if (entry.isProgram()) {
    if (const auto before = previous(entry)) {
      entry.changes = ImageDifferences(before->image, entry.image);
      entry.previousKnown = true;
    }
  }
  if (auto error = WriteFileAtomically((fs::path(folder_) / (entry.id + kSuffix)).string(), FormatHistoryEntry(entry)))
    return error;
  for (const std::string& id : PruneList(entries(), entry.timeMs)) fs::remove(fs::path(folder_) / (id + kSuffix), ec);
  return std::nullopt;
}

std::vector<std::string> PruneList(const std::vector<HistoryEntry>& oldestFirst, std::int64_t nowMs,
                                   std::size_t maxEntries, std::int64_t maxAgeMs) {
  // The last PROGRAM of each day stays: what was written to a board that day.
  std::map<std::int64_t, std::size_t> lastOfProgramDay;
  for (std::size_t i = 0; i < oldestFirst.size(); ++i)
    if (oldestFirst[i].isProgram()) lastOfProgramDay[oldestFirst[i].timeMs / kDayMs] = i;
  std::set<std::size_t> kept;
  for (const auto& [day, index] : lastOfProgramDay) kept.insert(index);

  std::vector<std::string> removed;
  std::size_t left = oldestFirst.size();
  for (std::size_t i = 0; i < oldestFirst.size(); ++i) {
    if (kept.count(i)) continue;
    const bool tooMany = left > maxEntries;
    const bool tooOld = nowMs - oldestFirst[i].timeMs > maxAgeMs;
    if (!tooMany && !tooOld) continue;
    removed.push_back(oldestFirst[i].id);
    --left;
  }
  return removed;
}

}  // namespace tonalis
