// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <iostream>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "i18n/language.h"
#include "tone/portaudio_output.h"
#include "tone/send_fields.h"

namespace tonalis::cli {

int RunAudioDevices(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(CliTr("Lists the sound devices as the tool sees them."));
  if (auto exit = ParseArguments(parser, args)) return *exit;
  auto& session = PortAudioSession::instance();
  if (session.error() != 0) {
    PrintError(Fill(CliText("The sound system could not start: %1"), {Pa_GetErrorText(session.error())}));
    return kExitRefused;
  }
  const auto devices = session.devices();
  if (devices.empty()) std::cout << CliText("No sound devices.") << '\n';
  if (const auto warning = SoundCardWarning(HasInputDevice(), TrStd)) PrintMessage(*warning);
  // Outputs go to the radio, inputs come from the receiver.
  for (const bool input : {false, true}) {
    std::cout << (input ? CliText("Input devices (from the receiver):") : CliText("Output devices (to the radio):"))
              << '\n';
    for (const auto& d : devices) {
      if ((input ? d.inputs : d.outputs) == 0) continue;
      const bool isDefault = input ? d.defaultInput : d.defaultOutput;
      std::cout << (isDefault ? "* " : "  ")
                << Fill(CliText("%1  [%2; %3 out, %4 in]"),
                        {d.name, d.hostApi, std::to_string(d.outputs), std::to_string(d.inputs)})
                << '\n';
    }
  }
  return kExitOk;
}

}  // namespace tonalis::cli
