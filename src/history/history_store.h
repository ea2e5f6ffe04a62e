// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "history/history_entry.h"

namespace tonalis {

// The board history: one file per entry in one folder, each written whole
// (a new file renamed into place), readable and diffable by a person.
class HistoryStore {
 public:
  explicit HistoryStore(std::string folder) : folder_(std::move(folder)) {}
  const std::string& folder() const { return folder_; }

  // Every entry, oldest first, read in one pass over the folder. Files that
  // are not entries are left alone; those named as entries that cannot be
  // read are listed in `damaged` (file name, why) when asked for.
  struct Damaged {
    std::string id;
    std::string why;
  };
  std::vector<HistoryEntry> entries(std::vector<Damaged>* damaged = nullptr) const;
  // The entry, or nothing; `why` says what is wrong with a file that is
  // there but is no entry.
  std::optional<HistoryEntry> find(const std::string& id, std::string* why = nullptr) const;
  bool folderExists() const;

  // Stores `entry` (its id is made here, and for a PROGRAM what it changed
  // from the last entry of the same device), then prunes. The reason when the
  // folder cannot be written.
  std::optional<std::string> add(HistoryEntry& entry);

  // Writes `entry` again under its id (an AIR entry a READ confirmed).
  std::optional<std::string> update(const HistoryEntry& entry);
  // A READ settles the AIR entries still waiting for one on its device (or
  // on none known): confirmed when it found their content, otherwise marked
  // as differing (the history shows how, as between any two entries). The
  // entries settled.
  std::vector<HistoryEntry> settleAir(const HistoryEntry& read);

  // The entry before `entry` for the same device, if any.
  std::optional<HistoryEntry> previous(const HistoryEntry& entry) const;
  // The same, in a list entries() made.
  static std::optional<HistoryEntry> PreviousIn(const std::vector<HistoryEntry>& oldestFirst,
                                                const HistoryEntry& entry);

 private:
  std::string folder_;
};

inline constexpr std::size_t kHistoryMaxEntries = 500;
inline constexpr std::int64_t kHistoryMaxAgeMs = 2LL * 366 * 24 * 3600 * 1000;

// The ids pruning removes from `oldestFirst` at `nowMs`: the oldest while
// there are more than `maxEntries`, and every one older than `maxAgeMs`;
// never the last PROGRAM of a (UTC) day, so every day a board was programmed
// keeps what was written to it.
std::vector<std::string> PruneList(const std::vector<HistoryEntry>& oldestFirst, std::int64_t nowMs,
                                   std::size_t maxEntries = kHistoryMaxEntries,
                                   std::int64_t maxAgeMs = kHistoryMaxAgeMs);

// Milliseconds since 1970, UTC, now.
std::int64_t NowMs();

}  // namespace tonalis
