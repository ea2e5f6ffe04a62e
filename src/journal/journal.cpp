// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/journal.h"

#include <algorithm>
#include <filesystem>
#include <cstdlib>
#include <map>
#include <system_error>

#include "i18n/text.h"
#include "storage/file_reading.h"

namespace tonalis {
namespace {
constexpr const char* kSkippedLines = TONALIS_TEXT("%1 lines of the journal are not records and were left out.");
// The kinds and results of records, as people read them.
constexpr const char* kWords[] = {
    TONALIS_TEXT("send"),      TONALIS_TEXT("command"),   TONALIS_TEXT("replacement"),
    TONALIS_TEXT("ptt-test"),  TONALIS_TEXT("test-tone"), TONALIS_TEXT("calibration-tone"),
    TONALIS_TEXT("completed"), TONALIS_TEXT("failed"),    TONALIS_TEXT("stopped"),
    TONALIS_TEXT("heard"),
};
}  // namespace

// Appends `line` to the file at `path` in one write (POSIX O_APPEND, or
// Windows' append access): platform files.
std::optional<std::string> AppendLineToFile(const std::string& path, const std::string& line);

// Renames `from` to `to` unless `to` exists: platform files.
enum class RenameResult { kDone, kTargetExists, kFailed };
RenameResult RenameWithoutReplacing(const std::string& from, const std::string& to);

namespace {

constexpr const char* kVersion = "tonalis-journal-1";
// A file is rotated past 4 MB: one far larger is not a journal's.
constexpr std::uintmax_t kMaxRead = 64u * 1024 * 1024;

std::vector<std::string JournalRecord::*> Fields() {
  return {&JournalRecord::id,     &JournalRecord::utc,    &JournalRecord::local,  &JournalRecord::kind,
          &JournalRecord::what,   &JournalRecord::timing, &JournalRecord::ptt,    &JournalRecord::result,
          &JournalRecord::detail, &JournalRecord::reply,  &JournalRecord::monitor};
}

std::string Escape(const std::string& s) {
  std::string out;
  for (char c : s) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
  return out;
}

std::optional<std::string> Unescape(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\\') {
      out += s[i];
      continue;
    }
    if (++i == s.size()) return std::nullopt;
    switch (s[i]) {
      case '\\': out += '\\'; break;
      case 't': out += '\t'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      default: return std::nullopt;
    }
  }
  return out;
}

std::string CsvField(const std::string& s) {
  if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
  std::string out = "\"";
  for (char c : s) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

}  // namespace

bool JournalRecord::operator==(const JournalRecord& o) const {
  for (auto field : Fields())
    if (this->*field != o.*field) return false;
  return true;
}

std::string FormatJournalRecord(const JournalRecord& record) {
  std::string line = kVersion;
  for (auto field : Fields()) line += "\t" + Escape(record.*field);
  return line + "\n";
}

std::optional<JournalRecord> ParseJournalRecord(const std::string& text) {
  std::string line = text;
  if (!line.empty() && line.back() == '\n') line.pop_back();
  if (!line.empty() && line.back() == '\r') line.pop_back();
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (std::size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1)
    parts.push_back(line.substr(from, tab - from));
  parts.push_back(line.substr(from));
  const auto fields = Fields();
  if (parts.size() != fields.size() + 1 || parts[0] != kVersion) return std::nullopt;
  JournalRecord record;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    auto value = Unescape(parts[i + 1]);
    if (!value) return std::nullopt;
    record.*fields[i] = *value;
  }
  if (record.id.empty()) return std::nullopt;
  return record;
}

std::vector<JournalRecord> ReadJournalText(const std::string& text, std::size_t* skipped) {
  std::vector<JournalRecord> out;
  std::map<std::string, std::size_t> byId;
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t end = text.find('\n', from);
    // A last line without its newline was being written: not a record yet.
    if (end == std::string::npos) break;
    const std::string line = text.substr(from, end - from);
    auto record = ParseJournalRecord(line);
    // A write cut short (the process killed in it) and the next record appended
    // after it: the record starts at the last mark (a field never holds a tab).
    const auto mark = line.rfind(std::string(kVersion) + "\t");
    if (!record && mark != std::string::npos && mark > 0) record = ParseJournalRecord(line.substr(mark));
    from = end + 1;
    if (!record) {
      if (skipped && !line.empty()) ++*skipped;
      continue;
    }
    const bool after = record->kind == "reply" || record->kind == "monitor";
    const auto known = byId.find(record->id);
    if (after && known != byId.end()) {
      JournalRecord& send = out[known->second];
      if (record->kind == "reply") send.reply = record->reply;
      if (record->kind == "monitor") send.monitor = record->monitor;
      continue;
    }
    if (after) continue;  // its send is in a file no longer kept
    byId[record->id] = out.size();
    out.push_back(*record);
  }
  return out;
}

