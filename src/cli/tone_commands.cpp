// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/port_option.h"
#include "cli/ptt_options.h"
#include "config/command_names.h"
#include "config/decoder_image.h"
#include "i18n/language.h"
#include "storage/config_file.h"
#include "link/board_link.h"
#include "link/port_map.h"
#include "link/serial_ports.h"
#include "listen/dtmf_decoder.h"
#include "listen/dtmf_measure.h"
#include "listen/morse_decoder.h"
#include "listen/send_monitor.h"
#include "journal/journal.h"
#include "journal/journal_clock.h"
#include "listen/transmission_check.h"
#include "radio/signal_quit.h"
#include "radio/station_ptt.h"
#include "station/station_settings.h"
#include "storage/settings_folder.h"
#include "tone/device_thread.h"
#include "tone/portaudio_output.h"
#include "tone/send_fields.h"
#include "tone/sequence_sender.h"
#include "tone/synthesis.h"
#include "tone/wav_file.h"

namespace tonalis::cli {
namespace {

// The descriptions of the options below.
constexpr const char* kLevelHelp[] = {
    TONALIS_TEXT("The level, -40 to +6 dB from the usual amplitude (default: the Station setup's)."),
    TONALIS_TEXT("The high tone's level above the low one's, -10 to +10 dB (default: the Station setup's)."),
};
constexpr const char* kTimingHelp[] = {
    TONALIS_TEXT("Digit duration in ms (at least 25; default 50)."),
    TONALIS_TEXT("Pause between digits in ms (at least 15; default 50)."),
    TONALIS_TEXT("Pause for each space in ms (at least 25; default 1000)."),
};
// What a corrected timing says, and how a number option is refused.
constexpr const char* kCorrected = TONALIS_TEXT("%1 '%2' corrected to %3 ms");
constexpr const char* kTimingNames[] = {TONALIS_TEXT("digit duration"), TONALIS_TEXT("pause between digits"),
                                        TONALIS_TEXT("pause for a space"), TONALIS_TEXT("TX delay")};
constexpr const char* kTakesDb = TONALIS_TEXT("--%1 takes a number of dB.");

// The output's level and twist: the Station setup's unless given here.
struct LevelOptions {
  QCommandLineOption level{"level-db", CliTr(kLevelHelp[0]), "DB"};
  QCommandLineOption twist{"twist-db", CliTr(kLevelHelp[1]), "DB"};
  void addTo(QCommandLineParser& parser) { parser.addOptions({level, twist}); }
  // Nothing, said on standard error, when they cannot be played.
  std::optional<ToneLevels> read(const QCommandLineParser& parser, const ToneLevels& station) const {
    ToneLevels levels = station;
    for (auto [option, value] : {std::pair{&level, &levels.levelDb}, std::pair{&twist, &levels.twistDb}}) {
      if (!parser.isSet(*option)) continue;
      bool ok = false;
      *value = FiniteDouble(parser.value(*option), &ok);
      if (!ok) {
        PrintError(Fill(CliText(kTakesDb), {ToStd(option->names().first())}));
        return std::nullopt;
      }
    }
    if (const auto problem = ToneLevelsProblem(levels, TrStd)) {
      PrintError(*problem);
      return std::nullopt;
    }
    return levels;
  }
};

struct TimingOptions {
  QCommandLineOption digit{"digit-ms", CliTr(kTimingHelp[0]), "N", "50"};
  QCommandLineOption gap{"gap-ms", CliTr(kTimingHelp[1]), "N", "50"};
  QCommandLineOption pause{"pause-ms", CliTr(kTimingHelp[2]), "N", "1000"};

  void addTo(QCommandLineParser& parser) { parser.addOptions({digit, gap, pause}); }

