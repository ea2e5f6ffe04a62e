// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCommandLineParser>
#include <cstdlib>
#include <memory>

#include "config/version.h"
#include "i18n/language.h"
#include "link/serial_trace.h"
#include "radio/ptt_guard.h"
#include "radio/signal_quit.h"
#include "station/station_settings.h"
#include "storage/settings_folder.h"
#include "tone/device_thread.h"
#include "tone/portaudio_output.h"
#include "ui/app_icon.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QStringList arguments = QApplication::arguments();
  const QString languageChoice = tonalis::TakeLanguageOption(arguments);
  if (!tonalis::IsLanguageChoice(languageChoice)) {
    qCritical("Tonalis speaks en or it, not %s.", qPrintable(languageChoice));
    return 2;
  }
  const QString language = tonalis::ChooseLanguage(
      languageChoice, QString::fromStdString(tonalis::ReadStationSettings(tonalis::SettingsFolder()).language),
      QLocale::system());
  if (const auto why = tonalis::InstallTranslations(app, language)) qWarning("%s", why->c_str());
  tonalis::SetMessageTranslation(tonalis::TrStd);
  QApplication::setApplicationName("tonalis");
  QApplication::setApplicationVersion(QString::fromStdString(tonalis::VersionText()));
  QApplication::setWindowIcon(tonalis::AppIcon());
  // tonalis-cli, beside this program, runs the PTT guard.
  tonalis::PttGuard::setProgram((QApplication::applicationDirPath() + "/tonalis-cli").toStdString());

  QCommandLineParser parser;
  parser.setApplicationDescription(
      tonalis::Tr("Edits, reads and programs the DTMF decoder board, and sends DTMF sequences."));
  // Qt's own help and version options speak English where Qt has no translation of them.
  const QCommandLineOption helpOption({"h", "help"}, tonalis::Tr("Shows this help."));
  const QCommandLineOption versionOption({"v", "version"}, tonalis::Tr("Shows the program's version."));
  parser.addOptions({helpOption, versionOption});
  const QCommandLineOption traceOption(
      "serial-trace", tonalis::Tr("Record every byte on the serial line with its time in FILE, for a problem report."),
      tonalis::Tr("FILE"));
  const QCommandLineOption deviceOption(
      "audio-device", tonalis::Tr("Send sequences on this sound device (tonalis-cli audio-devices lists them)."),
      tonalis::Tr("NAME"));
  const QCommandLineOption languageOption(
      "language", tonalis::Tr("Speak LANGUAGE, en or it, whatever the system's language and the Station setup say."),
      "LANGUAGE");
  parser.addOptions({traceOption, deviceOption, languageOption});
  parser.process(app);
  if (parser.isSet(helpOption)) parser.showHelp(0);
  if (parser.isSet(versionOption)) parser.showVersion();

  // The trace is opened before the window so that a file that cannot be
  // written is said at once, not after the exchange the user wanted recorded.
  std::unique_ptr<tonalis::SerialTrace> trace;
  if (parser.isSet(traceOption)) {
    std::string why;
    trace = tonalis::SerialTrace::ToFile(parser.value(traceOption).toStdString(), &why);
    if (!trace) {
      qCritical("%s", qPrintable(tonalis::Tr("Cannot write the trace file %1.").arg(parser.value(traceOption))));
      if (!why.empty()) qCritical("%s", why.c_str());
      return 2;
    }
  }

  // Radio interfaces are usually a second sound card; a name that matches
  // nothing is said now rather than at the first send.
  const std::string device = parser.value(deviceOption).toStdString();
  if (!device.empty() && tonalis::PortAudioSession::instance().outputDevice(device) < 0) {
    qCritical("%s", qPrintable(tonalis::Tr("No sound output device is called %1. tonalis-cli audio-devices lists them.")
                                   .arg(QString::fromStdString(device))));
    return 2;
  }

  int status = 0;
  {
    tonalis::QtMessageBoxes messages;
    tonalis::FrmTone window(messages, std::make_shared<tonalis::PortAudioOutput>(device), tonalis::SettingsFolder());
    window.overrideAudioDevice(device);
    window.setHistoryFolder(tonalis::HistoryFolder());
    if (trace) window.link().setTrace(trace.get());
    // Boxes from the load wait for the window, so none can end up beneath it.
    messages.setWindow(&window);
    window.load();
    window.show();
    window.checkSoundCard(tonalis::HasInputDevice());
    // Stopped from outside: the send stops, the transmitter is released, the settings are kept.
    tonalis::SignalQuit signals;
    QObject::connect(&signals, &tonalis::SignalQuit::signalled, &window, &tonalis::FrmTone::quitForSignal);
    status = QApplication::exec();
  }
  // A sound device still closing gets a moment; one that never returns cannot be waited for.
  if (!tonalis::DeviceCallsEnded(tonalis::kDeviceCallsAtExit)) std::_Exit(status);
  return status;
}