std::string MaskKeys(const std::string& sequence, const std::string& modifierId, const std::string& checksumId) {
  // Only a replacement holds the keys, at its known places: Original (one
  // digit or more), Modifier ID, New, then the Checksum ID and two checksum
  // digits at the end. Anywhere else the same digits are just digits.
  constexpr std::size_t kTail = 3;
  if (modifierId.empty() || checksumId.size() != 1 || sequence.size() < 1 + modifierId.size() + 1 + kTail ||
      sequence[sequence.size() - kTail] != checksumId[0])
    return sequence;
  const std::size_t at = sequence.find(modifierId, 1);
  if (at == std::string::npos || at + modifierId.size() >= sequence.size() - kTail) return sequence;
  std::string out = sequence;
  std::fill(out.begin() + static_cast<long>(at), out.begin() + static_cast<long>(at + modifierId.size()), kKeyMark);
  std::fill(out.end() - static_cast<long>(kTail), out.end(), kKeyMark);
  return out;
}

std::string JournalTiming(const SendTimingTexts& t) {
  return "digit " + t.digitMs + " ms, gap " + t.gapMs + " ms, pause " + t.pauseMs + " ms, TX delay " + t.txDelayMs +
         " ms";
}

std::string JournalPtt(bool keyed, const PttChoice& ptt) { return keyed ? DescribePtt(ptt) : "none (PTT not enabled)"; }

std::string JournalWord(const std::string& word, Translate tx) {
  for (const char* known : kWords)
    if (word == known) return tx(known);
  return word;
}

std::string JournalCsv(const std::vector<JournalRecord>& records) {
  std::string out = "utc,local,kind,what,timing,ptt,result,detail,reply,monitor\r\n";
  for (const auto& r : records) {
    const std::string row[] = {r.utc, r.local, r.kind, r.what, r.timing, r.ptt, r.result, r.detail, r.reply, r.monitor};
    std::string line;
    for (const auto& field : row) line += (line.empty() ? "" : ",") + CsvField(field);
    out += line + "\r\n";
  }
  return out;
}

std::optional<std::string> AppendJournalRecord(const std::string& folder, const JournalRecord& record) {
  std::error_code error;
  std::filesystem::create_directories(FilePath(folder), error);
  const std::filesystem::path path = FilePath(folder) / kJournalFileName;
  const auto size = std::filesystem::file_size(path, error);
  if (!error && size >= kJournalRotateBytes) {
    // Kept under the time of its rotation, never over an earlier rotated file
    // (two rotations in one second, a clock set back): journal-TIME_2.log and
    // on. A process that still appends to the old name a moment later appends
    // to the rotated file, losing nothing.
    std::string stamp = record.utc.substr(0, 19);
    std::replace(stamp.begin(), stamp.end(), ':', '-');
    for (int n = 1;; ++n) {
      const std::string name = "journal-" + stamp + (n > 1 ? "_" + std::to_string(n) : "") + ".log";
      if (RenameWithoutReplacing(path.u8string(), (FilePath(folder) / name).u8string()) !=
          RenameResult::kTargetExists)
        break;  // done, or another process rotated it first
    }
  }
  return AppendLineToFile(path.u8string(), FormatJournalRecord(record));
}

namespace {

// A rotated file's time and its number within that time (journal-TIME_N.log).
std::pair<std::string, long> RotatedOrder(const std::filesystem::path& file) {
  std::string name = file.filename().u8string();
  name = name.substr(8, name.size() - 12);
  const auto mark = name.rfind('_');
  if (mark == std::string::npos || mark + 1 == name.size() ||
      name.find_first_not_of("0123456789", mark + 1) != std::string::npos)
    return {name, 1};
  return {name.substr(0, mark), std::atol(name.c_str() + mark + 1)};
}

}  // namespace

std::vector<JournalRecord> ReadJournal(const std::string& folder, std::string* error) {
  std::vector<std::filesystem::path> files;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(FilePath(folder), ec)) {
    const std::string name = entry.path().filename().u8string();
    if (name.rfind("journal-", 0) == 0 && name.size() >= 12 && name.substr(name.size() - 4) == ".log")
      files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return RotatedOrder(a) < RotatedOrder(b); });
  files.push_back(FilePath(folder) / kJournalFileName);
  std::string all;
  for (const auto& file : files) {
    std::string content;
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, ec))) continue;
    if (const auto why = ReadSmallFile(file.u8string(), kMaxRead, content)) {
      if (error) *error = *why;
      continue;
    }
    // A torn last line (a crash mid-write on another system) ends with the file.
    if (!content.empty() && content.back() != '\n') content += '\n';
    all += content;
  }
  std::size_t skipped = 0;
  auto records = ReadJournalText(all, &skipped);
  if (skipped > 0 && error && error->empty()) *error = Fill(Message(kSkippedLines), {std::to_string(skipped)});
  return records;
}

}  // namespace tonalis
