// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QFileInfo>
#include <fstream>
#include <iostream>
#include <sstream>

#include "cli/cli_support.h"
#include "i18n/language.h"
#include "cli/commands.h"
#include "history/differences.h"
#include "history/history_recorder.h"
#include "storage/config_file.h"
#include "storage/file_reading.h"

namespace tonalis::cli {
namespace {

constexpr const char* kEntryUnreadable = TONALIS_TEXT("The entry %1 of %2 cannot be read: %3.");
constexpr const char* kNeitherEntryNorFile = TONALIS_TEXT("'%1' is neither an entry of %2 nor a file.");
constexpr std::uintmax_t kMaxComparedFileBytes = 64 * 1024;

// An entry's id, or a configuration (.prg) or 192-byte image file: its image.
// On failure says why and gives the exit status.
std::optional<int> ImageOf(const HistoryStore& store, const std::string& what, DecoderImage& image) {
  std::string damaged;
  if (const auto entry = store.find(what, &damaged)) {
    image = entry->image;
    return std::nullopt;
  }
  if (!damaged.empty()) {
    PrintError(Fill(CliText(kEntryUnreadable), {what, store.folder(), damaged}));
    return kExitUsage;
  }
  if (!QFileInfo::exists(QString::fromStdString(what))) {
    PrintError(Fill(CliText(kNeitherEntryNorFile), {what, store.folder()}));
    return kExitUsage;
  }
  // An image, a .prg or an entry: a few kilobytes at most.
  std::string content;
  if (const auto problem = ReadSmallFile(what, kMaxComparedFileBytes, content)) {
    PrintError(*problem);
    return kExitUsage;
  }
  if (content.size() == kImageSize) {
    std::copy(content.begin(), content.end(), image.begin());
    return std::nullopt;
  }
  if (const auto entry = ParseHistoryEntry(content)) {
    image = entry->image;
    return std::nullopt;
  }
  EncodeResult encoded;
  // A file that cannot be compared is a usage error, not a difference.
  if (LoadAndEncode(QString::fromStdString(what), encoded)) return kExitUsage;
  image = encoded.image;
  return std::nullopt;
}

}  // namespace

int RunHistory(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      CliTr("The board history: every board content READ and PROGRAM saw or wrote.\n"
            "  history list [--port P]   one line per entry, oldest first: id, local time,\n"
            "                            operation, port, file, changes from the entry before\n"
            "                            for the same device\n"
            "  history show ID [-o FILE] the entry as a configuration file (.prg)\n"
            "  history diff A B          what differs, field by field; A and B are entry ids,\n"
            "                            .prg files or 192-byte images. Exit status 0 when\n"
            "                            equal, 1 when they differ."));
  parser.addPositionalArgument("list|show|diff", CliTr("What to do."));
  const QCommandLineOption folder("history-dir", CliTr("The history's folder, instead of the usual one."), "DIR");
  const QCommandLineOption port("port", CliTr("list: only the entries of this port (COM3, or a device path)."), "P");
  const QCommandLineOption output({"o", "output"}, CliTr("show: write the configuration to FILE."), "FILE");
  parser.addOptions({folder, port, output});
  if (auto exit = ParseArguments(parser, args)) return *exit;
  const QStringList positional = parser.positionalArguments();
  const QString action = positional.value(0);
  const HistoryStore store(parser.isSet(folder) ? ToStd(parser.value(folder)) : HistoryFolder());

  if (action == "list" && positional.size() == 1) {
    if (!store.folderExists()) {
      PrintError(
          Fill(CliText("No board history: %1 does not exist (nothing was read or programmed yet)."), {store.folder()}));
      return kExitUsage;
    }
    std::vector<HistoryStore::Damaged> damaged;
    const auto entries = store.entries(&damaged);
    const std::string only = ToStd(parser.value(port));
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const HistoryEntry& e = entries[i];
      if (!only.empty() && e.port != only && e.device != only) continue;
      const auto before = HistoryStore::PreviousIn(entries, e);
      const std::string changes =
          before ? Fill(CliText("%1 changes"), {std::to_string(ImageDifferences(before->image, e.image).size())})
                 : CliText("first");
      std::cout << e.id << "  " << LocalTimeText(e.timeMs) << "  " << e.operation << "  " << e.port << "  "
                << (e.file.empty() ? "-" : e.file) << "  " << changes << (e.isAir() ? "  (" + AirStatusText(e.air, TrStd) + ")" : "") << '\n';
    }
    for (const auto& d : damaged) std::cout << d.id << "  " << Fill(CliText("DAMAGED: %1"), {d.why}) << '\n';
    return kExitOk;
  }
  if (action == "show" && positional.size() == 2) {
    std::string damaged;
    const auto entry = store.find(ToStd(positional[1]), &damaged);
    if (!entry) {
      PrintError(damaged.empty() ? Fill(CliText("No entry %1 in %2."), {ToStd(positional[1]), store.folder()})
                                 : Fill(CliText("The entry %1 cannot be read: %2."), {ToStd(positional[1]), damaged}));
      return kExitUsage;
    }
    ConfigFileContent content;
    content.config = DecodeImage(entry->image);
    content.txtPrgComm = PrgCommForPort(entry->port);
    return WriteOutput(parser.value(output), FormatConfigFile(content));
  }
  if (action == "diff" && positional.size() == 3) {
    DecoderImage a{}, b{};
    if (auto exit = ImageOf(store, ToStd(positional[1]), a)) return *exit;
    if (auto exit = ImageOf(store, ToStd(positional[2]), b)) return *exit;
    const auto differences = ImageDifferences(a, b);
    for (const auto& d : differences) std::cout << d << '\n';
    return differences.empty() ? kExitOk : kExitRefused;
  }
  PrintError(CliText("Give list, show ID or diff A B. Try 'tonalis-cli history --help'."));
  return kExitUsage;
}

}  // namespace tonalis::cli
