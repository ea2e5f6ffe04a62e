// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "config/decoder_config.h"
#include "link/board_link.h"
#include "link/progress_view.h"
#include "history/history_recorder.h"
#include "listen/reply_listener.h"
#include "listen/send_monitor.h"
#include "journal/journal.h"
#include "journal/journal_writer.h"
#include "tone/send_fields.h"
#include "radio/station_ptt.h"
#include "station/station_settings.h"
#include "storage/config_file.h"
#include "tone/audio_output.h"
#include "tone/sequence_sender.h"
#include "tone/tone_player.h"
#include "ui/form_layout.h"

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
  SequenceSender& sender() { return sender_; }
  TonePlayer& player() { return player_; }
  StationPtt& stationPtt() { return stationPtt_; }
  const StationSettings& station() const { return station_; }
  QPushButton* stationButton() const { return cmdStation_; }
  QPushButton* historyButton() const { return cmdHistory_; }
  QPushButton* commandsButton() const { return cmdCommands_; }
  // The board's last Morse reply, under the Send Sequence frame.
  QLabel* replyLabel() const { return lblReply_; }
  ReplyListener& listener() { return listener_; }
  SendMonitor& monitor() { return monitor_; }
  QDialog* monitorDialog() const { return monitorDialog_; }
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
  const QString& currentConfigPath() const { return currentConfigPath_; }
  QString settingsPath() const;

  DecoderConfig readConfig() const;
  void loadConfigFile(const QString& path);
  // True when the file was written.
  bool saveConfigFile(const QString& path);
  // The fields differ from what was last loaded or saved (a READ, a history
  // entry put back, or any edit): the title says so, and closing or loading
  // asks first.
  bool isModified() const { return modified_; }

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
  void setCaptionFor(const QString& path);
  void markSaved();
  void updateModified();
  // Asks to save unsaved fields, then calls `go` unless the user cancels.
  void afterSavingChanges(std::function<void()> go);
  void askToCloseDuringProgram();

  void onProgramClicked();
  void onLoadClicked();
  void onSaveClicked();
  void openFileDialog(int mode);

  void refreshSequenceCounter();
  void copyCommandToSequence(int n);
  void sendSequence();
  void onSendFinished(const QString& status, bool completed);
  void listenForReply();
  void onReplyFinished(const QString& text);
  void onMonitored(const std::vector<std::int16_t>& samples, int rate, bool truncated);
  // The strip under Send Sequence: what the monitor heard of the last send, then the board's reply.
  void showAirLine();
  void showMonitorDetails();
  void refreshCommands();
  void beginJournalRecord(const SendTiming& timing);
  void appendJournal(const JournalRecord& record);
  void onJournalFailed(const QString& error);
  void stopSend();
  void showInCommands();
  void openHelp(const QString& section);
  template <typename Dialog>
  void helpAt(Dialog* dialog, const char* section);
  void showStop(bool sending);
  void calculateReplacement();
  void onChecksumIdChanged();

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
  TonePlayer player_;
  SequenceSender sender_;
  StationSettings station_;
  std::string commandLineDevice_;
  bool stationChosenHere_ = false;  // the Station dialog's OK was pressed
  QPushButton* cmdStop_ = nullptr;
  QPushButton* cmdStation_ = nullptr;
  QPushButton* cmdHistory_ = nullptr;
  QPushButton* cmdCommands_ = nullptr;
  QPushButton* cmdJournal_ = nullptr;
  QPointer<class CommandsDialog> commandsDialog_;
  std::optional<DecoderConfig> boardConfig_;  // what the board holds, as last read or programmed
  DecoderConfig programmedConfig_;
  bool programPending_ = false;
  // The journal: the record of the send under way (replies and the monitor's
  // verdict follow under its id), what the last send was.
  JournalRecord journalRecord_;
  std::optional<int> commandSent_;
  struct Replacement {
    std::string sequence;        // as calculated
    std::string what;            // "replacement of command 0 by 345"
    std::optional<int> command;  // the command it replaces, when the fields hold it
    std::string digits;          // its new digits
  };
  std::optional<Replacement> lastReplacement_;
  void recordAirEntry(const Replacement& sent);
  // A command replaced over the air, offered to the fields (command, digits).
  std::optional<std::pair<int, std::string>> airToFields_;
  void takeAirOffer();
  bool journalFailureSaid_ = false;
  JournalWriter journal_;
  HistoryRecorder history_;
  std::unique_ptr<AudioInput> ownInput_;
  ReplyListener listener_;
  SendMonitor monitor_;
  QLabel* lblReply_ = nullptr;
  QString monitorText_, monitorDetails_, replyText_;
  QPointer<QDialog> monitorDialog_;
  std::string monitoredSequence_;
  SampleCounts monitoredCounts_{};
  bool listenAfterMonitor_ = false;
  bool listenFailureSaid_ = false;
  bool monitorFailureSaid_ = false;
  std::optional<DecoderImage> restoredImage_;
  QString currentConfigPath_;
  QTimer timer1_;
  QPointer<QFileDialog> fileDialog_;
  bool settingsSaveFailed_ = false;
  ConfigFileContent saved_;  // the fields as last loaded or saved
  bool modified_ = false;
  bool closeConfirmed_ = false;
};

inline constexpr const char* kInitialCaption = "Tonalis v3 by Velkaro";

}  // namespace tonalis
