// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <optional>
#include <string>

#include "config/decoder_config.h"

namespace tonalis {

// A configuration file (*.prg): the configuration and the programming port.
struct ConfigFileContent {
  DecoderConfig config;
  std::string txtPrgComm = "1";
};

// The file's items come in four groups; a load applies each group only once
// all of its items were read, so a failed load may have applied some.
enum class ConfigGroup { Outputs = 0, Parameters = 1, Commands = 2, Port = 3 };
inline constexpr int kConfigGroupCount = 4;
inline constexpr int kConfigItemCount = 30;

struct ConfigFileLoad {
  ConfigFileContent content;  // valid for the first `groupsRead` groups
  int groupsRead = 0;
  std::string error;  // description of the failure; empty on success

  bool ok() const { return error.empty(); }
  bool hasGroup(ConfigGroup g) const { return static_cast<int>(g) < groupsRead; }
};

ConfigFileLoad ParseConfigFile(std::istream& in);
ConfigFileLoad ReadConfigFile(const std::string& path);

// The 22 CR LF lines of the file.
std::string FormatConfigFile(const ConfigFileContent& content);

// Saves without ever leaving a half-written file behind; the description of
// the failure, or nothing on success.
std::optional<std::string> WriteConfigFile(const std::string& path, const ConfigFileContent& content);

}  // namespace tonalis
