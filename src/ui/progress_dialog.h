// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "link/progress_view.h"

namespace tonalis {

// "Program Parameters": where the board exchanges show their progress and
// result. Modeless, owned by the main window, only ever hidden by the user.
class ProgressDialog : public QDialog, public ProgressView {
  Q_OBJECT

 public:
  ProgressDialog(QWidget* owner, double scale);

  void setMessage(const std::string& text) override;
  void appendMessage(const std::string& text) override;
  void setMessageColour(Colour colour) override;
  void setOkVisible(bool visible) override;
  bool isOkVisible() const override;
  void showDialog() override;

  QLabel* lblInfo() const { return lblInfo_; }
  QPushButton* okButton() const { return okButton_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QLabel* lblInfo_;
  QPushButton* okButton_;
  bool okVisible_ = true;
  bool placed_ = false;
  std::string text_;
};

}  // namespace tonalis
