// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/ptt_options.h"
#include "cli/send_support.h"
#include "i18n/language.h"
#include "radio/signal_quit.h"
#include "station/station_settings.h"
#include "storage/settings_folder.h"
#include "tone/synthesis.h"

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
