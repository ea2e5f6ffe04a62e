// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/port_option.h"
#include "cli/ptt_options.h"
#include "config/command_names.h"
#include "config/decoder_image.h"
#include "i18n/language.h"
#include "storage/config_file.h"
#include "link/board_link.h"
#include "link/port_map.h"
#include "link/serial_ports.h"
#include "listen/dtmf_decoder.h"
#include "listen/dtmf_measure.h"
#include "listen/morse_decoder.h"
#include "listen/send_monitor.h"
#include "journal/journal.h"
#include "journal/journal_clock.h"
#include "listen/transmission_check.h"
#include "radio/signal_quit.h"
#include "radio/station_ptt.h"
#include "station/station_settings.h"
#include "storage/settings_folder.h"
#include "tone/device_thread.h"
#include "tone/portaudio_output.h"
#include "tone/send_fields.h"
#include "tone/sequence_sender.h"
#include "tone/synthesis.h"
#include "tone/wav_file.h"

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
