// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "config/decoder_config.h"

namespace tonalis {

// What the site crew's command card says: the configuration's name, each
// command with its digits, and the board's settings; the Modifier ID and
// Checksum ID masked unless asked for (they are the site's keys).
struct CardContent {
  std::string title;
  std::vector<std::pair<std::string, std::string>> commands;  // label, digits ("(none)" when empty)
  std::vector<std::pair<std::string, std::string>> settings;  // name, value
};

CardContent MakeCard(const DecoderConfig& config, const std::string& name, bool showKeys);

}  // namespace tonalis
