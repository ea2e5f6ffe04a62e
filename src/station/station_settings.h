// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "station/ptt_choice.h"
#include "tone/synthesis.h"

namespace tonalis {

// The station: how this machine reaches the radio. Kept in station.ini in
// the settings folder, beside (never inside) the tool's own settings file.
struct StationSettings {
  std::string outputDevice;  // sound to the radio; empty: the default device
  std::string inputDevice;   // sound from the receiver; empty: the default device
  PttChoice ptt;
  // After each send, listen on the input for the board's Morse reply.
  bool listenForReply = false;
  int listenSeconds = 10;
  // During each send, record the input (a second receiver, or the radio's
  // monitor output) and check what reached the air.
  bool monitorSend = false;
  // The journal shows the Modifier ID and the Checksum ID as '*'.
  bool maskKeys = true;
  // The longest a send may keep the transmitter keyed; 0: no limit.
  int txLimitSeconds = 0;
  // The output's level and twist; the time PTT stays keyed after the sound.
  ToneLevels levels;
  int tailMs = 40;
  // The language the program speaks ("en", "it"); empty: the system's.
  std::string language;
  // The lines of station.ini that could not be read, with why (not stored).
  std::vector<std::string> problems;
  bool operator==(const StationSettings& o) const {
    return outputDevice == o.outputDevice && inputDevice == o.inputDevice && ptt == o.ptt &&
           listenForReply == o.listenForReply && listenSeconds == o.listenSeconds && monitorSend == o.monitorSend && maskKeys == o.maskKeys &&
           txLimitSeconds == o.txLimitSeconds && levels == o.levels && tailMs == o.tailMs && language == o.language;
  }
};

inline constexpr int kMaxTxLimitSeconds = 3600;
inline constexpr int kMaxTailMs = 2000;

inline constexpr const char* kStationFileName = "station.ini";

// Whether station.ini exists in `folder`.
bool StationSettingsExist(const QString& folder);
// What station.ini holds; missing values keep their defaults. A value that
// cannot be read is listed in `problems` with its line; one of the PTT's
// makes the PTT unusable (never another transmitter), any other keeps its
// default.
StationSettings ReadStationSettings(const QString& folder);
// Writes station.ini; the reason when it cannot.
std::optional<std::string> WriteStationSettings(const QString& folder, const StationSettings& settings);

}  // namespace tonalis