  // The corrected timing, with every correction reported on stderr as the
  // window shows it by rewriting the field.
  SendTiming read(const QCommandLineParser& parser, const std::string& txDelay = "200") const {
    SendTimingTexts texts;
    texts.digitMs = ToStd(parser.value(digit));
    texts.gapMs = ToStd(parser.value(gap));
    texts.pauseMs = ToStd(parser.value(pause));
    texts.txDelayMs = txDelay;
    const SendTiming timing = CorrectSendTiming(texts);
    auto report = [](const char* what, const std::string& before, const std::string& after) {
      if (before != after) std::cerr << Fill(CliText(kCorrected), {CliText(what), before, after}) << '\n';
    };
    report(kTimingNames[0], texts.digitMs, timing.texts.digitMs);
    report(kTimingNames[1], texts.gapMs, timing.texts.gapMs);
    report(kTimingNames[2], texts.pauseMs, timing.texts.pauseMs);
    report(kTimingNames[3], texts.txDelayMs, timing.texts.txDelayMs);
    return timing;
  }
};

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

class ConsoleMessages : public MessageSink {
 public:
  void showMessage(const UserMessage& message) override {
    PrintMessage(message);
    ++count;
  }
  int count = 0;
};

// The PTT a command keys, as its options (or the station) chose it.
struct ChosenPtt {
  ChosenPtt(const PttOptions::Choice& choice, MessageSink& messages)
      : link(progress, messages, choice.resolver), ptt(link, messages) {
    ptt.setChoice(choice.ptt);
  }
  // Ticks the PTT box; false (and said) when its port cannot be opened.
  bool enable(const std::string& portText) {
    link.setPttTicked(true, portText);
    return link.pttEnabled();
  }
  SilentProgress progress;
  BoardLink link;
  StationPtt ptt;
};

// The one sound file a decoding command takes, at a rate the decoders take.
std::optional<int> ReadSoundArgument(const QCommandLineParser& parser, SoundFile& file) {
  QString path;
  if (auto exit = RequireOnePositional(parser, path)) return *exit;
  file = ReadSoundFile(ToStd(path), 8000, 48000);
  if (!file.error.empty()) {
    PrintError(file.error);
    return kExitUsage;
  }
  if (!file.warning.empty()) PrintError(file.warning);
  return std::nullopt;
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

}  // namespace

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

// Plays what `start` asks the sender for, keyed as chosen, through to the
// release: the completion text on standard output (a failure on standard
// error), Ctrl+C and SIGTERM stopping it; the exit status.
// What a send's own transmission is checked against, heard on an input device.
struct MonitorChoice {
  std::string device;
  std::string sequence;
  std::string wav;  // where the recording is kept; empty: nowhere
  SampleCounts counts{};  // the sequence's layout, for a send stopped part way
};

// A send of send-command is journalled as the command it is.
std::optional<JournalRecord> gCommandRecord;

// Appends to the journal; a journal that cannot be written is said, and the send's outcome stands.
void Journal(const JournalRecord& record) {
  if (const auto error = AppendJournalRecord(JournalFolder(ToStd(SettingsFolder())), record))
    PrintError(Fill(CliText("the journal of sends cannot be written: %1"), {*error}));
}

int PlayKeyed(SignalQuit& signals, ConsoleMessages& messages, ChosenPtt& chosenPtt, const std::string& deviceName,
              int limitSeconds, int tailMs, const ToneLevels& levels, const std::function<void(SequenceSender&)>& start,
              JournalRecord record, const std::optional<MonitorChoice>& monitorChoice = std::nullopt) {
  record.ptt = JournalPtt(chosenPtt.link.pttEnabled(), chosenPtt.ptt.choice());
  BoardLink& link = chosenPtt.link;
  StationPtt& ptt = chosenPtt.ptt;
  TonePlayer player(std::make_shared<PortAudioOutput>(deviceName), messages);
  SequenceSender sender(player, ptt, messages);
  sender.setTxLimit(std::chrono::seconds(limitSeconds));
  sender.setLevels(levels);
  sender.setTail(std::chrono::milliseconds(tailMs));
  PortAudioInput input;
  SendMonitor monitor(input);
  bool monitorTaken = true;
  if (monitorChoice) {
    // Recording starts before the transmitter is keyed; without it nothing is sent.
    if (const auto error = monitor.start(monitorChoice->device)) {
      PrintError(Fill(CliText("Cannot monitor the transmission: %1. Nothing was sent."), {*error}));
      link.shutdown();
      return kExitRefused;
    }
    QObject::connect(&monitor, &SendMonitor::recorded,
                     [&](const std::vector<std::int16_t>& samples, int rate, bool truncated) {
                       if (!monitorChoice->wav.empty())
                         if (const auto error = WriteWav(monitorChoice->wav, samples.data(),
                                                         static_cast<std::int64_t>(samples.size()), rate))
                           PrintError(*error);
                       // A send stopped part way is judged on what it put on the air.
                       const std::string sent =
                           sender.wasStopped() ? CharactersStartedWithin(OneBytePerCharacter(monitorChoice->sequence),
                                                                         monitorChoice->counts, player.playedSamples())
                                               : monitorChoice->sequence;
                       const TransmissionCheck check(samples.data(), samples.size(), rate, sent);
                       std::cout << MeasureTable(check.heard()) << check.report(TrStd)
                                 << "monitor: " << check.summary(TrStd) << std::endl;
                       if (truncated)
                         std::cout << "monitor: " << CliText("only the first ten minutes were recorded") << std::endl;
                       monitorTaken = check.allTaken();
                       JournalRecord verdict = record;
                       verdict.kind = "monitor";
                       verdict.monitor = check.summary();
                       Journal(verdict);
                       QCoreApplication::exit(0);
                     });
  }
  bool completed = false;
  QObject::connect(&sender, &SequenceSender::finished, [&](const QString& text, bool played) {
    completed = played;
    record.result = SendResult(played, sender.wasStopped());
    record.detail = text.toStdString();
    Journal(record);
    if (!signals.received()) (played ? std::cout : std::cerr) << ForTerminal(text.toStdString()) << std::endl;
    if (monitor.recording() && !signals.received())
      monitor.finish();  // what is still on its way to the input
    else
      QCoreApplication::exit(0);
  });
  QObject::connect(&signals, &SignalQuit::signalled, [&](int number) {
    if (sender.busy())
      sender.stop(Fill(CliText("stopped by signal %1"), {std::to_string(number)}));
    else
      QCoreApplication::exit(0);
  });
  start(sender);
  QCoreApplication::exec();
  link.shutdown();
  if (signals.received()) {
    PrintError(StoppedBySignalText(signals.received(), !sender.releaseFailed() && !ptt.stateUnknown()));
    return 128 + signals.received();
  }
  monitor.cancel();
  return completed && messages.count == 0 && monitorTaken ? kExitOk : kExitRefused;
}

int RunSend(const QStringList& args) {
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
      "input-device", CliTr("Monitor on this device; default: the Station setup's, or the default."), "NAME");
  const QCommandLineOption monitorWav("monitor-wav", CliTr("With --monitor, also keep the recording in FILE.wav."),
                                      "FILE.wav");
  parser.addOptions({txDelay, device, txLimit, tail, monitor, inputDevice, monitorWav});
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
  if (!parser.isSet(monitor) && (parser.isSet(inputDevice) || parser.isSet(monitorWav))) {
    PrintError(CliText("--input-device and --monitor-wav go with --monitor."));
    return kExitUsage;
  }
  std::optional<MonitorChoice> monitorChoice;
  if (parser.isSet(monitor))
    monitorChoice = MonitorChoice{parser.isSet(inputDevice) ? ToStd(parser.value(inputDevice)) : station.inputDevice,
                                  sequence, ToStd(parser.value(monitorWav)),
                                  CalcSampleCounts(t.digitSeconds, t.gapSeconds, t.pauseSeconds)};
  JournalRecord record = gCommandRecord ? *gCommandRecord : NewJournalRecord("send");
  if (!gCommandRecord) record.what = sequence;
  record.timing = JournalTiming(t.texts);
  return PlayKeyed(signals, messages, chosenPtt, deviceName, limitSeconds, tailMs, *levels,
                   [&](SequenceSender& sender) { sender.send(sequence, t); }, record, monitorChoice);
}

int RunSendCommand(const QStringList& arguments) {
  // CONFIG and the command come first; the rest are send's own options.
  const QStringList args = arguments.mid(1);  // after the command's own name
  if (args.isEmpty() || args.first() == "--help" || args.first() == "-h" || args.size() < 2 ||
      args[0].startsWith("-") || args[1].startsWith("-")) {
    const bool asked = !args.isEmpty() && (args.first() == "--help" || args.first() == "-h");
    (asked ? std::cout : std::cerr) << CliText(
        "Usage: tonalis-cli send-command CONFIG.prg N|NAME [send options]\n"
        "Sends a command of a configuration over the air, exactly as send does with its digits.\n"
        "N is its number (0-15); NAME its name as the window labels it, in any case, whole or a\n"
        "part of one name only: \"Output 1 ON\", status. The options are send's (tonalis-cli send\n"
        "--help): timings, PTT, --monitor and the rest.\n");
    return asked ? kExitOk : kExitUsage;
  }
  const ConfigFileLoad load = ReadConfigFile(ToStd(args[0]));
  if (!load.ok()) {
    PrintLoadError(args[0], load.error);
    return kExitUsage;
  }
  std::string why;
  const auto n = FindCommand(ToStd(args[1]), &why);
  if (!n) {
    PrintError(why);
    return kExitUsage;
  }
  const std::string digits = load.content.config.txtMem[static_cast<std::size_t>(*n)];
  if (digits.empty()) {
    PrintError(Fill(CliText("Command %1 is empty in %2: nothing to send."), {CommandLabel(*n, TrStd), ToStd(args[0])}));
    return kExitRefused;
  }
  std::cerr << Fill(CliText("command %1: %2"), {CommandLabel(*n, TrStd), digits}) << '\n';
  const StationSettings station = ReadStationSettings(SettingsFolder());
  const DecoderConfig& config = load.content.config;
  gCommandRecord = NewJournalRecord("command");
  gCommandRecord->what = "command " + CommandLabel(*n) + " (" +
                         (station.maskKeys ? MaskKeys(digits, config.txtSeqCmd, config.txtCrcTag) : digits) + ")";
  return RunSend(QStringList{"send", QString::fromStdString(digits)} + args.mid(2));
}

int RunTone(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      CliTr("Plays a steady sine with the transmitter keyed as chosen (or as the Station setup stored\n"
            "it), to set the transmitter's deviation and the sound card's mixer; Ctrl+C stops it.\n"
            "Levels are the sine's peak in dBFS (a sine of peak A is 20 log10(A/32768) dBFS); the\n"
            "default is the peak of one DTMF tone. The manual tells the Bessel-null method."));
  PttOptions pttOptions;
  pttOptions.addTo(parser);
  const QCommandLineOption hz("hz", CliTr("The tone, 100-3500 Hz (default 1000)."), "F", "1000");
  const QCommandLineOption seconds("seconds", CliTr("How long, up to 600 s (default 10)."), "N", "10");
  const QCommandLineOption level("level", CliTr("The peak, -60 to 0 dBFS (default -10.3)."), "DBFS", "-10.3");
  const QCommandLineOption device("audio-device",
                                  CliTr("Play on this device; default: the Station setup's, or the default."), "NAME");
  parser.addOptions({hz, seconds, level, device});
  if (auto exit = ParseArguments(parser, args)) return *exit;
  bool ok1 = false, ok2 = false, ok3 = false;
  const double frequency = FiniteDouble(parser.value(hz), &ok1), length = FiniteDouble(parser.value(seconds), &ok2),
               peak = FiniteDouble(parser.value(level), &ok3);
  const RenderedSequence check = ok1 && ok2 && ok3 ? RenderTone(frequency, 0.01, peak) : RenderedSequence{};
  if (!ok1 || !ok2 || !ok3 || !check.error.empty() || !(length > 0 && length <= kMaxCalibrationSeconds)) {
    PrintError(CliText("--hz takes 100 to 3500, --seconds up to 600, --level -60 to 0 dBFS."));
    return kExitUsage;
  }
  const auto chosen = pttOptions.read(parser);
  if (!chosen) return kExitUsage;
  SignalQuit signals;
  ConsoleMessages messages;
  ChosenPtt chosenPtt(*chosen, messages);
  if (chosen->enabled && !chosenPtt.enable(chosen->portText)) return kExitRefused;
  const StationSettings station = ReadStationSettings(SettingsFolder());
  const std::string deviceName = parser.isSet(device) ? ToStd(parser.value(device)) : station.outputDevice;
  // A tone longer than the TX limit is stopped by it, as a send is.
  JournalRecord record = NewJournalRecord("calibration-tone");
  record.what = QString::asprintf("%g Hz for %g s at %.1f dBFS", frequency, length, peak).toStdString();
  return PlayKeyed(signals, messages, chosenPtt, deviceName, station.txLimitSeconds, station.tailMs, station.levels,
                   [&](SequenceSender& sender) { sender.sendTone(frequency, length, peak, 200); }, record);
}

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
  BoardLink& link = chosenPtt.link;
  StationPtt& ptt = chosenPtt.ptt;
  if (!chosenPtt.enable(chosen->portText)) return kExitRefused;

  // The station's TX time limit holds for the test as for a send.
  const int limit = ReadStationSettings(SettingsFolder()).txLimitSeconds;
  const int holdSeconds = limit > 0 ? std::min(keySeconds, limit) : keySeconds;
  if (holdSeconds < keySeconds)
    std::cerr << Fill(CliText("keyed for %1 s only: the Station setup's TX time limit"), {std::to_string(holdSeconds)})
              << std::endl;
  bool keyed = false;
  bool released = false;
  QTimer hold;
  hold.setSingleShot(true);
  bool releasing = false;
  auto release = [&] {
    hold.stop();
    if (std::exchange(releasing, true)) return;
    ptt.setPtt(false, [&](bool done) {
      released = done;
      std::cout << (done ? CliText("released") : CliText("NOT released: check the transmitter")) << std::endl;
      QCoreApplication::exit(0);
    });
  };
  QObject::connect(&hold, &QTimer::timeout, release);
  QObject::connect(&signals, &SignalQuit::signalled, [&](int) {
    if (keyed) release();  // otherwise the key's answer comes first, and releases
  });
  std::cout << Fill(CliText("keying %1 for %2 s"), {DescribePtt(chosen->ptt), std::to_string(keySeconds)}) << std::endl;
  // From inside the loop, so that an answer that comes at once can end it.
  QTimer::singleShot(0, [&] {
    ptt.setPtt(true, [&](bool done) {
      keyed = done;
      if (!done) {
        // The reason is on standard error.
        std::cout << (ptt.stateUnknown() ? CliText("keyed state unknown: check the transmitter") : CliText("not keyed"))
                  << std::endl;
        release();  // a key that failed may have keyed all the same
        return;
      }
      std::cout << CliText("keyed") << std::endl;
      if (signals.received())
        release();
      else
        hold.start(std::chrono::seconds(holdSeconds));
    });
  });
  QCoreApplication::exec();
  link.shutdown();
  JournalRecord record = NewJournalRecord("ptt-test");
  record.what = "keyed for " + std::to_string(holdSeconds) + " s";
  record.ptt = DescribePtt(chosen->ptt);
  record.result = keyed && released && !signals.received() ? "completed" : signals.received() ? "stopped" : "failed";
  record.detail = std::string(keyed ? "keyed" : "not keyed") + (released ? ", released" : ", NOT released");
  Journal(record);
  if (signals.received()) {
    PrintError(StoppedBySignalText(signals.received(), released && !ptt.stateUnknown()));
    return 128 + signals.received();
  }
  return keyed && released ? kExitOk : kExitRefused;
}

