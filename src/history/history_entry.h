// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "config/decoder_image.h"

namespace tonalis {

// One board content the tool saw (READ) or wrote and verified (PROGRAM).
struct HistoryEntry {
  std::string id;           // a short token without spaces; also the file's name
  std::int64_t timeMs = 0;  // UTC, milliseconds since 1970
  std::string operation;    // "READ" or "PROGRAM"
  std::string port;         // "COM3", or the device path the command line was given
  std::string device;       // the device opened
  std::string banner;       // the board's banner
  std::string file;         // the configuration file named in the caption then; may be empty
  DecoderImage image{};     // the exact 192 bytes
  // For a PROGRAM: what it changed from the board's previous content in this
  // history (the last entry for the same device); empty when none is known.
  std::vector<std::string> changes;
  bool previousKnown = false;

  bool isProgram() const { return operation == "PROGRAM"; }
};

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
