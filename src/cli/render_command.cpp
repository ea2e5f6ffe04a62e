// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/send_support.h"
#include "i18n/language.h"
#include "station/station_settings.h"
#include "storage/settings_folder.h"
#include "tone/send_fields.h"
#include "tone/synthesis.h"
#include "tone/wav_file.h"

namespace tonalis::cli {

int RunRender(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      CliTr("Writes exactly the sound Send Sequence plays, as a WAV file (8000 Hz, mono, 16 bit).\n"
            "A space in the sequence stands for a pause."));
  parser.addPositionalArgument("SEQUENCE", CliTr("DTMF digits 0-9, *, #, A-D; spaces for pauses."));
  const QCommandLineOption output({"o", "output"}, CliTr("The WAV file to write."), "OUT.wav");
  parser.addOption(output);
  TimingOptions timing;
  timing.addTo(parser);
  LevelOptions levelOptions;
  levelOptions.addTo(parser);
  if (auto exit = ParseArguments(parser, args)) return *exit;
  std::string sequence;
  if (auto exit = OneSequence(parser, sequence)) return *exit;
  if (!parser.isSet(output)) {
    PrintError(CliText("-o OUT.wav is required. Try --help."));
    return kExitUsage;
  }
  const auto levels = levelOptions.read(parser, ReadStationSettings(SettingsFolder()).levels);
  if (!levels) return kExitUsage;

  const SendTiming t = timing.read(parser);
  WarnAboutSilentCharacters(sequence);
  const RenderedSequence r =
      RenderSequence(sequence, CalcSampleCounts(t.digitSeconds, t.gapSeconds, t.pauseSeconds), 0, *levels);
  if (!r.error.empty()) {
    PrintError(r.error);
    return kExitRefused;
  }
  if (const auto error = WriteWav(ToStd(parser.value(output)), r.samples.get(), r.count)) {
    PrintError(*error);
    return kExitUsage;
  }
  return kExitOk;
}

}  // namespace tonalis::cli
