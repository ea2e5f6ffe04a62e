// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>
#include <map>
#include <memory>

#include "exchange/air_exchange.h"
#include "link/board_identify.h"
#include "link/board_link.h"
#include "radio/station_ptt.h"
#include "journal/journal.h"
#include "journal/journal_writer.h"
#include "station/station_settings.h"
#include "tone/portaudio_output.h"
#include "tone/sequence_sender.h"
#include "tone/tone_player.h"
#include "ui/sites_panel.h"

namespace tonalis {

// The Station dialog: which serial adapter is which COM port, which sound
// card goes to the radio, and how the transmitter is keyed, with a button to
// try the PTT and one to play a tone. Nothing is stored until OK: then the
// port choices go into ports.ini (its other lines and comments kept) and the
// rest into station.ini.
class StationDialog : public QDialog {
  Q_OBJECT

 public:
  // `windowLink` is the main window's link: a port it holds open is not
  // touched here. `pttComText` is the window's "PTT Comm" field.
  StationDialog(QWidget* parent, const QString& settingsFolder, const StationSettings& current,
                const BoardLink& windowLink, const std::string& pttComText, MessageSink& messages);
  ~StationDialog() override;

  // What the dialog holds now (what OK stores).
  StationSettings settings() const;

  // The controls, for tests and screenshots.
  QTableWidget* portTable() const { return portTable_; }
  QSpinBox* comNumber() const { return comNumber_; }
  QPushButton* mapButton() const { return mapButton_; }
  QLabel* portMapProblems() const { return portMapProblems_; }
  QPushButton* addNetworkPortButton() const { return addNetworkPort_; }
  QPushButton* testPortButton() const { return testPort_; }
  QLabel* portTestStatus() const { return portTestStatus_; }
  SitesPanel* sitesPanel() const { return sites_; }
  QComboBox* outputDevice() const { return output_; }
  QComboBox* inputDevice() const { return input_; }
  QPushButton* playButton() const { return play_; }
  QCheckBox* playKeys() const { return playKeys_; }
  QCheckBox* listenForReply() const { return listen_; }
  QCheckBox* monitorSend() const { return monitor_; }
  QSpinBox* listenSeconds() const { return listenSeconds_; }
  QComboBox* method() const { return method_; }
  QCheckBox* invert() const { return invert_; }
  QComboBox* cm108Device() const { return cm108Device_; }
  QSpinBox* cm108Gpio() const { return cm108Gpio_; }
  QLineEdit* rigSearch() const { return rigSearch_; }
  QComboBox* rigModel() const { return rigModel_; }
  QComboBox* rigDevice() const { return rigDevice_; }
  QComboBox* rigBaud() const { return rigBaud_; }
  QLineEdit* rigctldHost() const { return rigctldHost_; }
  QSpinBox* rigctldPort() const { return rigctldPort_; }
  QSpinBox* txLimit() const { return txLimit_; }
  QPushButton* calibrateButton() const { return calibrate_; }
  QPushButton* stopToneButton() const { return stopTone_; }
  QDoubleSpinBox* level() const { return level_; }
  QDoubleSpinBox* twist() const { return twist_; }
  QSpinBox* tail() const { return tail_; }
  QSpinBox* testSeconds() const { return testSeconds_; }
  QPushButton* testButton() const { return test_; }
  QPushButton* stopButton() const { return stop_; }
  QLabel* testStatus() const { return testStatus_; }

 Q_SIGNALS:
  // OK was pressed and the files were written: the window applies these.
  void stationChosen(const tonalis::StationSettings& settings);
  // Help, or F1: the manual.
  void helpRequested();

 public Q_SLOTS:
  void accept() override;
  void reject() override;

 private:
  QWidget* buildPortsPage();
  QWidget* buildSoundPage();
  QWidget* buildPttPage();
  void fillPorts();
  void fillRigModels(const QString& filter);
  void showChoice(const PttChoice& choice);
  PttChoice pttChoice() const;
  void onMethodChanged();
  void mapSelectedPort();
  void addNetworkPort();
  void testSelectedPort();
  // The device of the selected row, or nothing (said) when none is.
  std::optional<std::string> selectedPort();

  // The PTT test and the test tone key through a link of their own.
  bool prepareTester(bool keyPtt);
  void startPttTest();
  void onTestKeyed(bool ok);
  void onCountdown();
  void showSecondsLeft();
  void stopPttTest();
  void finishTest(const QString& status);
  void playTestTone();
  // A steady 1 kHz sine at the level of one DTMF tone, for the deviation and the mixer.
  void playCalibrationTone();
  void startTone(bool calibration);
  void releaseTester();
  void retireTester();

  QString settingsFolder_;
  StationSettings initial_;
  const BoardLink& windowLink_;
  std::string pttComText_;
  MessageSink& messages_;
  JournalWriter journal_;
  std::map<int, std::string> portChoices_;  // COM number -> device, until OK
  std::vector<std::string> networkPorts_;   // added here, listed until mapped
  BoardIdentify portTest_;

  QTableWidget* portTable_ = nullptr;
  QSpinBox* comNumber_ = nullptr;
  QPushButton* mapButton_ = nullptr;
  QLabel* portMapLines_ = nullptr;
  QLabel* portMapProblems_ = nullptr;
  QPushButton* addNetworkPort_ = nullptr;
  QPushButton* testPort_ = nullptr;
  SitesPanel* sites_ = nullptr;
  QLabel* portTestStatus_ = nullptr;
  QComboBox* output_ = nullptr;
  QComboBox* input_ = nullptr;
  QPushButton* play_ = nullptr;
  QPushButton* calibrate_ = nullptr;
  QPushButton* stopTone_ = nullptr;
  QCheckBox* playKeys_ = nullptr;
  QCheckBox* monitor_ = nullptr;
  QCheckBox* maskKeys_ = nullptr;
  QComboBox* language_ = nullptr;
  QCheckBox* listen_ = nullptr;
  QSpinBox* listenSeconds_ = nullptr;
  QDoubleSpinBox* level_ = nullptr;
  QDoubleSpinBox* twist_ = nullptr;
  QSpinBox* tail_ = nullptr;
  QComboBox* method_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  QCheckBox* invert_ = nullptr;
  QComboBox* cm108Device_ = nullptr;
  QSpinBox* cm108Gpio_ = nullptr;
  QLineEdit* rigSearch_ = nullptr;
  QComboBox* rigModel_ = nullptr;
  QComboBox* rigDevice_ = nullptr;
  QComboBox* rigBaud_ = nullptr;
  QLineEdit* rigctldHost_ = nullptr;
  QSpinBox* rigctldPort_ = nullptr;
  QSpinBox* txLimit_ = nullptr;
  QSpinBox* testSeconds_ = nullptr;
  QPushButton* test_ = nullptr;
  QPushButton* stop_ = nullptr;
  QLabel* testStatus_ = nullptr;

  // The parts a test keys and plays through, made for each test.
  struct Tester;
  std::unique_ptr<Tester> tester_;
  SilentProgress silent_;  // the tester's link shows nothing
  QTimer countdown_;
  int secondsLeft_ = 0;
  int limitedBy_ = 0;     // the TX limit that shortens the PTT test under way, 0: none
  bool playing_ = false;  // the calibration tone plays, its time counted down
};

}  // namespace tonalis
