// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "i18n/text.h"
#include "station/ptt_choice.h"
#include "tone/send_fields.h"

namespace tonalis {

// One record of the journal: every send, from the window and the command
// line, a line each. A reply or a monitor's verdict heard after the send is a
// record of its own with the send's id, merged into it when read.
struct JournalRecord {
  std::string id;       // unique: the UTC time to the ms and the process
  std::string utc;      // 2026-12-08T07:37:00.123Z
  std::string local;    // 2026-12-08 08:37:00 +01:00
  std::string kind;     // send, command, replacement, ptt-test, test-tone, calibration-tone; reply, monitor;
                        // heard (a sequence heard on the channel, not sent by us)
  std::string what;     // "0123", "command 8: Send Status", "replacement of command 0 by 3456"
  std::string timing;   // "digit 50 ms, gap 50 ms, pause 1000 ms, TX delay 200 ms"
  std::string ptt;      // how the transmitter was keyed: "rts on /dev/ttyS0", "rigctld 127.0.0.1:4532", "none"
  std::string result;   // completed, failed, stopped
  std::string detail;   // the status text: why it failed, the effective time
  std::string reply;    // the board's Morse reply
  std::string monitor;  // what the monitor heard
  bool operator==(const JournalRecord& o) const;
};

// The line a record is kept as (with its newline), and back; nothing for a
// line that is not one (a torn or foreign line is skipped, never fatal).
std::string FormatJournalRecord(const JournalRecord& record);
std::optional<JournalRecord> ParseJournalRecord(const std::string& line);

// The records of a journal's text, oldest first, each reply and monitor
// record merged into the send it belongs to; `skipped` counts the lines that
// are not records.
std::vector<JournalRecord> ReadJournalText(const std::string& text, std::size_t* skipped = nullptr);

// The sequence with the site's keys masked where they stand in a replacement
// (the Modifier ID after the original, and the Checksum ID with the two
// checksum digits that end it) by kKeyMark, which is no DTMF digit; a
// sequence of any other form as it is.
inline constexpr char kKeyMark = 'x';
std::string MaskKeys(const std::string& sequence, const std::string& modifierId, const std::string& checksumId);

// A send's timings and its PTT as a record gives them: "digit 50 ms, gap 50
// ms, pause 1000 ms, TX delay 200 ms"; "RTS of PTT Comm", or "none (PTT not
// enabled)" for a send played without keying.
std::string JournalTiming(const SendTimingTexts& timing);
std::string JournalPtt(bool keyed, const PttChoice& ptt);

// A record's kind or result as people read it, in the language `tx` speaks
// (the records keep them in English, for the programs that read them).
std::string JournalWord(const std::string& word, Translate tx);

// The records as CSV (RFC 4180), a header first.
std::string JournalCsv(const std::vector<JournalRecord>& records);

// The journal's file is rotated past this size; the rotated files are kept
// (a year of daily use is a few MB).
inline constexpr std::uintmax_t kJournalRotateBytes = 4 * 1024 * 1024;
inline constexpr const char* kJournalFileName = "journal.log";

// Appends `record` to the journal in `folder` (made when missing), in one
// write: two processes appending at once lose nothing, and a crash leaves
// no torn line. Rotates the file first when it has grown past the limit.
// The reason when it cannot.
std::optional<std::string> AppendJournalRecord(const std::string& folder, const JournalRecord& record);

// Where an exchange's records go: appended now, or on a thread of its own
// (JournalWriter). A failure is said by the sink's owner.
class JournalSink {
 public:
  virtual ~JournalSink() = default;
  virtual void append(const JournalRecord& record) = 0;
};

// Appends at once, for a process that ends after its one exchange.
class JournalFile : public JournalSink {
 public:
  JournalFile(std::string folder, std::function<void(const std::string&)> failed)
      : folder_(std::move(folder)), failed_(std::move(failed)) {}
  void append(const JournalRecord& record) override {
    if (const auto error = AppendJournalRecord(folder_, record)) failed_(*error);
  }

 private:
  std::string folder_;
  std::function<void(const std::string&)> failed_;
};
// Every record of the journal in `folder`, rotated files included, oldest
// first; `error` says what could not be read (a file that is not an ordinary
// one, lines that are not records).
std::vector<JournalRecord> ReadJournal(const std::string& folder, std::string* error = nullptr);

}  // namespace tonalis
