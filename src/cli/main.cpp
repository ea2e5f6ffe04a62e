// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>
#include <cstdint>
#include <cstdlib>
#include <vector>
#include <iostream>
#include <string_view>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "config/version.h"
#include "radio/ptt_guard.h"
#include "tone/device_thread.h"

namespace tonalis::cli {
namespace {

struct Subcommand {
  const char* name;
  const char* summary;
  int (*run)(const QStringList&);
};

constexpr Subcommand kSubcommands[] = {
    {"encode", TONALIS_TEXT("check a configuration file and print or write its decoder image"), RunEncode},
    {"decode", TONALIS_TEXT("turn a 192-byte decoder image into a configuration file"), RunDecode},
    {"replace", TONALIS_TEXT("compute the sequence that replaces a command over the air"), RunReplace},
    {"identify", TONALIS_TEXT("show the banner of the board on a port"), RunIdentify},
    {"read", TONALIS_TEXT("read the board's configuration"), RunRead},
    {"program", TONALIS_TEXT("program a configuration file into the board and verify it"), RunProgram},
    {"history", TONALIS_TEXT("list, show and compare the board contents read and programmed"), RunHistory},
    {"board-sim", TONALIS_TEXT("simulate the decoder board on a pseudo-terminal"), RunBoardSim},
    {"render", TONALIS_TEXT("write the sound of a DTMF sequence to a WAV file"), RunRender},
    {"send", TONALIS_TEXT("play a DTMF sequence, keying the transmitter"), RunSend},
    {"card", TONALIS_TEXT("write the site crew's command card as a PDF"), RunCard},
    {"journal", TONALIS_TEXT("print the journal of sends, or export it as CSV"), RunJournal},
    {"send-command", TONALIS_TEXT("send a command of a configuration by its number or name"), RunSendCommand},
    {"tone", TONALIS_TEXT("play a steady calibration tone, keying the transmitter"), RunTone},
    {"dtmf-decode", TONALIS_TEXT("print the DTMF digits heard in a sound file"), RunDtmfDecode},
    {"cw-decode", TONALIS_TEXT("print the Morse text heard in a sound file"), RunCwDecode},
    {"listen", TONALIS_TEXT("print and journal each DTMF sequence heard on the channel, for as long as asked"),
     RunListen},
    {"ptt-test", TONALIS_TEXT("key the transmitter for a few seconds and release it"), RunPttTest},
    {"audio-devices", TONALIS_TEXT("list the sound devices, output and input"), RunAudioDevices},
    {"serial-ports", TONALIS_TEXT("list the serial ports, with the names that survive replugging"), RunSerialPorts},
    {"agent", TONALIS_TEXT("the agent at a radio site, reached over SSH (--stdio)"), RunAgent},
};

void PrintUsage(std::ostream& out) {
  out << CliText("Usage: tonalis-cli [--language en|it] COMMAND [options]") << "\n\n"
      << CliText("Tonalis command line: the decoder board's configuration, its link and the DTMF sender.") << "\n\n"
      << CliText("Commands:") << '\n';
  for (const auto& s : kSubcommands)
    out << "  " << s.name << std::string(15 - std::string_view(s.name).size(), ' ') << CliText(s.summary) << '\n';
  out << '\n'
      << CliText(
             "'tonalis-cli COMMAND --help' describes a command.\n"
             "Exit status: 0 success, 1 refused or failed (the reason is on standard error),\n"
             "2 usage or file error. Results and progress go to standard output.\n"
             "--language en|it: English or Italian, whatever the system and the Station setup say.\n"
             "--json (send, send-command, replace --send, tone, ptt-test, identify, read, program,\n"
             "listen):\n"
             "one JSON object a line on standard output, the events as they happen, the last\n"
             "{\"event\":\"done\",\"exit\":N} (the README lists them).\n"
             "--site ssh://[USER@]HOST[:PORT] COMMAND ...: runs COMMAND at a radio site through its\n"
             "agent (tonalis-cli agent --stdio, reached with OpenSSH's ssh or TONALIS_SSH); files\n"
             "named here stay here (read -o FILE, program FILE.prg).\n");
}

}  // namespace
}  // namespace tonalis::cli

int main(int argc, char* argv[]) {
  // The PTT guard a keying process starts (not for users: no Qt, no help).
  if (argc >= 3 && std::string_view(argv[1]) == "ptt-guard") {
    const auto choice = tonalis::PttChoiceFromWords(std::vector<std::string>(argv + 3, argv + argc));
    if (!choice) return tonalis::cli::kExitUsage;
    QCoreApplication app(argc, argv);  // for a rigctld reached through Qt's sockets
    return tonalis::RunPttGuard(static_cast<std::intptr_t>(std::atoll(argv[2])), *choice);
  }
  // The command card paints a page: Qt's GUI, with no screen needed.
  std::unique_ptr<QCoreApplication> app;
  if (argc >= 2 && std::string_view(argv[1]) == "card") {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QGuiApplication>(argc, argv);
  } else {
    app = std::make_unique<QCoreApplication>(argc, argv);
  }
  tonalis::PttGuard::setProgram(QCoreApplication::applicationFilePath().toStdString());
  QCoreApplication::setApplicationName("tonalis-cli");
  QCoreApplication::setApplicationVersion(QString::fromStdString(tonalis::VersionText()));

  QStringList args = QCoreApplication::arguments();
  args.removeFirst();
  if (const auto exit = tonalis::cli::SetUpLanguage(args)) return *exit;
  if (args.isEmpty() || args.first() == "--help" || args.first() == "-h") {
    tonalis::cli::PrintUsage(args.isEmpty() ? std::cerr : std::cout);
    return args.isEmpty() ? tonalis::cli::kExitUsage : tonalis::cli::kExitOk;
  }
  if (args.first() == "--version") {
    std::cout << "tonalis-cli " << QCoreApplication::applicationVersion().toStdString() << '\n';
    return tonalis::cli::kExitOk;
  }
  // A command run at a radio site, through its agent.
  if (args.first() == "--site") {
    if (const auto status = tonalis::cli::RunOnSite(args)) return *status;
  }
  // --json where the exchange's events and a link's progress are printed.
  static const QStringList kJsonCommands{"send", "send-command", "replace", "tone", "ptt-test",
                                         "identify", "read", "program", "listen"};
  if (kJsonCommands.contains(args.first()) && args.removeAll("--json") > 0) tonalis::cli::BeginJsonEvents();
  for (const auto& s : tonalis::cli::kSubcommands)
    if (args.first() == QLatin1String(s.name)) {
      const int status = tonalis::cli::EndJsonEvents(s.run(args));
      // A sound device still closing gets a moment; one that never returns cannot be waited for.
      if (!tonalis::DeviceCallsEnded(tonalis::kDeviceCallsAtExit)) {
        std::cout.flush();
        std::cerr.flush();
        std::_Exit(status);
      }
      return status;
    }
  tonalis::cli::PrintError(tonalis::Fill(tonalis::cli::CliText("unknown command '%1'. Try 'tonalis-cli --help'."),
                                         {args.first().toStdString()}));
  return tonalis::cli::kExitUsage;
}
