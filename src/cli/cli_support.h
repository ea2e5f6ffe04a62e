// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineParser>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "config/decoder_image.h"
#include "config/user_message.h"
#include "i18n/text.h"
#include "cli/sound_decoding.h"
#include "tone/wav_file.h"

namespace tonalis::cli {


// Parses `args` (the subcommand's name first). Returns an exit status when the
// subcommand must end now: after --help (0) or a usage error (2, reported).
std::optional<int> ParseArguments(QCommandLineParser& parser, const QStringList& args);

// Exactly one positional argument, or a usage error.
std::optional<int> RequireOnePositional(const QCommandLineParser& parser, QString& out);

std::string ToStd(const QString& s);

// A number given on the command line, as QString::toDouble reads it, but
// never NaN or an infinity (which pass range checks unseen): `ok` is false
// for those as for text that is no number.
double FiniteDouble(const QString& text, bool* ok);

// The command line's own texts in the program's language. lupdate reads both
// as tr() in the context of their namespace, tonalis::cli: a text inside a
// class is marked TONALIS_TEXT at namespace scope and translated where used.
QString CliTr(const char* text);
std::string CliText(const char* text);

// Chooses the command line's language (--language, taken out of `args`,
// else the Station setup's, else the system's) and installs it. A usage
// error's exit status when the choice is not a language it speaks.
std::optional<int> SetUpLanguage(QStringList& args);

// A message's text as a terminal shows it: CR LF line breaks become LF.
std::string ForTerminal(std::string text);

// A message on stderr with the text the window would show in its box.
void PrintMessage(const UserMessage& message);
void PrintError(const std::string& text);
// A configuration file that cannot be loaded, and why.
void PrintLoadError(const QString& path, const std::string& why);

// Loads a configuration file and checks it as PROGRAM does. On failure
// reports it and returns the exit status (2 for the file, 1 for a refusal).
std::optional<int> LoadAndEncode(const QString& configPath, EncodeResult& encoded);

// Writes `content` to `path` without leaving a half-written file, or to
// stdout when `path` is empty. Returns the exit status.
int WriteOutput(const QString& path, const std::string& content);

// The one sound file a decoding command takes, at a rate the decoders take,
// opened to be read a block at a time; the exit status when it cannot be
// (said).
std::optional<int> OpenSoundArgument(const QCommandLineParser& parser, std::unique_ptr<SoundReader>& file);

// A command that listens until stopped: --seconds N (1 s to a year) read
// into `seconds` (0 when not given); false when it is not one (said).
bool ReadListenSeconds(const QCommandLineParser& parser, const QCommandLineOption& option, qint64& seconds);
// Runs the event loop until Ctrl+C, SIGTERM (or another ending signal) or
// `seconds` (0: no limit), then calls `stop`; the seconds it ran.
qint64 ListenUntilStopped(qint64 seconds, const std::function<void()>& stop);

// --json: standard output becomes one JSON object a line, each an event
// with the human text inside it ("text"). Lines printed on standard output
// meanwhile become "progress" events, errors and messages (still on
// standard error too) "error" and "message" events; the last event is
// {"event":"done","exit":N}.
void BeginJsonEvents();
bool JsonEvents();
void PrintEvent(const char* event, QJsonObject fields = {});
// `text` as a line on standard output, or as the `event` holding it.
void Say(const char* event, const std::string& text, QJsonObject fields = {});
// The exit status, after the done event with --json.
int EndJsonEvents(int exit);

}  // namespace tonalis::cli
