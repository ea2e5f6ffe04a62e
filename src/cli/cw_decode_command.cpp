// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "i18n/language.h"
#include "listen/live_audio.h"
#include "listen/morse_decoder.h"
#include "tone/portaudio_output.h"

namespace tonalis::cli {
namespace {

// Morse read live, printed as it is read.
int ListenForMorse(const QCommandLineParser& parser, const std::string& device, const QCommandLineOption& seconds,
                   const CwDecodeRequest& request) {
  if (!parser.positionalArguments().isEmpty()) {
    PrintError(CliText("--input-device listens live: no file goes with it."));
    return kExitUsage;
  }
  qint64 limitSeconds = 0;
  if (!ReadListenSeconds(parser, seconds, limitSeconds)) return kExitUsage;
  PortAudioInput input;
  LiveAudio live(input);
  std::optional<MorseDecoder> decoder;
  MorseTextOut text;
  const auto error = live.open(device, [&](const std::int16_t* samples, std::size_t count) {
    if (decoder) text.add(decoder->push(samples, count));
  });
  if (error) {
    PrintError(Fill(CliText("Cannot listen: %1."), {*error}));
    return kExitRefused;
  }
  MorseDecoder::Options options;
  options.sampleRate = live.rate();
  options.dotMs = request.dotMs;
  options.toneHz = request.toneHz;
  decoder.emplace(options);
  ListenUntilStopped(limitSeconds, [&] { live.close(); });
  text.add(decoder->finish());
  text.end();
  if (request.verbose) SayWhatWasFound(*decoder, TrStd);
  return kExitOk;
}

}  // namespace

int RunCwDecode(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      CliTr("Prints the Morse text heard in a sound file (WAV or any format libsndfile reads, any\n"
            "rate from 8000 to 48000 Hz, the first channel), or live on an input device until\n"
            "stopped (Ctrl+C, SIGTERM) or for N seconds, as it is read. The tone and the speed\n"
            "are found when not given."));
  parser.addPositionalArgument("FILE.wav", CliTr("The sound to listen to (none with --input-device)."));
  const QCommandLineOption inputDevice(
      "input-device", CliTr("Listen live on this device (see audio-devices, or a FIFO of raw 8000 Hz audio)."),
      "NAME");
  const QCommandLineOption seconds("seconds", CliTr("With --input-device, stop after N seconds (1 to 31536000)."),
                                   "N");
  const QCommandLineOption wpm(
      "wpm", CliTr("The speed, 5 to 200 words per minute (the board keys a dot of 1190/WPM ms)."), "N");
  const QCommandLineOption tone("tone-hz", CliTr("The tone, 300 to 2000 Hz."), "F");
  const QCommandLineOption verbose("verbose", CliTr("Say on standard error which tone and speed were found."));
  parser.addOptions({wpm, tone, verbose, inputDevice, seconds});
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
  if (parser.isSet(inputDevice)) return ListenForMorse(parser, ToStd(parser.value(inputDevice)), seconds, request);
  if (parser.isSet(seconds)) {
    PrintError(CliText("--seconds goes with --input-device."));
    return kExitUsage;
  }
  std::unique_ptr<SoundReader> file;
  if (auto exit = OpenSoundArgument(parser, file)) return *exit;
  return DecodeCw(*file, request, TrStd);
}

}  // namespace tonalis::cli
