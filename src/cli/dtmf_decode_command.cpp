// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <cstdio>
#include <iostream>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "i18n/language.h"
#include "listen/dtmf_decoder.h"
#include "listen/dtmf_measure.h"
#include "listen/transmission_check.h"
#include "tone/wav_file.h"

namespace tonalis::cli {

int RunDtmfDecode(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      CliTr("Prints the DTMF digits heard in a sound file (WAV or any format libsndfile reads, any\n"
            "rate from 8000 to 48000 Hz, the first channel), one a line with its start time and\n"
            "duration in seconds.\n"
            "--measure prints a CSV table instead, a row a digit:\n"
            "  digit,start_ms,length_ms,gap_ms,low_hz,high_hz,low_dbfs,high_dbfs,twist_db\n"
            "(gap_ms: the silence before the digit, empty for the first; dBFS: a sine of peak\n"
            "amplitude A is 20 log10(A/32768) dBFS; twist: high minus low), then a summary row:\n"
            "the number of digits, the shortest digit and gap, the lowest level, the twist's range\n"
            "and the largest frequency offset. --expect checks the digits against those sent, as a\n"
            "telephone-grade receiver takes them (within 1.5 %, twist +4/-8 dB, 40 ms digits,\n"
            "20 ms gaps, above the level floor): exit status 0 when every digit would be taken."));
  parser.addPositionalArgument("FILE.wav", CliTr("The sound to listen to."));
  const QCommandLineOption quiet("quiet", CliTr("Print only the digits, on one line."));
  const QCommandLineOption measure("measure", CliTr("Print the table of what each digit measures."));
  const QCommandLineOption expect(
      "expect", CliTr("The digits that were sent: say, digit by digit, what would make a receiver miss one."),
      "SEQUENCE");
  const QCommandLineOption floor("floor-dbfs", CliTr("The level floor for --expect, -90 to 0 dBFS (default -40)."),
                                 "N");
  parser.addOptions({quiet, measure, expect, floor});
  if (auto exit = ParseArguments(parser, args)) return *exit;
  ReceiverLimits limits;
  if (parser.isSet(floor)) {
    bool ok = false;
    limits.floorDbfs = FiniteDouble(parser.value(floor), &ok);
    if (!ok || limits.floorDbfs < -90 || limits.floorDbfs > 0) {
      PrintError(CliText("--floor-dbfs takes a number from -90 to 0."));
      return kExitUsage;
    }
  }
  const std::string sent = ToStd(parser.value(expect));
  if (parser.isSet(expect) && (sent.empty() || sent.find_first_not_of("0123456789*#ABCD") != std::string::npos)) {
    PrintError(CliText("--expect takes the DTMF digits sent: 0-9, *, #, A-D."));
    return kExitUsage;
  }
  SoundFile file;
  if (auto exit = ReadSoundArgument(parser, file)) return *exit;
  if (parser.isSet(expect)) {
    const TransmissionCheck check(file.samples.data(), file.samples.size(), file.sampleRate, sent, limits);
    if (parser.isSet(measure)) std::cout << MeasureTable(check.heard());
    std::cout << check.report(TrStd);
    return check.allTaken() ? kExitOk : kExitRefused;
  }
  DtmfDecoder decoder(file.sampleRate);
  auto digits = decoder.push(file.samples.data(), file.samples.size());
  const auto last = decoder.finish();
  digits.insert(digits.end(), last.begin(), last.end());
  if (parser.isSet(measure)) {
    std::cout << MeasureTable(MeasureDigits(file.samples.data(), file.samples.size(), file.sampleRate, digits));
    return kExitOk;
  }
  if (parser.isSet(quiet)) {
    std::string all;
    for (const auto& d : digits) all += d.digit;
    std::cout << all << '\n';
    return kExitOk;
  }
  for (const auto& d : digits) {
    char line[64];
    std::snprintf(line, sizeof line, "%c  %8.3f s  %6.3f s\n", d.digit, d.start, d.duration);
    std::cout << line;
  }
  return kExitOk;
}

}  // namespace tonalis::cli
