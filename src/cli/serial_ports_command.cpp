// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <cmath>
#include <iostream>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "i18n/language.h"
#include "link/port_map.h"
#include "link/serial_ports.h"
#include "storage/settings_folder.h"

namespace tonalis::cli {

int RunSerialPorts(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      CliTr("Lists the serial ports as the Station dialog does: device, the name that survives replugging,\n"
            "description, manufacturer, serial number, and whether you may open it."));
  if (auto exit = ParseArguments(parser, args)) return *exit;
  const auto ports = ListSerialPorts();
  if (ports.empty()) std::cout << CliText("No serial ports.") << '\n';
  // Each line's label, its values lined up after the longest label.
  const std::string labels[] = {CliText("stable name:"), CliText("description:"), CliText("manufacturer:"),
                                CliText("serial number:"), CliText("access:")};
  std::size_t width = 0;
  auto length = [](const std::string& text) { return static_cast<std::size_t>(QString::fromStdString(text).size()); };
  for (const auto& label : labels) width = std::max(width, length(label) + 1);
  auto line = [&](int which, const std::string& value) {
    if (value.empty()) return;
    const std::string& label = labels[which];
    std::cout << "  " << label << std::string(width - length(label), ' ') << value << '\n';
  };
  for (const auto& p : ports) {
    std::cout << p.device << '\n';
    line(0, p.stablePath);
    line(1, p.description);
    line(2, p.manufacturer);
    line(3, p.serialNumber);
    line(4, p.problem.empty() ? CliText("can be opened") : p.problem);
  }
  PortMap map;
  if (const auto unreadable = ReadPortsIni(QFile::encodeName(SettingsFolder()).toStdString(), map)) {
    PrintError(*unreadable);
  } else {
    for (const auto& [number, device] : map.devices) std::cout << "COM" << number << " = " << device << '\n';
    if (!map.problems.empty()) std::cerr << CliText("ports.ini: lines not understood:") << '\n' << map.problemText();
  }
  return kExitOk;
}

}  // namespace tonalis::cli
