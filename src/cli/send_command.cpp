// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <iostream>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/send_support.h"
#include "exchange/air_exchange.h"
#include "config/command_names.h"
#include "i18n/language.h"
#include "storage/config_file.h"

namespace tonalis::cli {

int RunSend(const QStringList& args) { return RunSendAs(args, AirRequest{}); }

int RunSendCommand(const QStringList& arguments) {
  // CONFIG and the command come first; the rest are send's own options.
  const QStringList args = arguments.mid(1);  // after the command's own name
  if (args.isEmpty() || args.first() == "--help" || args.first() == "-h" || args.size() < 2 ||
      args[0].startsWith("-") || args[1].startsWith("-")) {
    const bool asked = !args.isEmpty() && (args.first() == "--help" || args.first() == "-h");
    (asked ? std::cout : std::cerr) << CliText(
        "Usage: tonalis-cli send-command CONFIG.prg N|NAME [send options]\n"
        "Sends a command of a configuration over the air, exactly as send does with its digits.\n"
        "N is its number (0-15); NAME its name as the window labels it, in any case, whole or a\n"
        "part of one name only: \"Output 1 ON\", status. The options are send's (tonalis-cli send\n"
        "--help): timings, PTT, --monitor and the rest.\n");
    return asked ? kExitOk : kExitUsage;
  }
  const ConfigFileLoad load = ReadConfigFile(ToStd(args[0]));
  if (!load.ok()) {
    PrintLoadError(args[0], load.error);
    return kExitUsage;
  }
  std::string why;
  const auto n = FindCommand(ToStd(args[1]), &why);
  if (!n) {
    PrintError(why);
    return kExitUsage;
  }
  const std::string digits = load.content.config.txtMem[static_cast<std::size_t>(*n)];
  if (digits.empty()) {
    PrintError(Fill(CliText("Command %1 is empty in %2: nothing to send."), {CommandLabel(*n, TrStd), ToStd(args[0])}));
    return kExitRefused;
  }
  std::cerr << Fill(CliText("command %1: %2"), {CommandLabel(*n, TrStd), digits}) << '\n';
  AirRequest command = SendingFrom(load.content);
  command.kind = AirRequest::Kind::Command;
  command.command = *n;
  return RunSendAs(QStringList{"send", QString::fromStdString(digits)} + args.mid(2), command);
}

}  // namespace tonalis::cli