int RunJournal(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      CliTr("Prints the journal of sends (the window's and the command line's), oldest first: each with\n"
            "its local time, what was sent, how PTT was keyed, the result, and the board's reply and what\n"
            "the monitor heard when there were any. The Modifier ID and Checksum ID show as * unless the\n"
            "Station setup says otherwise ([journal] mask_keys=false in station.ini)."));
  const QCommandLineOption since("since", CliTr("Only the sends of this day (local time) and later."), "YYYY-MM-DD");
  const QCommandLineOption csv("csv", CliTr("As CSV, a header first, every field."));
  parser.addOptions({since, csv});
  if (auto exit = ParseArguments(parser, args)) return *exit;
  const std::string from = ToStd(parser.value(since));
  if (parser.isSet(since) && !QDate::fromString(parser.value(since), "yyyy-MM-dd").isValid()) {
    PrintError(CliText("--since takes a date as YYYY-MM-DD."));
    return kExitUsage;
  }
  std::string error;
  std::vector<JournalRecord> records = ReadJournal(JournalFolder(ToStd(SettingsFolder())), &error);
  if (!error.empty()) PrintError(error);
  records.erase(std::remove_if(records.begin(), records.end(),
                               [&](const JournalRecord& r) { return !from.empty() && r.local.substr(0, 10) < from; }),
                records.end());
  if (parser.isSet(csv)) {
    std::cout << JournalCsv(records);
    return kExitOk;
  }
  for (const auto& r : records) {
    std::cout << r.local << "  " << r.kind << "  " << r.what << "  " << r.result;
    if (!r.reply.empty()) std::cout << "  " << Fill(CliText("reply: %1"), {r.reply});
    if (!r.monitor.empty()) std::cout << "  " << Fill(CliText("monitor: %1"), {r.monitor});
    std::cout << '\n';
  }
  return kExitOk;
}

