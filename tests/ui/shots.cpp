// SPDX-License-Identifier: GPL-3.0-or-later
// Screenshots of the window's tabs and the progress dialog, for looking at.
#include <QApplication>
#include <QDir>
#include <cstdio>

#include "i18n/language.h"
#include "support/recording.h"
#include "tone/portaudio_output.h"
#include "ui/help_viewer.h"
#include "ui/main_window.h"
#include "ui/progress_dialog.h"
#include "ui/commands_dialog.h"
#include "ui/history_dialog.h"
#include "ui/station_dialog.h"

#include <QTabWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // In the language of the environment (LANGUAGE=it), as the program would be.
  tonalis::InstallTranslations(app, tonalis::ChooseLanguage("", "", QLocale::system()), TONALIS_BUILT_TRANSLATIONS);
  const QString out = argc > 1 ? argv[1] : ".";
  QDir().mkpath(out);
  tonalis::testing::RecordingMessages messages;
  tonalis::PortAudioOutput audio;
  tonalis::FrmTone window(messages, audio, QDir::tempPath());
  window.show();
  const auto& c = window.controls();
  std::printf("scale %.2f, set by %s\n", c.scale, qPrintable(c.scaleSetBy));
  c.SSTab1->setCurrentIndex(0);
  window.grab().save(out + "/direct-default.png");
  c.SSTabCmd->setCurrentIndex(1);
  window.grab().save(out + "/direct-special.png");
  c.SSTab1->setCurrentIndex(1);
  window.grab().save(out + "/remote.png");
  auto* station = window.openStationDialog();
  QApplication::processEvents();
  auto* tabs = station->findChild<QTabWidget*>();
  for (int i = 0; i < tabs->count(); ++i) {
    tabs->setCurrentIndex(i);
    station->grab().save(out + QString("/station-%1.png").arg(i));
  }
  station->reject();
  auto* commands = window.openCommandsDialog();
  QApplication::processEvents();
  commands->grab().save(out + "/commands.png");
  commands->close();
  auto* history = window.openHistoryDialog();
  QApplication::processEvents();
  history->grab().save(out + "/history.png");
  history->reject();
  window.setMessage("\r\nReading Data...");
  window.showDialog();
  window.dialog()->grab().save(out + "/dialog.png");
  if (argc > 2) {
    auto* viewer = tonalis::FrmIstruzioni::Apri(argv[2], tonalis::kHelpTitle, messages);
    QApplication::processEvents();
    viewer->resize(700, 500);
    QApplication::processEvents();
    viewer->grab().save(out + "/manual.png");
  }
  return 0;
}
