// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDate>
#include <cmath>
#include <iostream>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "i18n/language.h"
#include "journal/journal.h"
#include "journal/journal_clock.h"
#include "storage/settings_folder.h"

namespace tonalis::cli {

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

}  // namespace tonalis::cli
