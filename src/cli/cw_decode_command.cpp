// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "i18n/language.h"

namespace tonalis::cli {

int RunCwDecode(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      CliTr("Prints the Morse text heard in a sound file (WAV or any format libsndfile reads, any\n"
            "rate from 8000 to 48000 Hz, the first channel). The tone and the speed are found\n"
            "when not given."));
  parser.addPositionalArgument("FILE.wav", CliTr("The sound to listen to."));
  const QCommandLineOption wpm(
      "wpm", CliTr("The speed, 5 to 200 words per minute (the board keys a dot of 1190/WPM ms)."), "N");
  const QCommandLineOption tone("tone-hz", CliTr("The tone, 300 to 2000 Hz."), "F");
  const QCommandLineOption verbose("verbose", CliTr("Say on standard error which tone and speed were found."));
  parser.addOptions({wpm, tone, verbose});
  if (auto exit = ParseArguments(parser, args)) return *exit;
  CwDecodeRequest request;
  double value = 0;
  if (parser.isSet(wpm)) {
    if (!ReadWpm(ToStd(parser.value(wpm)), value)) {
      PrintError(CliText("--wpm takes a number from 5 to 200."));
      return kExitUsage;
    }
    request.dotMs = value;
  }
  if (parser.isSet(tone)) {
    if (!ReadToneHz(ToStd(parser.value(tone)), value)) {
      PrintError(CliText("--tone-hz takes a number from 300 to 2000."));
      return kExitUsage;
    }
    request.toneHz = value;
  }
  request.verbose = parser.isSet(verbose);
  std::unique_ptr<SoundReader> file;
  if (auto exit = OpenSoundArgument(parser, file)) return *exit;
  return DecodeCw(*file, request, TrStd);
}

}  // namespace tonalis::cli
