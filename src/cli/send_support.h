// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineParser>
#include <iostream>
#include <string>

#include "cli/cli_support.h"
#include "cli/ptt_options.h"
#include "exchange/air_exchange.h"
#include "i18n/language.h"
#include "link/board_link.h"
#include "radio/signal_quit.h"
#include "storage/config_file.h"
#include "radio/station_ptt.h"
#include "tone/send_fields.h"
#include "tone/synthesis.h"

// What the commands that put something on the air share: their options,
// the PTT they key, and the run of one exchange to its end.
namespace tonalis::cli {

inline constexpr const char* kLevelHelp[] = {
    TONALIS_TEXT("The level, -40 to +6 dB from the usual amplitude (default: the Station setup's)."),
    TONALIS_TEXT("The high tone's level above the low one's, -10 to +10 dB (default: the Station setup's)."),
};
inline constexpr const char* kTimingHelp[] = {
    TONALIS_TEXT("Digit duration in ms (at least 25; default 50)."),
    TONALIS_TEXT("Pause between digits in ms (at least 15; default 50)."),
    TONALIS_TEXT("Pause for each space in ms (at least 25; default 1000)."),
};
// What a corrected timing says, and how a number option is refused.
inline constexpr const char* kCorrected = TONALIS_TEXT("%1 '%2' corrected to %3 ms");
inline constexpr const char* kTimingNames[] = {TONALIS_TEXT("digit duration"), TONALIS_TEXT("pause between digits"),
                                        TONALIS_TEXT("pause for a space"), TONALIS_TEXT("TX delay")};
inline constexpr const char* kTakesDb = TONALIS_TEXT("--%1 takes a number of dB.");

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

// What a stop by a signal says, released or not.
std::string StoppedBySignalText(int number, bool released);

// Characters the player plays as silence: worth a word to a command-line user.
void WarnAboutSilentCharacters(const std::string& sequence);

// The one sequence a command takes; the exit status when there is not one.
std::optional<int> OneSequence(const QCommandLineParser& parser, std::string& sequence);

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

// How one exchange is run: the sound device, the station's limits, where
// the monitor's recording is kept (empty: nowhere).
struct ExchangeSetup {
  std::string device;
  StationSettings station;
  std::string monitorWav;
};

// Runs `request` to its end, keyed through `chosen`: the events as they
// happen (lines, or JSON with --json), Ctrl+C and SIGTERM stopping it, the
// journal written; the exit status.
int RunExchange(SignalQuit& signals, ConsoleMessages& messages, ChosenPtt& chosen, const ExchangeSetup& setup, AirRequest request);

// What a send from a configuration file knows of the board: its keys
// (masked in the journal), its Morse speed (for the reply), its content and
// its programming port (for a replacement's AIR entry).
AirRequest SendingFrom(const ConfigFileContent& file);

// send and what sends as it does (send-command, replace --send): `base`
// says what the sequence is; the sequence and send's options are in `args`.
int RunSendAs(const QStringList& args, const AirRequest& base);

}  // namespace tonalis::cli