int RunSerialPorts(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      CliTr("Lists the serial ports as the Station dialog does: device, the name that survives replugging,\n"
            "description, manufacturer, serial number, and whether you may open it."));
  if (auto exit = ParseArguments(parser, args)) return *exit;
  const auto ports = ListSerialPorts();
  if (ports.empty()) std::cout << CliText("No serial ports.") << '\n';
  // Each line's label, its values lined up after the longest label.
  const std::string labels[] = {CliText("stable name:"), CliText("description:"), CliText("manufacturer:"),
                                CliText("serial number:"), CliText("access:")};
  std::size_t width = 0;
  auto length = [](const std::string& text) { return static_cast<std::size_t>(QString::fromStdString(text).size()); };
  for (const auto& label : labels) width = std::max(width, length(label) + 1);
  auto line = [&](int which, const std::string& value) {
    if (value.empty()) return;
    const std::string& label = labels[which];
    std::cout << "  " << label << std::string(width - length(label), ' ') << value << '\n';
  };
  for (const auto& p : ports) {
    std::cout << p.device << '\n';
    line(0, p.stablePath);
    line(1, p.description);
    line(2, p.manufacturer);
    line(3, p.serialNumber);
    line(4, p.problem.empty() ? CliText("can be opened") : p.problem);
  }
  PortMap map;
  if (const auto unreadable = ReadPortsIni(QFile::encodeName(SettingsFolder()).toStdString(), map)) {
    PrintError(*unreadable);
  } else {
    for (const auto& [number, device] : map.devices) std::cout << "COM" << number << " = " << device << '\n';
    if (!map.problems.empty()) std::cerr << CliText("ports.ini: lines not understood:") << '\n' << map.problemText();
  }
  return kExitOk;
}

