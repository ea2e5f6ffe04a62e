// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "i18n/text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "config/decoder_image.h"

namespace tonalis {

// One board content the tool saw (READ) or wrote and verified (PROGRAM),
// or that a replacement sent over the air should have left (AIR).
struct HistoryEntry {
  std::string id;           // a short token without spaces; also the file's name
  std::int64_t timeMs = 0;  // UTC, milliseconds since 1970
  std::string operation;    // "READ", "PROGRAM" or "AIR"
  std::string port;         // "COM3", or the device path the command line was given
  std::string device;       // the device opened
  std::string banner;       // the board's banner
  std::string file;         // the configuration file named in the caption then; may be empty
  DecoderImage image{};     // the exact 192 bytes
  // For a PROGRAM: what it changed from the board's previous content in this
  // history (the last entry for the same device); empty when none is known.
  std::vector<std::string> changes;
  bool previousKnown = false;
  // For an AIR entry: kAirSent until a READ of the board says otherwise.
  std::string air;

  bool isProgram() const { return operation == "PROGRAM"; }
  bool isAir() const { return operation == "AIR"; }
};

inline constexpr const char* kAirSent = "sent over the air, not read back";
// After an entry's file name: the fields had moved on from the file.
inline constexpr const char* kModifiedMark = " (modified)";
// What a later READ said of an AIR entry.
std::string AirConfirmedBy(const std::string& readId);  // "confirmed by READ <id>"
std::string AirDiffersIn(const std::string& readId);    // "READ <id> differs"
// An AIR entry's state for people: the READ named by its time, in the
// language `tx` speaks ("confirmed by the READ of 2026-12-08 23:39:47").
std::string AirStatusText(const std::string& air, Translate tx = Untranslated);

// The content an over-the-air replacement of command `command` by `digits`
// leaves on a board that held `before`: the AIR entry's image.
DecoderImage ImageAfterReplacement(const DecoderImage& before, int command, const std::string& digits);

// "20261207T172600.123Z": the entry's time as an id; sorts as time does.
std::string HistoryIdFor(std::int64_t timeMs);

// The file: `key: value` lines, the image in hex, then the configuration as a
// .prg holds it, for a person reading or diffing it. The hex is what counts.
std::string FormatHistoryEntry(const HistoryEntry& entry);
// Nothing when the text is not an entry (the reason in `error`).
std::optional<HistoryEntry> ParseHistoryEntry(const std::string& text, std::string* error = nullptr);

// Local time as "2026-12-07 18:26:00".
std::string LocalTimeText(std::int64_t timeMs);

// The "Prg Comm" a .prg made from an entry names: the entry's port number
// ("3" for COM3), or "1" for a port known only by its device path.
std::string PrgCommForPort(const std::string& port);

}  // namespace tonalis
