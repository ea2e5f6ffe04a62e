// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QTimer>
#include <cmath>
#include <iostream>
#include <memory>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/ptt_options.h"
#include "cli/send_support.h"
#include "exchange/air_exchange.h"
#include "history/history_recorder.h"
#include "config/decoder_image.h"
#include "config/text_value.h"
#include "tone/morse.h"
#include "i18n/language.h"
#include "link/board_link.h"
#include "link/port_lookup.h"
#include "link/port_map.h"
#include "listen/dtmf_measure.h"
#include "journal/journal.h"
#include "journal/journal_clock.h"
#include "listen/transmission_check.h"
#include "radio/signal_quit.h"
#include "station/station_settings.h"
#include "storage/settings_folder.h"
#include "tone/portaudio_output.h"
#include "tone/send_fields.h"
#include "tone/synthesis.h"
#include "tone/wav_file.h"

namespace tonalis::cli {

constexpr const char* kStoppedReleased = TONALIS_TEXT("Stopped by signal %1; the transmitter is released.");
constexpr const char* kStoppedNotReleased = TONALIS_TEXT(
    "Stopped by signal %1; the transmitter is NOT released: release it at the radio (or run tonalis-cli "
    "ptt-test --seconds 1 with the same PTT), and check it.");

std::string StoppedBySignalText(int number, bool released) {
  return Fill(CliText(released ? kStoppedReleased : kStoppedNotReleased), {std::to_string(number)});
}

// Characters the player plays as silence: worth a word to a command-line user.
void WarnAboutSilentCharacters(const std::string& sequence) {
  for (std::size_t i = 0; i < sequence.size();) {
    // One character, all of its UTF-8 bytes.
    std::size_t length = 1;
    while (i + length < sequence.size() && (static_cast<unsigned char>(sequence[i + length]) & 0xC0) == 0x80)
      ++length;
    if (static_cast<unsigned char>(sequence[i]) < 0x80) length = 1;
    const char c = sequence[i];
    if (c != ' ' && (length > 1 || LowFrequency(c) == 0.0)) {
      std::cerr << Fill(CliText("'%1' has no tone and is sent as a silent digit (digits are 0-9, *, #, A-D)"),
                        {sequence.substr(i, length)})
                << '\n';
      return;
    }
    i += length;
  }
}

std::optional<int> OneSequence(const QCommandLineParser& parser, std::string& sequence) {
  const QStringList positional = parser.positionalArguments();
  if (positional.size() != 1) {
    PrintError(CliText("Give one sequence (quote it if it holds spaces or * or #). Try --help."));
    return kExitUsage;
  }
  sequence = ToStd(positional.first());
  return std::nullopt;
}

int RunExchange(SignalQuit& signals, ConsoleMessages& messages, ChosenPtt& chosen, const ExchangeSetup& setup,
                AirRequest request) {
  BoardLink& link = chosen.link;
  const bool pttTest = request.kind == AirRequest::Kind::PttTest;
  if (request.ptt.empty()) request.ptt = JournalPtt(link.pttEnabled(), chosen.ptt.choice());
  JournalFile journal(JournalFolder(ToStd(SettingsFolder())), [](const std::string& error) {
    PrintError(Fill(CliText("the journal of sends cannot be written: %1"), {error}));
  });
  HistoryStore history(HistoryFolder());
  PortAudioInput input;
  AirExchange exchange(OutputHandle(std::make_shared<PortAudioOutput>(setup.device)), chosen.ptt, messages, input,
                       journal, &history);
  exchange.monitor().keepRecording(!setup.monitorWav.empty());
  exchange.configure(setup.station);
  bool completed = false, keyed = false, released = false, monitorTaken = true, listenFailed = false;
  QObject::connect(&exchange, &AirExchange::keyed, [&](bool ok) {
    keyed = ok;
    if (!pttTest) {
      PrintEvent("keyed", {{"ok", ok}});
      return;
    }
    // The reason is on standard error.
    Say("keyed", ok                         ? CliText("keyed")
                 : chosen.ptt.stateUnknown() ? CliText("keyed state unknown: check the transmitter")
                                             : CliText("not keyed"),
        {{"ok", ok}});
  });
  QObject::connect(&exchange, &AirExchange::released, [&](bool ok) {
    released = ok;
    if (!pttTest)
      PrintEvent("released", {{"ok", ok}});
    else
      Say("released", ok ? CliText("released") : CliText("NOT released: check the transmitter"), {{"ok", ok}});
  });
  QObject::connect(&exchange, &AirExchange::sendFinished, [&](const QString& text, bool played) {
    completed = played;
    if (signals.received() || pttTest) {
      PrintEvent("finished", {{"completed", played}, {"text", text}});
    } else if (JsonEvents()) {
      PrintEvent("finished", {{"completed", played}, {"text", QString::fromStdString(ForTerminal(ToStd(text)))}});
    } else {
      (played ? std::cout : std::cerr) << ForTerminal(ToStd(text)) << std::endl;
    }
  });
  QObject::connect(&exchange, &AirExchange::monitored,
                   [&](const TransmissionCheck& check, const std::vector<std::int16_t>& samples, int rate,
                       bool truncated) {
                     if (!setup.monitorWav.empty())
                       if (const auto error = WriteWav(setup.monitorWav, samples.data(),
                                                       static_cast<std::int64_t>(samples.size()), rate))
                         PrintError(*error);
                     monitorTaken = check.allTaken();
                     std::cout << MeasureTable(check.heard()) << check.report(TrStd);
                     Say("monitor", "monitor: " + check.summary(TrStd),
                         {{"taken", check.allTaken()}, {"truncated", truncated}});
                     if (truncated)
                       std::cout << "monitor: "
                                 << Fill(CliText("only the first ten minutes were kept in %1"), {setup.monitorWav})
                                 << std::endl;
                   });
  QObject::connect(&exchange, &AirExchange::monitorFailed, [&](const QString& why) {
    PrintError(Fill(CliText("Not monitoring the transmission (the Station setup asks for it): %1."), {ToStd(why)}));
  });
  QObject::connect(&exchange, &AirExchange::listening,
                   [&] { Say("listening", CliText("listening for the board's reply...")); });
  QObject::connect(&exchange, &AirExchange::listenFailed, [&](const QString& why) {
    listenFailed = true;
    PrintError(Fill(CliText("Cannot listen for the board's reply: %1."), {ToStd(why)}));
  });
  QObject::connect(&exchange, &AirExchange::replyHeard, [&](const QString& text) {
    Say("reply", text.isEmpty() ? CliText("reply: none heard") : "reply: " + ToStd(text), {{"reply", text}});
  });
  QObject::connect(&exchange, &AirExchange::airEntryWritten, [&](int command, const QString& digits) {
    Say("air-entry",
        Fill(CliText("history: command %1 is now %2 (sent over the air, not confirmed; a READ confirms it)"),
             {std::to_string(command), ToStd(digits)}),
        {{"command", command}, {"digits", digits}});
  });
  QObject::connect(&exchange, &AirExchange::airEntryFailed, [&](const QString& why) {
    PrintError(Fill(CliText("The board history cannot be written: %1"), {ToStd(why)}));
  });
  QObject::connect(&exchange, &AirExchange::done, [] { QCoreApplication::exit(0); });
  QObject::connect(&signals, &SignalQuit::signalled, [&](int number) {
    if (!exchange.active()) {
      QCoreApplication::exit(0);
      return;
    }
    // Released first; a monitor or a listener under way ends without its verdict.
    exchange.stop(Fill(CliText("stopped by signal %1"), {std::to_string(number)}));
  });
  std::optional<std::string> refused;
  // From inside the loop, so that an answer that comes at once can end it.
  QTimer::singleShot(0, [&] {
    refused = exchange.start(request);
    if (refused) QCoreApplication::exit(0);
  });
  QCoreApplication::exec();
  link.shutdown();
  if (refused) {
    PrintError(Fill(CliText("Cannot monitor the transmission: %1. Nothing was sent."), {*refused}));
    return kExitRefused;
  }
  if (signals.received()) {
    PrintError(StoppedBySignalText(signals.received(), !exchange.releaseFailed() && !chosen.ptt.stateUnknown()));
    return 128 + signals.received();
  }
  if (pttTest) return keyed && released ? kExitOk : kExitRefused;
  return completed && messages.count == 0 && monitorTaken && !listenFailed ? kExitOk : kExitRefused;
}

AirRequest SendingFrom(const ConfigFileContent& file) {
  const DecoderConfig& config = file.config;
  AirRequest request;
  if (const auto port = PortNumberFromText(file.txtPrgComm)) {
    request.port = "COM" + std::to_string(*port);
    request.portDevice = PortFromPortsIni(ToStd(SettingsFolder()), *port).device;
  }
  request.modifierId = config.txtSeqCmd;
  request.checksumId = config.txtCrcTag;
  const auto wpm = StrictNumber(config.txtMorseSpeed);
  if (wpm && *wpm >= 14 && *wpm <= 150) request.replyDotMs = MorseDotMs(*wpm);
  const EncodeResult image = ValidateAndEncode(config);
  if (image.ok()) request.fieldsImage = image.image;
  return request;
}

int RunSendAs(const QStringList& args, const AirRequest& base) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      CliTr("Plays a DTMF sequence on the sound card as Send Sequence does, keying the transmitter\n"
            "as chosen (or as the Station setup stored it), and prints the completion text.\n"
            "The transmitter is released on every way out, Ctrl+C and SIGTERM included."));
  parser.addPositionalArgument("SEQUENCE", CliTr("DTMF digits 0-9, *, #, A-D; spaces for pauses."));
  TimingOptions timing;
  timing.addTo(parser);
  PttOptions pttOptions;
  pttOptions.addTo(parser);
  const QCommandLineOption txDelay("tx-delay-ms",
                                   CliTr("Time between keying and the first tone (20-2000; default 200)."), "N", "200");
  const QCommandLineOption device(
      "audio-device", CliTr("Play on this device (see audio-devices); default: the Station setup's, or the default."),
      "NAME");
  const QCommandLineOption txLimit(
      "tx-limit", CliTr("Stop and release after N s keyed (0: no limit; default: the Station setup's)."), "N");
  const QCommandLineOption tail("tail-ms",
                                CliTr("How long PTT stays keyed after the sound, 0-2000 ms (default: the Station "
                                      "setup's, 40)."),
                                "N");
  const QCommandLineOption monitor(
      "monitor",
      CliTr("Record the transmission on the input device while sending, then print what each digit measures and "
            "whether a receiver would take it (exit status 1 when one would be missed)."));
  const QCommandLineOption inputDevice(
      "input-device",
      CliTr("Monitor and listen on this device; default: the Station setup's, or the default."), "NAME");
  const QCommandLineOption monitorWav("monitor-wav", CliTr("With --monitor, also keep the recording in FILE.wav."),
                                      "FILE.wav");
  const QCommandLineOption listenReply(
      "listen-reply",
      CliTr("After the send, listen for the board's Morse reply on the input device and print it (as the Station "
            "setup's \"listen for the reply\" does)."));
  const QCommandLineOption listenSeconds(
      "listen-seconds", CliTr("How long to listen for the reply, 1-120 s (default: the Station setup's)."), "N");
  parser.addOptions({txDelay, device, txLimit, tail, monitor, inputDevice, monitorWav, listenReply, listenSeconds});
  LevelOptions levelOptions;
  levelOptions.addTo(parser);
  if (auto exit = ParseArguments(parser, args)) return *exit;
  std::string sequence;
  if (auto exit = OneSequence(parser, sequence)) return *exit;
  const auto chosen = pttOptions.read(parser);
  if (!chosen) return kExitUsage;

  const SendTiming t = timing.read(parser, ToStd(parser.value(txDelay)));
  WarnAboutSilentCharacters(sequence);

  SignalQuit signals;
  ConsoleMessages messages;
  ChosenPtt chosenPtt(*chosen, messages);
  if (chosen->enabled && !chosenPtt.enable(chosen->portText)) return kExitRefused;

  const StationSettings station = ReadStationSettings(SettingsFolder());
  const std::string deviceName = parser.isSet(device) ? ToStd(parser.value(device)) : station.outputDevice;
  int limitSeconds = station.txLimitSeconds;
  if (parser.isSet(txLimit)) {
    bool ok = false;
    limitSeconds = parser.value(txLimit).toInt(&ok);
    if (!ok || limitSeconds < 0 || limitSeconds > kMaxTxLimitSeconds) {
      PrintError(Fill(CliText("--tx-limit takes a number of seconds from 0 (no limit) to %1."),
                      {std::to_string(kMaxTxLimitSeconds)}));
      return kExitUsage;
    }
  }
  int tailMs = station.tailMs;
  if (parser.isSet(tail)) {
    bool ok = false;
    tailMs = parser.value(tail).toInt(&ok);
    if (!ok || tailMs < 0 || tailMs > kMaxTailMs) {
      PrintError(Fill(CliText("--tail-ms takes a number of ms from 0 to %1."), {std::to_string(kMaxTailMs)}));
      return kExitUsage;
    }
  }
  const auto levels = levelOptions.read(parser, station.levels);
  if (!levels) return kExitUsage;
  if (!parser.isSet(monitor) && parser.isSet(monitorWav)) {
    PrintError(CliText("--monitor-wav goes with --monitor."));
    return kExitUsage;
  }
  AirRequest request = base;
  request.applyStation(station);
  request.sequence = sequence;
  request.timing = t;
  // The Station setup's monitor and listening apply as in the window; the
  // options add them. A monitor asked for here must start, or nothing is sent.
  request.monitor = request.monitor || parser.isSet(monitor);
  request.monitorRequired = parser.isSet(monitor);
  request.listen = request.listen || parser.isSet(listenReply);
  if (parser.isSet(inputDevice)) request.inputDevice = ToStd(parser.value(inputDevice));
  if (parser.isSet(listenSeconds)) {
    bool ok = false;
    const int seconds = parser.value(listenSeconds).toInt(&ok);
    if (!ok || seconds < 1 || seconds > 120) {
      PrintError(CliText("--listen-seconds takes a number of seconds from 1 to 120."));
      return kExitUsage;
    }
    request.listenFor = std::chrono::seconds(seconds);
  }
  StationSettings limits = station;
  limits.txLimitSeconds = limitSeconds;
  limits.tailMs = tailMs;
  limits.levels = *levels;
  return RunExchange(signals, messages, chosenPtt, {deviceName, limits, ToStd(parser.value(monitorWav))}, request);
}

}  // namespace tonalis::cli