int RunAudioDevices(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(CliTr("Lists the sound devices as the tool sees them."));
  if (auto exit = ParseArguments(parser, args)) return *exit;
  auto& session = PortAudioSession::instance();
  if (session.error() != 0) {
    PrintError(Fill(CliText("The sound system could not start: %1"), {Pa_GetErrorText(session.error())}));
    return kExitRefused;
  }
  const auto devices = session.devices();
  if (devices.empty()) std::cout << CliText("No sound devices.") << '\n';
  if (const auto warning = SoundCardWarning(HasInputDevice(), TrStd)) PrintMessage(*warning);
  // Outputs go to the radio, inputs come from the receiver.
  for (const bool input : {false, true}) {
    std::cout << (input ? CliText("Input devices (from the receiver):") : CliText("Output devices (to the radio):"))
              << '\n';
    for (const auto& d : devices) {
      if ((input ? d.inputs : d.outputs) == 0) continue;
      const bool isDefault = input ? d.defaultInput : d.defaultOutput;
      std::cout << (isDefault ? "* " : "  ")
                << Fill(CliText("%1  [%2; %3 out, %4 in]"),
                        {d.name, d.hostApi, std::to_string(d.outputs), std::to_string(d.inputs)})
                << '\n';
    }
  }
  return kExitOk;
}

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
