// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <iostream>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "radio/signal_quit.h"
#include "site/site_address.h"
#include "site/site_client.h"
#include "site/sites_file.h"
#include "storage/settings_folder.h"
#include "storage/atomic_file.h"
#include "storage/file_reading.h"

namespace tonalis::cli {
namespace {

const char* const kSiteUsage = TONALIS_TEXT("--site takes a site and a command: tonalis-cli --site ssh://HOST COMMAND ...");
const char* const kCannotReadConfig = TONALIS_TEXT("Cannot read the configuration file %1: %2");
const char* const kCannotWriteRead = TONALIS_TEXT("The board was read, but %1 cannot be written: %2");
const char* const kOneConfig = TONALIS_TEXT("One configuration file a command: %1 and %2 both name one.");
const char* const kSitesUnreadable = TONALIS_TEXT("The Sites list cannot be read: %1");
const char* const kNoSuchSite =
    TONALIS_TEXT("No site is named %1 in %2: name one of the Sites list, or give ssh://[USER@]HOST[:PORT].");
const char* const kUnsafeProgram =
    TONALIS_TEXT("The site's program %1 may not hold blanks, quotes or a shell's special characters.");

// The most a configuration file sent to a site may hold.
constexpr std::uintmax_t kMaxConfigBytes = 256 * 1024;

// Whether `arg` names a configuration file (a .prg) for a command that takes one.
bool IsConfigFile(const QString& arg) { return !arg.startsWith('-') && arg.endsWith(".prg", Qt::CaseInsensitive); }

}  // namespace

std::optional<int> RunOnSite(QStringList& args) {
  // args: --site SITE COMMAND ...
  if (args.size() < 3) {
    PrintError(CliText(kSiteUsage));
    return kExitUsage;
  }
  // A site of the Sites list, by name: reached where it says, or here.
  QString where = args[1];
  QString program = kSiteProgram;
  if (!args[1].startsWith("ssh://", Qt::CaseInsensitive)) {
    SitesFile sites;
    const std::string folder = QFile::encodeName(SettingsFolder()).toStdString();
    if (const auto problem = ReadSitesFile(folder, sites)) {
      PrintError(Fill(CliText(kSitesUnreadable), {*problem}));
      return kExitUsage;
    }
    const SiteEntry* site = sites.find(ToStd(args[1]));
    if (!site) {
      PrintError(Fill(CliText(kNoSuchSite), {ToStd(args[1]), folder + "/" + kSitesFileName}));
      return kExitUsage;
    }
    if (site->here()) {
      args.remove(0, 2);
      return std::nullopt;
    }
    where = QString::fromStdString(site->where);
    if (!site->program.empty()) program = QString::fromStdString(site->program);
    // The site's own program path goes to ssh as one word of its command.
    if (program.contains(QRegularExpression(QStringLiteral("[\\s'\"\\\\$`;&|<>()*?]")))) {
      PrintError(Fill(CliText(kUnsafeProgram), {ToStd(program)}));
      return kExitUsage;
    }
  }
  QString why;
  const auto address = ParseSiteAddress(where, &why);
  if (!address) {
    PrintError(why.toStdString());
    return kExitUsage;
  }
  const QString command = args[2];
  QStringList rest = args.mid(3);
  QJsonObject request{{"op", command}};

  // Files named here stay here: a READ's result is written here, a
  // configuration travels inside the request.
  QString readOutput;
  if (command == "read") {
    for (int i = 0; i < rest.size(); ++i) {
      const QString& arg = rest[i];
      if ((arg == "-o" || arg == "--output") && i + 1 < rest.size()) {
        readOutput = rest[i + 1];
        rest.remove(i, 2);
        --i;
      } else if (arg.startsWith("--output=") || (arg.startsWith("-o") && arg.size() > 2 && arg[1] != '-')) {
        readOutput = arg.mid(arg.startsWith("--") ? 9 : 2);
        rest.remove(i);
        --i;
      }
    }
  }
  if (command == "program" || command == "send-command" || command == "replace") {
    QString configPath;
    for (int i = 0; i < rest.size(); ++i) {
      const bool afterConfig = i > 0 && rest[i - 1] == "--config";
      if (!afterConfig && !IsConfigFile(rest[i])) continue;
      if (!configPath.isEmpty()) {
        PrintError(Fill(CliText(kOneConfig), {ToStd(configPath), ToStd(rest[i])}));
        return kExitUsage;
      }
      configPath = rest[i];
      std::string content;
      if (const auto problem = ReadSmallFile(ToStd(configPath), kMaxConfigBytes, content)) {
        PrintError(Fill(CliText(kCannotReadConfig), {ToStd(configPath), *problem}));
        return kExitUsage;
      }
      request.insert("prg", QString::fromStdString(content));
      request.insert("prgName", QFileInfo(configPath).fileName());
      rest[i] = "-";
    }
  }
  if (!readOutput.isEmpty()) request.insert("prgName", QFileInfo(readOutput).fileName());
  request.insert("args", QJsonArray::fromStringList(rest));
  const bool json = rest.contains("--json");

  const QStringList commandLine = SshCommandLine(*address, qEnvironmentVariable("TONALIS_SSH"), program);
  SiteClient client(commandLine, *address);
  int status = kExitRefused;
  QObject::connect(&client, &SiteClient::failed, [&](const QString& reason) {
    if (json) PrintEvent("error", {{"text", reason}});
    PrintError(reason.toStdString());
    if (json) PrintEvent("done", {{"exit", kExitRefused}});
    QCoreApplication::exit(0);
  });
  QObject::connect(&client, &SiteClient::received, [&](const QJsonObject& event) {
    const QString kind = event.value("event").toString();
    const std::string text = event.value("text").toString().toStdString();
    if (kind == "out") {
      std::cout << text << std::endl;
    } else if (kind == "err") {
      std::cerr << text << std::endl;
    } else if (kind == "read") {
      if (!readOutput.isEmpty()) {
        if (const auto error = WriteFileAtomically(ToStd(readOutput), event.value("prg").toString().toStdString())) {
          PrintError(Fill(CliText(kCannotWriteRead), {ToStd(readOutput), *error}));
          status = kExitUsage;
        }
      }
      if (json) std::cout << QJsonDocument(event).toJson(QJsonDocument::Compact).toStdString() << std::endl;
    } else if (json) {
      if (kind != "done") std::cout << QJsonDocument(event).toJson(QJsonDocument::Compact).toStdString() << std::endl;
    } else if (kind == "error") {
      std::cerr << text << std::endl;
    }
    if (kind == "done") {
      if (status != kExitUsage) status = event.value("exit").toInt(kExitRefused);
      if (json) std::cout << QJsonDocument(event).toJson(QJsonDocument::Compact).toStdString() << std::endl;
      QCoreApplication::exit(0);
    }
  });
  // Ctrl+C stops the command at the site as it would here; a second one cuts the connection.
  SignalQuit signals;
  int stops = 0;
  QObject::connect(&signals, &SignalQuit::signalled, [&](int) {
    if (stops++ == 0)
      client.stop();
    else
      client.abandon();
  });
  client.run(request);
  QCoreApplication::exec();
  return status;
}

}  // namespace tonalis::cli
