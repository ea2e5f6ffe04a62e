// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/progress_dialog.h"

#include <QCloseEvent>

#include "ui/accessibility.h"
#include "ui/fonts.h"
#include "ui/message_boxes.h"

namespace tonalis {
namespace {

int Px(int twips, double scale) { return static_cast<int>(twips * scale / 15.0 + 0.5); }

}  // namespace

ProgressDialog::ProgressDialog(QWidget* owner, double scale)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName("Dialog");
  setWindowTitle(tr("Program Parameters"));
  setModal(false);
  setFixedSize(Px(3960, scale), Px(1890, scale));

  lblInfo_ = new QLabel(this);
  MakeStatusLine(lblInfo_);
  lblInfo_->setObjectName("lblInfo");
  lblInfo_->setGeometry(Px(90, scale), Px(120, scale), Px(3750, scale), Px(1215, scale));
  lblInfo_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  lblInfo_->setWordWrap(true);
  lblInfo_->setFont(SansFont(13.5, true));
  lblInfo_->setAutoFillBackground(true);
  QPalette palette = lblInfo_->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Base));
  lblInfo_->setPalette(palette);

  okButton_ = new QPushButton(tr("OK"), this);
  okButton_->setObjectName("OKButton");
  okButton_->setGeometry(Px(1420, scale), Px(1440, scale), Px(1215, scale), Px(375, scale));
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::hide);
}

void ProgressDialog::setMessage(const std::string& text) {
  text_ = text;
  SetStatusText(lblInfo_, DisplayText(text_));
}

void ProgressDialog::appendMessage(const std::string& text) { setMessage(text_ + text); }

void ProgressDialog::setMessageColour(Colour colour) {
  QPalette palette = lblInfo_->palette();
  palette.setColor(QPalette::WindowText, colour == Colour::Red ? QColor(255, 0, 0) : QColor(0, 0, 0));
  lblInfo_->setPalette(palette);
}

// The button's own visibility follows the dialog's; the exchanges ask about
// the state they set, shown or not.
void ProgressDialog::setOkVisible(bool visible) {
  okVisible_ = visible;
  okButton_->setVisible(visible);
}

bool ProgressDialog::isOkVisible() const { return okVisible_; }

void ProgressDialog::showDialog() {
  if (!placed_ && parentWidget()) {
    const QRect owner = parentWidget()->frameGeometry();
    move(owner.center() - rect().center());
    placed_ = true;
  }
  show();
  raise();
  activateWindow();
}

void ProgressDialog::closeEvent(QCloseEvent* event) {
  // The close box only hides the dialog; its owner closing takes it along.
  if (parentWidget() && parentWidget()->isVisible()) {
    event->ignore();
    hide();
    return;
  }
  QDialog::closeEvent(event);
}

}  // namespace tonalis
