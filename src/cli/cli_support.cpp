// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_support.h"

#include <cmath>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <iostream>

#include "i18n/language.h"
#include "radio/signal_quit.h"
#include "station/station_settings.h"
#include "storage/settings_folder.h"

#include "storage/atomic_file.h"
#include "storage/config_file.h"
#include "tone/wav_file.h"

namespace tonalis::cli {

QString CliTr(const char* text) { return QCoreApplication::translate("tonalis::cli", text); }
std::string CliText(const char* text) { return ToStd(CliTr(text)); }

std::optional<int> SetUpLanguage(QStringList& args) {
  const QString choice = TakeLanguageOption(args);
  if (!IsLanguageChoice(choice)) {
    PrintError(Fill("tonalis-cli speaks en or it, not '%1'.", {ToStd(choice)}));
    return kExitUsage;
  }
  const QString language =
      ChooseLanguage(choice, QString::fromStdString(ReadStationSettings(SettingsFolder()).language), QLocale::system());
  if (const auto why = InstallTranslations(*QCoreApplication::instance(), language)) PrintError(*why);
  SetMessageTranslation(TrStd);
  return std::nullopt;
}

std::optional<int> ParseArguments(QCommandLineParser& parser, const QStringList& args) {
  // Qt's own help option speaks English where Qt has no translation of it.
  const QCommandLineOption help({"h", "help"}, CliTr("Shows this help."));
  parser.addOption(help);
  if (!parser.parse(args)) {
    PrintError(ToStd(parser.errorText()) + "\n" + Fill(CliText("Try '%1 --help'."), {ToStd(args.value(0))}));
    return kExitUsage;
  }
  if (parser.isSet(help)) {
    // Qt names the program as it was started (in its usage line, in any
    // language); the command belongs there too.
    QString text = parser.helpText();
    const QString program = QCoreApplication::arguments().value(0);
    const int at = text.indexOf(program);
    if (!program.isEmpty() && at >= 0 && at < text.indexOf('\n'))
      text.replace(at, program.size(), "tonalis-cli " + args.value(0));
    std::cout << ToStd(text);
    return kExitOk;
  }
  return std::nullopt;
}

std::optional<int> RequireOnePositional(const QCommandLineParser& parser, QString& out) {
  const QStringList positional = parser.positionalArguments();
  if (positional.size() != 1) {
    PrintError(positional.isEmpty() ? CliText("A file name is missing. Try --help.")
                                    : CliText("Too many arguments. Try --help."));
    return kExitUsage;
  }
  out = positional.first();
  return std::nullopt;
}

double FiniteDouble(const QString& text, bool* ok) {
  const double value = text.toDouble(ok);
  if (!std::isfinite(value)) *ok = false;
  return value;
}

std::string ToStd(const QString& s) { return s.toStdString(); }

std::string ForTerminal(std::string text) {
  for (std::size_t at; (at = text.find(kCrLf)) != std::string::npos;) text.replace(at, 2, "\n");
  return text;
}

void PrintMessage(const UserMessage& message) {
  std::cerr << ForTerminal(message.text) << '\n';
  if (JsonEvents()) PrintEvent("message", {{"text", QString::fromStdString(ForTerminal(message.text))}});
}

void PrintError(const std::string& text) {
  std::cerr << "tonalis-cli: " << text << '\n';
  if (JsonEvents()) PrintEvent("error", {{"text", QString::fromStdString(text)}});
}

void PrintLoadError(const QString& path, const std::string& why) {
  PrintError(Fill(CliText("Unable to load data file %1: %2"), {ToStd(path), why}));
}

std::optional<int> LoadAndEncode(const QString& configPath, EncodeResult& encoded) {
  const ConfigFileLoad load = ReadConfigFile(ToStd(configPath));
  if (!load.ok()) {
    PrintLoadError(configPath, load.error);
    return kExitUsage;
  }
  encoded = ValidateAndEncode(load.content.config, TrStd);
  if (!encoded.ok()) {
    PrintMessage(*encoded.refusal);
    return kExitRefused;
  }
  return std::nullopt;
}

int WriteOutput(const QString& path, const std::string& content) {
  if (path.isEmpty()) {
    std::cout.write(content.data(), static_cast<std::streamsize>(content.size()));
    std::cout.flush();
    return std::cout ? kExitOk : kExitUsage;
  }
  if (const auto error = WriteFileAtomically(ToStd(path), content)) {
    PrintError(*error);
    return kExitUsage;
  }
  return kExitOk;
}

std::optional<int> OpenSoundArgument(const QCommandLineParser& parser, std::unique_ptr<SoundReader>& file) {
  QString path;
  if (auto exit = RequireOnePositional(parser, path)) return *exit;
  std::string error, warning;
  file = SoundReader::Open(ToStd(path), 8000, 48000, error, warning);
  if (!file) {
    PrintError(error);
    return kExitUsage;
  }
  if (!warning.empty()) PrintError(warning);
  return std::nullopt;
}

bool ReadListenSeconds(const QCommandLineParser& parser, const QCommandLineOption& option, qint64& seconds) {
  seconds = 0;
  if (!parser.isSet(option)) return true;
  bool ok = false;
  seconds = parser.value(option).toLongLong(&ok);
  if (ok && seconds >= 1 && seconds <= 31536000) return true;
  PrintError(CliText("--seconds takes a number of seconds from 1 to 31536000."));
  return false;
}

qint64 ListenUntilStopped(qint64 seconds, const std::function<void()>& stop) {
  SignalQuit signals;
  QElapsedTimer started;
  started.start();
  auto end = [&] {
    stop();
    QCoreApplication::exit(0);
  };
  QObject::connect(&signals, &SignalQuit::signalled, end);
  // Longer than one timer counts: a day at a time.
  QTimer limit;
  limit.setSingleShot(true);
  auto waitOn = [&] {
    const qint64 left = seconds * 1000 - started.elapsed();
    if (left <= 0)
      end();
    else
      limit.start(static_cast<int>(std::min<qint64>(left, 86400000)));
  };
  QObject::connect(&limit, &QTimer::timeout, waitOn);
  if (seconds > 0) waitOn();
  QCoreApplication::exec();
  return started.elapsed() / 1000;
}

namespace {

// Standard output while events are printed: each line written to it is a
// progress event; the events themselves go straight to the terminal's buffer.
class LineEvents : public std::streambuf {
 public:
  explicit LineEvents(std::streambuf* out) : out_(out) {}
  // A line printed but not ended yet goes out as a progress event.
  void flushLine() {
    if (line_.empty()) return;
    std::string text;
    text.swap(line_);
    write("progress", {{"text", QString::fromStdString(text)}});
  }
  void write(const char* event, QJsonObject fields) {
    // "event" first, as a reader's eye expects it; the other fields after it.
    fields.remove("event");
    const QByteArray rest = QJsonDocument(fields).toJson(QJsonDocument::Compact);
    const QByteArray name = QJsonDocument(QJsonArray{QString(event)}).toJson(QJsonDocument::Compact);
    const QByteArray line =
        "{\"event\":" + name.mid(1, name.size() - 2) + (rest.size() > 2 ? "," + rest.mid(1) : "}") + "\n";
    out_->sputn(line.constData(), line.size());
    out_->pubsync();
  }

 protected:
  int overflow(int c) override {
    if (c == EOF) return 0;
    if (c == '\n')
      flushLine();
    else
      line_ += static_cast<char>(c);
    return c;
  }
  int sync() override { return 0; }

 private:
  std::streambuf* out_;
  std::string line_;
};

LineEvents* gEvents = nullptr;

}  // namespace

void BeginJsonEvents() {
  if (gEvents) return;
  gEvents = new LineEvents(std::cout.rdbuf());
  std::cout.rdbuf(gEvents);
}

bool JsonEvents() { return gEvents != nullptr; }

void PrintEvent(const char* event, QJsonObject fields) {
  if (!gEvents) return;
  gEvents->flushLine();
  gEvents->write(event, std::move(fields));
}

void Say(const char* event, const std::string& text, QJsonObject fields) {
  if (!gEvents) {
    std::cout << ForTerminal(text) << std::endl;
    return;
  }
  fields.insert("text", QString::fromStdString(ForTerminal(text)));
  PrintEvent(event, std::move(fields));
}

int EndJsonEvents(int exit) {
  if (!gEvents) return exit;
  std::cout.flush();
  gEvents->flushLine();
  PrintEvent("done", {{"exit", exit}});
  return exit;
}

}  // namespace tonalis::cli
