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
#include "cli/send_support.h"
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

int RunTone(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      CliTr("Plays a steady sine with the transmitter keyed as chosen (or as the Station setup stored\n"
            "it), to set the transmitter's deviation and the sound card's mixer; Ctrl+C stops it.\n"
            "Levels are the sine's peak in dBFS (a sine of peak A is 20 log10(A/32768) dBFS); the\n"
            "default is the peak of one DTMF tone. The manual tells the Bessel-null method."));
  PttOptions pttOptions;
  pttOptions.addTo(parser);
  const QCommandLineOption hz("hz", CliTr("The tone, 100-3500 Hz (default 1000)."), "F", "1000");
  const QCommandLineOption seconds("seconds", CliTr("How long, up to 600 s (default 10)."), "N", "10");
  const QCommandLineOption level("level", CliTr("The peak, -60 to 0 dBFS (default -10.3)."), "DBFS", "-10.3");
  const QCommandLineOption device("audio-device",
                                  CliTr("Play on this device; default: the Station setup's, or the default."), "NAME");
  parser.addOptions({hz, seconds, level, device});
  if (auto exit = ParseArguments(parser, args)) return *exit;
  bool ok1 = false, ok2 = false, ok3 = false;
  const double frequency = FiniteDouble(parser.value(hz), &ok1), length = FiniteDouble(parser.value(seconds), &ok2),
               peak = FiniteDouble(parser.value(level), &ok3);
  const RenderedSequence check = ok1 && ok2 && ok3 ? RenderTone(frequency, 0.01, peak) : RenderedSequence{};
  if (!ok1 || !ok2 || !ok3 || !check.error.empty() || !(length > 0 && length <= kMaxCalibrationSeconds)) {
    PrintError(CliText("--hz takes 100 to 3500, --seconds up to 600, --level -60 to 0 dBFS."));
    return kExitUsage;
  }
  const auto chosen = pttOptions.read(parser);
  if (!chosen) return kExitUsage;
  SignalQuit signals;
  ConsoleMessages messages;
  ChosenPtt chosenPtt(*chosen, messages);
  if (chosen->enabled && !chosenPtt.enable(chosen->portText)) return kExitRefused;
  const StationSettings station = ReadStationSettings(SettingsFolder());
  const std::string deviceName = parser.isSet(device) ? ToStd(parser.value(device)) : station.outputDevice;
  // A tone longer than the TX limit is stopped by it, as a send is.
  AirRequest tone;
  tone.kind = AirRequest::Kind::CalibrationTone;
  tone.toneHz = frequency;
  tone.toneSeconds = length;
  tone.tonePeakDbfs = peak;
  return RunExchange(signals, messages, chosenPtt, {deviceName, station, {}}, tone);
}

}  // namespace tonalis::cli
