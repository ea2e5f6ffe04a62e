// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "journal/journal.h"

namespace tonalis {

// A record of `kind` begun now: a unique id, the time in UTC and local time.
JournalRecord NewJournalRecord(const std::string& kind);
// The same at a time of its own (milliseconds since 1970, UTC): a sequence
// heard is kept at the time it began.
JournalRecord NewJournalRecordAt(const std::string& kind, std::int64_t msSinceEpoch);

// The journal's folder beside the history in the settings folder.
std::string JournalFolder(const std::string& settingsFolder);

// A send's result for the journal: completed, stopped or failed.
std::string SendResult(bool completed, bool stopped);

}  // namespace tonalis
