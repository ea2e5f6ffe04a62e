// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_recorder.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>

#include "i18n/language.h"
#include "storage/settings_folder.h"

namespace tonalis {
namespace {
constexpr const char* kHistoryNotWritten = TONALIS_TEXT("The board history cannot be written: %1");
constexpr const char* kResultsNotKept =
    TONALIS_TEXT("READ and PROGRAM work as before, but their results are not kept.");
}  // namespace

HistoryRecorder::HistoryRecorder(BoardLink& link, MessageSink& messages, std::string folder,
                                 std::function<std::string()> fileName, QObject* parent)
    : QObject(parent), link_(link), messages_(messages), store_(std::move(folder)), fileName_(std::move(fileName)) {
  connect(&link_, &BoardLink::exchangeFinished, this, &HistoryRecorder::onExchangeFinished);
}

void HistoryRecorder::onExchangeFinished(bool success) {
  if (!success) return;
  HistoryEntry entry;
  entry.timeMs = NowMs();
  entry.operation = link_.lastExchangeWasProgram() ? "PROGRAM" : "READ";
  entry.image = link_.lastExchangeWasProgram() ? link_.programmedImage() : link_.readImage();
  entry.port = link_.portName();
  entry.device = link_.portDevice();
  entry.banner = link_.boardBanner();
  entry.file = fileName_ ? fileName_() : std::string();
  if (const auto error = store_.add(entry)) {
    if (!std::exchange(failureSaid_, true))
      messages_.showMessage({kWarningTitle, Fill(TrStd(kHistoryNotWritten), {*error}) + kCrLf + TrStd(kResultsNotKept),
                             UserMessage::Icon::Exclamation});
    return;
  }
  if (!entry.isProgram()) store_.settleAir(entry);
  Q_EMIT recorded(entry);
}

std::string HistoryFolder() {
  const QString settings = SettingsFolder();
  const bool ownFolder = !qEnvironmentVariableIsEmpty("TONALIS_SETTINGS_DIR") ||
                         settings == ProgramFolder();
  const QString folder =
      ownFolder ? settings + "/history"
                : QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/tonalis/history";
  return QFile::encodeName(folder).toStdString();
}

}  // namespace tonalis
