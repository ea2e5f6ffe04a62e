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

namespace {

struct Subcommand {
  const char* name;
  const char* summary;
  int (*run)(const QStringList&);
};

constexpr Subcommand kSubcommands[] = {
    {"encode", "check a configuration file and print or write its decoder image", tonalis::cli::RunEncode},
    {"decode", "turn a 192-byte decoder image into a configuration file", tonalis::cli::RunDecode},
    {"replace", "compute the sequence that replaces a command over the air", tonalis::cli::RunReplace},
    {"identify", "show the banner of the board on a port", tonalis::cli::RunIdentify},
    {"read", "read the board's configuration", tonalis::cli::RunRead},
    {"program", "program a configuration file into the board and verify it", tonalis::cli::RunProgram},
    {"history", "list, show and compare the board contents read and programmed", tonalis::cli::RunHistory},
    {"board-sim", "simulate the decoder board on a pseudo-terminal", tonalis::cli::RunBoardSim},
    {"render", "write the sound of a DTMF sequence to a WAV file", tonalis::cli::RunRender},
    {"send", "play a DTMF sequence, keying the transmitter", tonalis::cli::RunSend},
    {"card", "write the site crew's command card as a PDF", tonalis::cli::RunCard},
    {"journal", "print the journal of sends, or export it as CSV", tonalis::cli::RunJournal},
    {"send-command", "send a command of a configuration by its number or name", tonalis::cli::RunSendCommand},
    {"tone", "play a steady calibration tone, keying the transmitter", tonalis::cli::RunTone},
    {"dtmf-decode", "print the DTMF digits heard in a sound file", tonalis::cli::RunDtmfDecode},
    {"cw-decode", "print the Morse text heard in a sound file", tonalis::cli::RunCwDecode},
    {"ptt-test", "key the transmitter for a few seconds and release it", tonalis::cli::RunPttTest},
    {"audio-devices", "list the sound devices, output and input", tonalis::cli::RunAudioDevices},
    {"serial-ports", "list the serial ports, with the names that survive replugging", tonalis::cli::RunSerialPorts},
};

void PrintUsage(std::ostream& out) {
  out << "Usage: tonalis-cli COMMAND [options]\n\n"
         "Tonalis command line: the decoder board's configuration, its link and the DTMF sender.\n\n"
         "Commands:\n";
  for (const auto& s : kSubcommands)
    out << "  " << s.name << std::string(15 - std::string_view(s.name).size(), ' ') << s.summary << '\n';
  out << "\n'tonalis-cli COMMAND --help' describes a command.\n"
         "Exit status: 0 success, 1 refused or failed (the reason is on standard error),\n"
         "2 usage or file error. Results and progress go to standard output.\n";
}

}  // namespace

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
  if (args.isEmpty() || args.first() == "--help" || args.first() == "-h") {
    PrintUsage(args.isEmpty() ? std::cerr : std::cout);
    return args.isEmpty() ? tonalis::cli::kExitUsage : tonalis::cli::kExitOk;
  }
  if (args.first() == "--version") {
    std::cout << "tonalis-cli " << QCoreApplication::applicationVersion().toStdString() << '\n';
    return tonalis::cli::kExitOk;
  }
  for (const auto& s : kSubcommands)
    if (args.first() == QLatin1String(s.name)) return s.run(args);
  tonalis::cli::PrintError("unknown command '" + args.first().toStdString() + "'. Try 'tonalis-cli --help'.");
  return tonalis::cli::kExitUsage;
}
