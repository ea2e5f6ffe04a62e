// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <string>

#include "station/ptt_choice.h"

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
  bool operator==(const StationSettings& o) const {
    return outputDevice == o.outputDevice && inputDevice == o.inputDevice && ptt == o.ptt &&
           listenForReply == o.listenForReply && listenSeconds == o.listenSeconds;
  }
};

inline constexpr const char* kStationFileName = "station.ini";

// Whether station.ini exists in `folder`.
bool StationSettingsExist(const QString& folder);
// What station.ini holds; missing or unreadable values keep their defaults.
StationSettings ReadStationSettings(const QString& folder);
// Writes station.ini; the reason when it cannot.
std::optional<std::string> WriteStationSettings(const QString& folder, const StationSettings& settings);

}  // namespace tonalis
