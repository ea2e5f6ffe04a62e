// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <iostream>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/ptt_options.h"
#include "cli/send_support.h"
#include "i18n/language.h"
#include "radio/signal_quit.h"
#include "radio/station_ptt.h"
#include "station/station_settings.h"
#include "storage/settings_folder.h"

namespace tonalis::cli {

int RunPttTest(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      CliTr("Keys the transmitter as chosen (or as the Station setup stored it), waits, and releases it.\n"
            "Exit status 0 only when both the keying and the release succeeded."));
  PttOptions pttOptions;
  pttOptions.addTo(parser);
  const QCommandLineOption seconds("seconds", CliTr("How long to key, 1-600 s (default 2)."), "N", "2");
  parser.addOption(seconds);
  if (auto exit = ParseArguments(parser, args)) return *exit;
  bool ok = false;
  const int keySeconds = parser.value(seconds).toInt(&ok);
  if (!ok || keySeconds < 1 || keySeconds > 600) {
    PrintError(CliText("--seconds takes a number from 1 to 600."));
    return kExitUsage;
  }
  const auto chosen = pttOptions.read(parser);
  if (!chosen) return kExitUsage;
  if (!chosen->enabled) {
    PrintError(
        CliText("No PTT to test: give --ptt, --cm108, --rig or --rigctld, or set one up in the Station dialog."));
    return kExitUsage;
  }

  SignalQuit signals;
  ConsoleMessages messages;
  ChosenPtt chosenPtt(*chosen, messages);
  if (!chosenPtt.enable(chosen->portText)) return kExitRefused;

  // The station's TX time limit holds for the test as for a send.
  const int limit = ReadStationSettings(SettingsFolder()).txLimitSeconds;
  const int holdSeconds = limit > 0 ? std::min(keySeconds, limit) : keySeconds;
  if (holdSeconds < keySeconds)
    std::cerr << Fill(CliText("keyed for %1 s only: the Station setup's TX time limit"), {std::to_string(holdSeconds)})
              << std::endl;
  std::cout << Fill(CliText("keying %1 for %2 s"), {DescribePtt(chosen->ptt), std::to_string(keySeconds)}) << std::endl;
  AirRequest test;
  test.kind = AirRequest::Kind::PttTest;
  test.pttSeconds = keySeconds;
  test.ptt = DescribePtt(chosen->ptt);
  StationSettings station;
  station.txLimitSeconds = limit;
  return RunExchange(signals, messages, chosenPtt, {{}, station, {}}, test);
}

}  // namespace tonalis::cli
