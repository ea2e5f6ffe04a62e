// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/port_option.h"

#include <QFile>

#include "cli/cli_support.h"
#include "i18n/language.h"
#include "link/network_port_name.h"
#include "link/port_lookup.h"
#include "link/port_map.h"
#include "storage/settings_folder.h"

namespace tonalis::cli {

std::optional<PortChoice> ParsePortOption(const std::string& value, const std::string& option) {
  PortChoice choice;
  if (NamesNetworkPort(value)) {
    std::string why;
    if (!ParseNetworkPortName(value, &why, TrStd)) {
      PrintError(why);
      return std::nullopt;
    }
  }
  if (value.find('/') != std::string::npos) {
    choice.resolver = [value](int) {
      BoardLink::PortTarget target(value);
      target.name = value;  // messages name the device the user gave
      return target;
    };
    return choice;
  }
  if (!PortNumberFromText(value)) {
    PrintError(Fill(CliText("%1 takes a number from 1 to 16, a device path, rfc2217://HOST:PORT or socket://HOST:PORT, not '%2'."), {option, value}));
    return std::nullopt;
  }
  choice.fieldText = value;
  choice.resolver = [](int number) {
    return PortFromPortsIni(QFile::encodeName(SettingsFolder()).toStdString(), number);
  };
  return choice;
}

}  // namespace tonalis::cli
