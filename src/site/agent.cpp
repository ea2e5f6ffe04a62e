// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/agent.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSysInfo>

#include "i18n/language.h"
#include "site/interrupt.h"

namespace tonalis {
namespace {

const char* const kNotJson = TONALIS_TEXT("not a JSON object: %1");
const char* const kTooLong = TONALIS_TEXT("a line longer than %1 bytes: not read");
const char* const kNoCommand =
    TONALIS_TEXT("unknown command '%1': the agent runs %2, and stop");
const char* const kBadArgs = TONALIS_TEXT("\"args\" must be a list of texts");
const char* const kBusy = TONALIS_TEXT("request %1 is running: one at a time (stop it first)");
const char* const kNothingToStop = TONALIS_TEXT("nothing is running");
const char* const kFileOption =
    TONALIS_TEXT("%1 names a file or folder at the site: the agent writes only its own settings, journal and "
                 "history. Run the command without it (a READ's result comes back in its \"read\" event).");
const char* const kNoConfiguration =
    TONALIS_TEXT("\"prg\" holds the configuration's text, and \"-\" in \"args\" stands where its file would be");
const char* const kCannotStart = TONALIS_TEXT("the command could not be started at the site: %1");

// Options that name a file or a folder of the machine the command runs on.
const QStringList kFileOptions = {"-o",     "--output", "--log",         "--trace", "--image",
                                  "--history-dir", "--monitor-wav", "--link", "--csv"};

// The file option `arg` is, or nothing: "-o", "-oFILE", "--trace", "--trace=FILE".
QString FileOption(const QString& arg) {
  for (const QString& option : kFileOptions) {
    if (arg == option || (option.startsWith("--") && arg.startsWith(option + '='))) return option;
    if (!option.startsWith("--") && arg.startsWith(option) && arg.size() > option.size() && arg[1] != '-')
      return option;
  }
  return {};
}

// A request's id as a text: 7, "a".
QString IdText(const QJsonValue& id) {
  return QString::fromUtf8(QJsonDocument(QJsonArray{id}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
}

}  // namespace

const QStringList& Agent::Commands() {
  static const QStringList commands = {"identify", "read",    "program", "send",          "send-command",
                                       "replace",  "tone",    "ptt-test", "journal",      "history",
                                       "audio-devices", "serial-ports"};
  return commands;
}

Agent::Agent(QString program, Writer write, QObject* parent)
    : QObject(parent), program_(std::move(program)), write_(std::move(write)) {
  stopTimer_.setSingleShot(true);
  connect(&stopTimer_, &QTimer::timeout, this, [this] {
    if (process_) process_->kill();
  });
}

Agent::~Agent() {
  if (process_) {
    process_->disconnect(this);
    process_->kill();
    process_->waitForFinished(1000);
  }
}

void Agent::send(QJsonObject event, const QJsonValue& id) {
  if (!id.isUndefined()) event.insert("id", id);
  write_(QJsonDocument(event).toJson(QJsonDocument::Compact));
}

void Agent::hello(const QString& programVersion) {
  send({{"event", "hello"},
        {"version", kVersion},
        {"program", "tonalis-cli " + programVersion},
        {"host", QSysInfo::machineHostName()}});
}

void Agent::refuse(const QJsonValue& id, const QString& text, int exit) {
  send({{"event", "error"}, {"text", text}}, id);
  if (!id.isUndefined()) send({{"event", "done"}, {"exit", exit}}, id);
}

void Agent::takeLine(const QByteArray& line, bool tooLong) {
  if (tooLong) {
    send({{"event", "error"}, {"text", Tr(kTooLong, {QString::number(kMaxLine)})}});
    return;
  }
  if (line.trimmed().isEmpty()) return;
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(line, &error);
  if (!document.isObject()) {
    send({{"event", "error"}, {"text", Tr(kNotJson, {QString::fromUtf8(line.left(80))})}});
    return;
  }
  const QJsonObject request = document.object();
  const QJsonValue id = request.value("id");
  const QString op = request.value("op").toString();
  if (op == "stop") {
    if (!process_) {
      refuse(id, Tr(kNothingToStop), 1);
      return;
    }
    stopRunning();
    send({{"event", "done"}, {"exit", 0}}, id);
    return;
  }
  if (!Commands().contains(op)) {
    refuse(id, Tr(kNoCommand, {op, Commands().join(", ")}), 2);
    return;
  }
  if (process_) {
    send({{"event", "busy"}, {"running", runningId_}}, id);
    refuse(id, Tr(kBusy, {IdText(runningId_)}), 1);
    return;
  }
  const QJsonValue argsValue = request.value("args");
  if (!argsValue.isUndefined() && !argsValue.isArray()) {
    refuse(id, Tr(kBadArgs), 2);
    return;
  }
  QStringList args;
  for (const QJsonValue& arg : argsValue.toArray()) {
    if (!arg.isString()) {
      refuse(id, Tr(kBadArgs), 2);
      return;
    }
    args << arg.toString();
  }
  for (const QString& arg : args) {
    const QString option = FileOption(arg);
    if (!option.isEmpty()) {
      refuse(id, Tr(kFileOption, {option}), 2);
      return;
    }
  }
  start(id, op, args, request);
}

void Agent::start(const QJsonValue& id, const QString& command, QStringList args, const QJsonObject& request) {
  files_ = std::make_unique<QTemporaryDir>(QDir::temp().filePath("tonalis-agent-XXXXXX"));
  const bool hasPrg = request.contains("prg");
  if (hasPrg != args.contains("-") || (hasPrg && !request.value("prg").isString())) {
    refuse(id, Tr(kNoConfiguration), 2);
    return;
  }
  // A file keeps its name at the site: the history names it.
  QString name = QFileInfo(request.value("prgName").toString()).fileName();
  if (name.startsWith('.') || name == "read.bin") name.clear();
  if (hasPrg) {
    const QString path = files_->filePath(name.isEmpty() ? QStringLiteral("site.prg") : name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(request.value("prg").toString().toUtf8()) < 0) {
      refuse(id, Tr(kCannotStart, {file.errorString()}), 2);
      return;
    }
    file.close();
    args.replace(args.indexOf("-"), path);
  }
  json_ = args.contains("--json");
  reading_ = command == "read";
  // A READ's result comes back: its bytes, and its configuration file when
  // the caller keeps one (by that file's name, as the history records it).
  readFile_ = reading_ && !name.isEmpty() ? files_->filePath(name) : QString();
  if (reading_) args << "--image" << files_->filePath("read.bin");
  if (!readFile_.isEmpty()) args << "-o" << readFile_;
  runningId_ = id;
  partial_[0].clear();
  partial_[1].clear();
  process_ = std::make_unique<QProcess>();
  process_->setProgram(program_);
  process_->setArguments(QStringList{command} + args);
  process_->setStandardInputFile(QProcess::nullDevice());
  TieToParent(*process_);
  connect(process_.get(), &QProcess::readyReadStandardOutput, this,
          [this] { relay(QProcess::StandardOutput, false); });
  connect(process_.get(), &QProcess::readyReadStandardError, this, [this] { relay(QProcess::StandardError, false); });
  connect(process_.get(), &QProcess::finished, this, &Agent::onFinished);
  connect(process_.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) onFinished(-1, QProcess::CrashExit);
  });
  process_->start();
}

void Agent::relay(QProcess::ProcessChannel channel, bool flushAll) {
  if (!process_) return;
  const int index = channel == QProcess::StandardOutput ? 0 : 1;
  process_->setReadChannel(channel);
  partial_[index] += process_->readAll();
  QByteArray& buffer = partial_[index];
  for (;;) {
    qsizetype end = buffer.indexOf('\n');
    if (end < 0) {
      if (!flushAll || buffer.isEmpty()) return;
      end = buffer.size();
    }
    QByteArray line = buffer.left(end);
    buffer.remove(0, std::min(end + 1, buffer.size()));
    if (line.endsWith('\r')) line.chop(1);
    if (index == 0 && json_) {
      const QJsonDocument document = QJsonDocument::fromJson(line);
      if (document.isObject()) {
        // The agent's own done ends the request, with the exit status.
        if (document.object().value("event").toString() != "done") send(document.object(), runningId_);
        continue;
      }
    }
    send({{"event", index == 0 ? "out" : "err"}, {"text", QString::fromUtf8(line)}}, runningId_);
  }
}

void Agent::onFinished(int exitCode, QProcess::ExitStatus status) {
  if (!process_) return;
  stopTimer_.stop();
  relay(QProcess::StandardOutput, true);
  relay(QProcess::StandardError, true);
  if (status != QProcess::NormalExit && exitCode == -1)
    send({{"event", "error"}, {"text", Tr(kCannotStart, {process_->errorString()})}}, runningId_);
  const int exit = status == QProcess::NormalExit ? exitCode : 1;
  if (reading_ && exit == 0) {
    QFile image(files_->filePath("read.bin"));
    QFile prg(readFile_);
    QJsonObject result{{"event", "read"}};
    if (image.open(QIODevice::ReadOnly)) result.insert("image", QString::fromLatin1(image.readAll().toHex()));
    if (!readFile_.isEmpty() && prg.open(QIODevice::ReadOnly)) result.insert("prg", QString::fromUtf8(prg.readAll()));
    send(result, runningId_);
  }
  const QJsonValue id = runningId_;
  process_->disconnect(this);
  process_.release()->deleteLater();
  files_.reset();
  runningId_ = QJsonValue::Undefined;
  send({{"event", "done"}, {"exit", exit}}, id);
  if (ending_) Q_EMIT finished();
}

void Agent::stopRunning() {
  if (!process_ || process_->state() == QProcess::NotRunning) return;
  // As Ctrl+C would: the command releases the transmitter and ends.
  Interrupt(*process_);
  if (!stopTimer_.isActive()) stopTimer_.start(kStopGraceMs);
}

void Agent::endOfInput() {
  ending_ = true;
  if (!process_) {
    Q_EMIT finished();
    return;
  }
  stopRunning();
}

}  // namespace tonalis
