// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <iostream>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "i18n/language.h"
#include "listen/morse_decoder.h"
#include "tone/wav_file.h"

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
  SoundFile file;
  if (auto exit = ReadSoundArgument(parser, file)) return *exit;
  MorseDecoder::Options options;
  bool ok = true;
  if (parser.isSet(wpm)) {
    const double speed = FiniteDouble(parser.value(wpm), &ok);
    if (!ok || speed < 5 || speed > 200) {
      PrintError(CliText("--wpm takes a number from 5 to 200."));
      return kExitUsage;
    }
    options.dotMs = MorseDotMs(speed);
  }
  if (parser.isSet(tone)) {
    const double hz = FiniteDouble(parser.value(tone), &ok);
    if (!ok || hz < 300 || hz > 2000) {
      PrintError(CliText("--tone-hz takes a number from 300 to 2000."));
      return kExitUsage;
    }
    options.toneHz = hz;
  }
  options.sampleRate = file.sampleRate;
  MorseDecoder decoder(options);
  std::string text = decoder.push(file.samples.data(), file.samples.size());
  text += decoder.finish();
  while (!text.empty() && text.back() == ' ') text.pop_back();
  std::cout << text << '\n';
  if (parser.isSet(verbose)) {
    if (decoder.toneHz())
      std::cerr << Fill(CliText("tone %1 Hz, speed %2 WPM (a dot of %3 ms)"),
                        {std::to_string(std::lround(*decoder.toneHz())), std::to_string(std::lround(decoder.wpm())),
                         std::to_string(std::lround(decoder.dotMs().value_or(0)))})
                << '\n';
    else
      std::cerr << CliText("no steady tone from 300 to 2000 Hz was found") << '\n';
  }
  return kExitOk;
}

}  // namespace tonalis::cli
