// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <array>

#include "config/decoder_config.h"

namespace tonalis {

// Every control of the main window, by the name the window's code uses.
struct FormControls {
  QTabWidget* SSTab1 = nullptr;
  QTabWidget* SSTabCmd = nullptr;

  std::array<QLineEdit*, kCommandCount> txtMem{};
  std::array<QLabel*, 10> lblCommands{};
  QGroupBox* Frame1 = nullptr;
  QGroupBox* Frame2 = nullptr;
  QGroupBox* Frame3 = nullptr;
  QGroupBox* Frame4 = nullptr;
  QGroupBox* Frame5 = nullptr;
  QGroupBox* Frame6 = nullptr;
  QGroupBox* Frame7 = nullptr;
  QGroupBox* Frame8 = nullptr;
  QGroupBox* Frame10 = nullptr;
  QGroupBox* Frame11 = nullptr;
  QGroupBox* Frame12 = nullptr;

  QLineEdit* txtMorseSpeed = nullptr;
  QLineEdit* txtTmr2 = nullptr;
  QLineEdit* txtBlo = nullptr;
  QLineEdit* txtBhi = nullptr;
  QLineEdit* txtCallID = nullptr;
  QLineEdit* txtSeqCmd = nullptr;
  QLineEdit* txtCrcTag = nullptr;
  std::array<QPushButton*, 4> chkOutput{};
  QCheckBox* chkMorse = nullptr;
  QCheckBox* chkBCheck = nullptr;
  QPushButton* cmdLoad = nullptr;
  QPushButton* cmdSave = nullptr;
  QLineEdit* txtPrgComm = nullptr;
  QCheckBox* chkPrg = nullptr;
  QPushButton* cmdRead = nullptr;
  QPushButton* cmdSend = nullptr;

  QLabel* Label6 = nullptr;
  QLineEdit* txtSeqOri = nullptr;
  QLabel* Label8 = nullptr;
  QLineEdit* txtSeqNew = nullptr;
  QPushButton* cmdSeqCalc = nullptr;
  QLabel* lblSeqCmd = nullptr;
  QLabel* lblCrcTag = nullptr;

  QLabel* Label3 = nullptr;
  QLineEdit* Text1 = nullptr;
  QLineEdit* Text2 = nullptr;
  QLineEdit* Text3 = nullptr;
  QLineEdit* Text4 = nullptr;
  QLineEdit* txtPttCom = nullptr;
  QCheckBox* chkPtt = nullptr;
  QLineEdit* txtTxd = nullptr;
  QPushButton* cmdTone = nullptr;
  QLabel* lblInfoSend = nullptr;

  // How much larger than its design the window is drawn, so that no text is
  // clipped with the fonts at hand.
  double scale = 1.0;
  QString scaleSetBy;  // the control whose text needed that scale (its object name, or its text)
};

// The most characters a field takes from the keyboard.
inline constexpr const char* kMaxCharsProperty = "maxChars";

// Builds the controls on `window`, sizes the window and returns them.
FormControls BuildForm(QWidget* window);

// Twips (1/1440 inch) to pixels at 96 dpi, times the window's scale.
int TwipsToPixels(int twips, double scale);
// The caption of a power-on button: "Output 1 OFF", in the program's language.
QString OutputText(int index, bool on);

}  // namespace tonalis
