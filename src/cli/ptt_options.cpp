// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ptt_options.h"

#include <QFile>

#include "cli/cli_support.h"
#include "cli/port_option.h"
#include "radio/hamlib_ptt.h"
#include "storage/settings_file.h"
#include "storage/settings_folder.h"
#include "station/station_settings.h"

namespace tonalis::cli {
namespace {
constexpr const char* kOneWay =
    TONALIS_TEXT("Choose one way to key the transmitter: --ptt, --cm108, --rig or --rigctld.");
constexpr const char* kStoredUnusable = TONALIS_TEXT(
    "The PTT stored by the Station setup cannot be used; choose it again there, or give --ptt, --cm108, --rig or "
    "--rigctld.");
constexpr const char* kPttCommOfSettings = TONALIS_TEXT("the PTT Comm port of the settings");
constexpr const char* kLineGoesWithPtt = TONALIS_TEXT("--ptt-line and --ptt-invert go with --ptt P.");
}  // namespace

void PttOptions::addTo(QCommandLineParser& parser) { parser.addOptions({port, line, invert, cm108, rig, rigctld, verbose}); }

std::optional<PttOptions::Choice> PttOptions::read(const QCommandLineParser& parser) const {
  if (parser.isSet(verbose)) HamlibPtt::setVerbose(true);
  const int methods = parser.isSet(port) + parser.isSet(cm108) + parser.isSet(rig) + parser.isSet(rigctld);
  if (methods > 1) {
    PrintError(CliText(kOneWay));
    return std::nullopt;
  }
  const QString folder = SettingsFolder();
  Choice c;
  std::optional<std::string> error;
  if (parser.isSet(cm108)) {
    error = ParseCm108Option(ToStd(parser.value(cm108)), c.ptt);
  } else if (parser.isSet(rig)) {
    error = ParseRigOption(ToStd(parser.value(rig)), c.ptt);
  } else if (parser.isSet(rigctld)) {
    error = ParseRigctldOption(ToStd(parser.value(rigctld)), c.ptt);
  } else if (parser.isSet(port)) {
    const auto chosen = ParsePortOption(ToStd(parser.value(port)), "--ptt");
    if (!chosen) return std::nullopt;
    c.portText = chosen->fieldText;
    c.resolver = chosen->resolver;
    // The station's line, unless the options say otherwise.
    const PttChoice stored = ReadStationSettings(folder).ptt;
    if (stored.method == PttMethod::SerialLine) c.ptt = stored;
  } else if (StationSettingsExist(folder)) {
    const StationSettings station = ReadStationSettings(folder);
    if (!station.ptt.unusable.empty()) {
      // Never another transmitter in place of the one the station meant.
      for (const auto& problem : station.problems) PrintError(problem);
      PrintError(CliText(kStoredUnusable));
      return std::nullopt;
    }
    c.ptt = station.ptt;
    if (c.ptt.usesPttPort()) {
      // The window's "PTT Comm" field says which port.
      const std::string text =
          ReadSettingsFile((folder + "/" + kSettingsFileName).toStdString(), folder.toStdString()).settings.txtPttCom;
      const auto chosen = ParsePortOption(text, CliText(kPttCommOfSettings));
      if (!chosen) return std::nullopt;
      c.portText = chosen->fieldText;
      c.resolver = chosen->resolver;
    }
  } else if (!parser.isSet(line) && !parser.isSet(invert)) {
    return c;  // no PTT at all
  }
  if (error) {
    PrintError(*error);
    return std::nullopt;
  }
  if (parser.isSet(line) || parser.isSet(invert)) {
    if (!c.ptt.usesPttPort() || c.portText.empty()) {
      PrintError(CliText(kLineGoesWithPtt));
      return std::nullopt;
    }
    if (parser.isSet(line)) {
      if (const auto bad = ParsePttLineOption(ToStd(parser.value(line)), c.ptt)) {
        PrintError(*bad);
        return std::nullopt;
      }
    }
    if (parser.isSet(invert)) c.ptt.invert = true;
  }
  if (!c.resolver) c.resolver = [](int) { return BoardLink::PortTarget(); };
  c.enabled = true;
  return c;
}

}  // namespace tonalis::cli
