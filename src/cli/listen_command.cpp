// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <iostream>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "i18n/language.h"
#include "journal/journal_clock.h"
#include "listen/channel_listener.h"
#include "station/station_settings.h"
#include "storage/settings_folder.h"
#include "tone/portaudio_output.h"

namespace tonalis::cli {

int RunListen(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      CliTr("Listens to the receiver's audio until stopped (Ctrl+C, SIGTERM) or for N seconds, and prints\n"
            "each DTMF sequence heard, a line each: the local time its first digit began and the digits\n"
            "(HH:MM:SS.mmm SEQUENCE). Digits closer than the sequence gap make one sequence. Each\n"
            "sequence is also kept in the journal as a \"heard\" record. Memory stays the same however\n"
            "long it listens."));
  const QCommandLineOption inputDevice(
      "input-device", CliTr("Listen on this device (see audio-devices, or a FIFO of raw 8000 Hz audio); default: "
                            "the Station setup's, or the default."),
      "NAME");
  const QCommandLineOption seconds("seconds", CliTr("Stop after N seconds (1 to 31536000)."), "N");
  const QCommandLineOption gap("sequence-gap-ms",
                               CliTr("Digits closer than N ms make one sequence, 50 to 60000 (default 1000)."), "N");
  parser.addOptions({inputDevice, seconds, gap});
  if (auto exit = ParseArguments(parser, args)) return *exit;
  if (!parser.positionalArguments().isEmpty()) {
    PrintError(CliText("Too many arguments. Try --help."));
    return kExitUsage;
  }
  qint64 limitSeconds = 0;
  if (!ReadListenSeconds(parser, seconds, limitSeconds)) return kExitUsage;
  int gapMs = 1000;
  if (parser.isSet(gap)) {
    bool ok = false;
    gapMs = parser.value(gap).toInt(&ok);
    if (!ok || gapMs < 50 || gapMs > 60000) {
      PrintError(CliText("--sequence-gap-ms takes a number of ms from 50 to 60000."));
      return kExitUsage;
    }
  }
  const QString settings = SettingsFolder();
  const std::string device =
      parser.isSet(inputDevice) ? ToStd(parser.value(inputDevice)) : ReadStationSettings(settings).inputDevice;

  PortAudioInput input;
  bool journalFailed = false;
  JournalFile journal(JournalFolder(ToStd(settings)), [&journalFailed](const std::string& error) {
    if (!std::exchange(journalFailed, true))
      PrintError(Fill(CliText("The journal cannot be written: %1"), {error}));
  });
  ChannelListener listener(input, journal);
  std::size_t count = 0;
  QObject::connect(&listener, &ChannelListener::heard, [&](const QDateTime& when, const QString& sequence) {
    ++count;
    Say("heard", ToStd(when.toString("HH:mm:ss.zzz ") + sequence),
        {{"time", when.toOffsetFromUtc(when.offsetFromUtc()).toString(Qt::ISODateWithMs)}, {"sequence", sequence}});
  });
  QObject::connect(&listener, &ChannelListener::stalled, [](bool stalled) {
    if (stalled)
      PrintError(Fill(CliText("no audio from the input device for %1 s; still listening."),
                      {std::to_string(ChannelListener::kStallSeconds)}));
    else
      PrintError(CliText("audio from the input device again."));
  });
  if (const auto error = listener.start(device, gapMs / 1000.0)) {
    PrintError(Fill(CliText("Cannot listen: %1."), {*error}));
    return kExitRefused;
  }
  std::cerr << Fill(CliText("listening on %1 (Ctrl+C ends)"),
                    {device.empty() ? CliText("the default input device") : device})
            << std::endl;
  const qint64 elapsed = ListenUntilStopped(limitSeconds, [&] { listener.stop(); });
  char duration[32];
  std::snprintf(duration, sizeof duration, "%lld:%02lld:%02lld", static_cast<long long>(elapsed / 3600),
                static_cast<long long>(elapsed / 60 % 60), static_cast<long long>(elapsed % 60));
  std::cerr << Fill(CliText("%1 sequence(s) heard in %2."), {std::to_string(count), duration}) << std::endl;
  return kExitOk;
}

}  // namespace tonalis::cli
