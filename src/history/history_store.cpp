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
#include "i18n/text.h"
#include "storage/atomic_file.h"
#include "storage/file_reading.h"

namespace tonalis {
namespace {

constexpr const char* kNotAnEntry = TONALIS_TEXT("not a history entry (damaged, or cut short)");
constexpr const char* kCannotMakeFolder = TONALIS_TEXT("Cannot make the folder %1: %2");

namespace fs = std::filesystem;
constexpr const char* kSuffix = ".txt";
constexpr std::int64_t kDayMs = 24LL * 3600 * 1000;
// An entry is a few kilobytes; anything much larger is not one.
constexpr std::uintmax_t kMaxEntryBytes = 64 * 1024;

// An entry, or why the file is not one. The file's name is the entry's id.
std::optional<HistoryEntry> ReadEntry(const fs::path& path, std::string* why = nullptr) {
  std::string text;
  if (auto problem = ReadSmallFile(path.string(), kMaxEntryBytes, text)) {
    if (why) *why = *problem;
    return std::nullopt;
  }
  auto entry = ParseHistoryEntry(text);
  if (!entry) {
    if (why) *why = Message(kNotAnEntry);
    return std::nullopt;
  }
  entry->id = path.stem().string();
  return entry;
}

bool SameDevice(const HistoryEntry& a, const HistoryEntry& b) {
  return a.device.empty() && b.device.empty() ? a.port == b.port : a.device == b.device;
}

}  // namespace

std::int64_t NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

std::vector<HistoryEntry> HistoryStore::entries(std::vector<Damaged>* damaged) const {
  std::vector<HistoryEntry> list;
  std::error_code ec;
  for (const auto& file : fs::directory_iterator(folder_, ec)) {
    const std::string name = file.path().filename().string();
    if (file.path().extension() != kSuffix || name[0] == '.') continue;
    std::string why;
    if (auto entry = ReadEntry(file.path(), &why))
      list.push_back(std::move(*entry));
    else if (damaged)
      damaged->push_back({file.path().stem().string(), why});
  }
  if (damaged)
    std::sort(damaged->begin(), damaged->end(), [](const Damaged& a, const Damaged& b) { return a.id < b.id; });
  std::sort(list.begin(), list.end(), [](const HistoryEntry& a, const HistoryEntry& b) {
    return a.timeMs != b.timeMs ? a.timeMs < b.timeMs : a.id < b.id;
  });
  return list;
}

std::optional<HistoryEntry> HistoryStore::find(const std::string& id, std::string* why) const {
  if (id.empty() || id.find('/') != std::string::npos || id[0] == '.') return std::nullopt;
  const fs::path path = fs::path(folder_) / (id + kSuffix);
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(path, ec))) return std::nullopt;
  return ReadEntry(path, why);
}

bool HistoryStore::folderExists() const {
  std::error_code ec;
  return fs::is_directory(folder_, ec);
}

std::optional<HistoryEntry> HistoryStore::previous(const HistoryEntry& entry) const {
  return PreviousIn(entries(), entry);
}

std::optional<HistoryEntry> HistoryStore::PreviousIn(const std::vector<HistoryEntry>& oldestFirst,
                                                     const HistoryEntry& entry) {
  std::optional<HistoryEntry> found;
  for (const auto& e : oldestFirst) {
    if (e.timeMs > entry.timeMs || (e.timeMs == entry.timeMs && e.id >= entry.id)) break;
    if (SameDevice(e, entry)) found = e;
  }
  return found;
}

std::optional<std::string> HistoryStore::add(HistoryEntry& entry) {
  std::error_code ec;
  fs::create_directories(folder_, ec);
  if (ec) return Fill(Message(kCannotMakeFolder), {folder_, ec.message()});
  const std::string base = HistoryIdFor(entry.timeMs);
  std::vector<HistoryEntry> all = entries();
  auto idFor = [&base](int n) { return n == 1 ? base : base + "-" + std::to_string(n); };
  int n = 1;
  while (fs::exists(fs::path(folder_) / (idFor(n) + kSuffix), ec)) ++n;
  entry.id = idFor(n);
  if (entry.isProgram() || entry.isAir()) {
    if (const auto before = PreviousIn(all, entry)) {
      entry.changes = ImageDifferences(before->image, entry.image);
      entry.previousKnown = true;
    }
  }
  // Created, never put in place of another: two processes that end in the
  // same millisecond each keep their entry.
  for (;; ++n) {
    entry.id = idFor(n);
    bool existed = false;
    const auto error = CreateFileAtomically((fs::path(folder_) / (entry.id + kSuffix)).string(),
                                            FormatHistoryEntry(entry), existed);
    if (!error) break;
    if (!existed || n >= 1000) return error;
  }
  all.push_back(entry);
  std::sort(all.begin(), all.end(), [](const HistoryEntry& a, const HistoryEntry& b) {
    return a.timeMs != b.timeMs ? a.timeMs < b.timeMs : a.id < b.id;
  });
  for (const std::string& id : PruneList(all, entry.timeMs)) fs::remove(fs::path(folder_) / (id + kSuffix), ec);
  return std::nullopt;
}

std::optional<std::string> HistoryStore::update(const HistoryEntry& entry) {
  return WriteFileAtomically((fs::path(folder_) / (entry.id + kSuffix)).string(), FormatHistoryEntry(entry));
}

std::vector<HistoryEntry> HistoryStore::settleAir(const HistoryEntry& read) {
  std::vector<HistoryEntry> settled;
  for (HistoryEntry e : entries()) {
    if (!e.isAir() || e.air != kAirSent || e.timeMs > read.timeMs) continue;
    if (!e.device.empty() && e.device != read.device) continue;
    e.air = e.image == read.image ? AirConfirmedBy(read.id) : AirDiffersIn(read.id);
    if (!update(e)) settled.push_back(e);
  }
  return settled;
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
    // Compared without a subtraction that a hostile time could overflow.
    const bool tooOld = oldestFirst[i].timeMs < nowMs - maxAgeMs;
    if (!tooMany && !tooOld) continue;
    removed.push_back(oldestFirst[i].id);
    --left;
  }
  return removed;
}

}  // namespace tonalis
