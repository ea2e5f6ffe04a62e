// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "config/decoder_config.h"
#include "link/board_link.h"
#include "link/progress_view.h"
#include "history/history_recorder.h"
#include "exchange/air_exchange.h"
#include "journal/journal_writer.h"
#include "radio/station_ptt.h"
#include "station/station_settings.h"
#include "storage/config_file.h"
#include "ui/config_document.h"
#include "ui/form_layout.h"
#include "ui/send_panel.h"

class QFileDialog;

namespace tonalis {

class ProgressDialog;

// frmTone, the tool's one main window. It holds the board's configuration
// in its fields and forwards every action to the logic beneath: the link,
// the tone sender, the files.
class FrmTone : public QWidget, public ProgressView {
  Q_OBJECT

 public:
  // `input` hears the board's replies (the default: the sound card, through PortAudio).
  FrmTone(MessageSink& messages, OutputHandle audio, const QString& settingsFolder, QWidget* parent = nullptr,
          AudioInput* input = nullptr);
  ~FrmTone() override;

  // The window's load: settings, then the configuration file they name,
  // then the station (sound device and PTT).
  void load();
  // A sound device named on the command line: used instead of the station's.
  void overrideAudioDevice(const std::string& name) { commandLineDevice_ = name; }
  // Stopped from outside (SIGTERM and the like): a send under way stops and
  // releases the transmitter, the settings are saved, and the application
  // exits with 128 + `number`. The close button still waits for the sound.
  void quitForSignal(int number);
  // After the window is shown: without a sound device, says so and
  // disables Send Sequence.
  void checkSoundCard(bool hasInputDevice);

  const FormControls& controls() const { return c_; }
  BoardLink& link() { return link_; }
  SequenceSender& sender() { return exchange_.sender(); }
  TonePlayer& player() { return exchange_.player(); }
  AirExchange& exchange() { return exchange_; }
  StationPtt& stationPtt() { return stationPtt_; }
  const StationSettings& station() const { return station_; }
  QPushButton* stationButton() const { return cmdStation_; }
  QPushButton* historyButton() const { return cmdHistory_; }
  QPushButton* commandsButton() const { return cmdCommands_; }
  // The site the window works on (shown when the Sites list has one).
  class SiteBar* siteBar() const { return siteBar_; }
  // The board's last Morse reply, under the Send Sequence frame.
  QLabel* replyLabel() const { return sendPanel_->strip(); }
  ReplyListener& listener() { return exchange_.listener(); }
  SendMonitor& monitor() { return exchange_.monitor(); }
  QDialog* monitorDialog() const { return sendPanel_->strip()->monitorDialog(); }
  HistoryRecorder& history() { return history_; }
  // Where the board history is kept (by default history/ in the settings folder).
  void setHistoryFolder(const std::string& folder);
  // Opens the board history (window-modal).
  class HistoryDialog* openHistoryDialog();
  // An entry's content into the fields, as READ puts the board's there;
  // PROGRAM then writes its exact bytes while the fields still show it.
  void loadImageIntoFields(const DecoderImage& image);
  // Opens the Station dialog (window-modal); the window applies what OK stores.
  class StationDialog* openStationDialog();
  // The configuration's commands, each with its Send (not modal).
  class CommandsDialog* openCommandsDialog();
  // The journal of sends (not modal).
  class JournalDialog* openJournalDialog();
  // Ctrl+P: the command card of the fields, through the system's print dialog.
  QDialog* openPrintDialog();
  // The progress dialog, or nothing before its first use.
  ProgressDialog* dialog() const { return dialog_; }
  const QString& currentConfigPath() const { return document_->path(); }
  QString settingsPath() const;

  DecoderConfig readConfig() const;
  void loadConfigFile(const QString& path);
  // True when the file was written.
  bool saveConfigFile(const QString& path);
  // The fields differ from what was last loaded or saved (a READ, a history
  // entry put back, or any edit): the title says so, and closing or loading
  // asks first.
  bool isModified() const { return document_->isModified(); }

  // ProgressView, forwarded to the dialog, which is created on first use.
  void setMessage(const std::string& text) override;
  void appendMessage(const std::string& text) override;
  void setMessageColour(Colour colour) override;
  void setOkVisible(bool visible) override;
  bool isOkVisible() const override;
  void showDialog() override;

 Q_SIGNALS:
  // F1 was pressed: the help viewer opens.
  void helpRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ProgressDialog& ensureDialog();
  void installFieldRules();
  void connectControls();

  void applyLinkControls();
  void applyOutputs(const std::array<int, 4>& outputs);
  void applyParameters(const DecoderConfig& config);
  void applyCommands(const std::array<std::string, kCommandCount>& commands);
  void applyDecoded(const DecoderConfig& config);
  void showBoardRead(const DecoderImage& image);
  void askToCloseDuringProgram();

  void onProgramClicked();
  void showLoaded(const ConfigFileContent& content);
  void onLoadClicked();
  void onSaveClicked();

  void refreshSequenceCounter();
  void copyCommandToSequence(int n);
  void sendSequence();
  void refreshCommands();
  void onJournalFailed(const QString& error);
  void showInCommands();
  void openHelp(const QString& section);
  template <typename Dialog>
  void helpAt(Dialog* dialog, const char* section);

  void applySettings();
  bool saveSettings(QString* error);
  void applyStation(const StationSettings& station);
  void placeCornerButtons();

  MessageSink& messages_;
  QString settingsFolder_;
  FormControls c_;
  ProgressDialog* dialog_ = nullptr;
  BoardLink link_;
  StationPtt stationPtt_;
  std::shared_ptr<AudioOutput> audio_;
  StationSettings station_;
  std::string commandLineDevice_;
  bool stationChosenHere_ = false;  // the Station dialog's OK was pressed
  QPushButton* cmdStation_ = nullptr;
  QPushButton* cmdHistory_ = nullptr;
  QPushButton* cmdCommands_ = nullptr;
  QPushButton* cmdJournal_ = nullptr;
  QPointer<class CommandsDialog> commandsDialog_;
  std::optional<DecoderConfig> boardConfig_;  // what the board holds, as last read or programmed
  DecoderConfig programmedConfig_;
  bool programPending_ = false;
  // A send from the Commands dialog: the command it is.
  std::optional<int> commandSent_;
  class ReplacementPanel* replacement_ = nullptr;
  bool journalFailureSaid_ = false;
  JournalWriter journal_;
  HistoryRecorder history_;
  std::unique_ptr<AudioInput> ownInput_;
  AirExchange exchange_;
  SendPanel* sendPanel_ = nullptr;
  class ChannelWatch* channelWatch_ = nullptr;
  class SiteBar* siteBar_ = nullptr;
  std::optional<DecoderImage> restoredImage_;
  ConfigDocument* document_ = nullptr;
  bool settingsSaveFailed_ = false;
  bool closeConfirmed_ = false;
};

}  // namespace tonalis
