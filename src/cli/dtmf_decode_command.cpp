// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "i18n/language.h"

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
  DtmfDecodeRequest request;
  if (parser.isSet(floor) && !ReadFloorDbfs(ToStd(parser.value(floor)), request.limits.floorDbfs)) {
    PrintError(CliText("--floor-dbfs takes a number from -90 to 0."));
    return kExitUsage;
  }
  if (parser.isSet(expect)) {
    request.expect = ToStd(parser.value(expect));
    if (!AreSentDigits(*request.expect)) {
      PrintError(CliText("--expect takes the DTMF digits sent: 0-9, *, #, A-D."));
      return kExitUsage;
    }
  }
  request.quiet = parser.isSet(quiet);
  request.measure = parser.isSet(measure);
  std::unique_ptr<SoundReader> file;
  if (auto exit = OpenSoundArgument(parser, file)) return *exit;
  return DecodeDtmf(*file, request, TrStd);
}

}  // namespace tonalis::cli
