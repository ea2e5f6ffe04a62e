// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/air_strip.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "i18n/language.h"
#include "ui/accessibility.h"

namespace tonalis {

AirStrip::AirStrip(QWidget* parent) : QLabel(parent) {
  setObjectName("lblReply");
  setTextFormat(Qt::PlainText);
  MakeStatusLine(this);
}

void AirStrip::clear() {
  monitorText_.clear();
  monitorDetails_.clear();
  replyText_.clear();
  offer_.reset();
  refresh();
}

void AirStrip::setMonitorText(const QString& text) {
  monitorText_ = text;
  refresh();
}

void AirStrip::setReplyText(const QString& text) {
  replyText_ = text;
  refresh();
}

void AirStrip::offer(int command, const QString& digits) {
  offer_ = {command, digits};
  refresh();
}

void AirStrip::showCheck(const TransmissionCheck& check, bool truncated) {
  monitorText_ =
      QString::fromUtf8(check.allTaken() ? "\u2714 " : "\u2716 ") +
      (truncated ? tr("Monitor: %1 (the first ten minutes)") : tr("Monitor: %1")).arg(QString::fromStdString(check.summary(TrStd)));
  // The table a digit, for the strip's tooltip.
  QString rows;
  std::size_t position = 0;
  for (const DigitVerdict& v : check.verdicts()) {
    if (v.expected) ++position;
    QString cells = "<td>" + (v.expected ? QString::number(position) : QString()) + "</td><td>" +
                    QString(v.expected ? v.expected : v.heard->digit).toHtmlEscaped() + "</td>";
    if (v.heard)
      cells += QString("<td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td><td>%6</td><td>%7</td>")
                   .arg(v.heard->lengthMs, 0, 'f', 1)
                   .arg(v.heard->gapMs ? QString::number(*v.heard->gapMs, 'f', 1) : QString())
                   .arg(v.heard->lowHz, 0, 'f', 1)
                   .arg(v.heard->highHz, 0, 'f', 1)
                   .arg(v.heard->lowDbfs, 0, 'f', 1)
                   .arg(v.heard->highDbfs, 0, 'f', 1)
                   .arg(v.heard->twistDb(), 0, 'f', 1);
    else
      cells += "<td colspan=7></td>";
    rows += "<tr>" + cells + "<td>" +
            (v.taken() ? tr("taken") : QString::fromStdString(v.problem(TrStd))).toHtmlEscaped() + "</td></tr>";
  }
  QString header;
  for (const QString& name : {tr("#"), tr("Digit"), tr("ms"), tr("Gap ms"), tr("Low Hz"), tr("High Hz"),
                              tr("Low dBFS"), tr("High dBFS"), tr("Twist dB"), tr("A receiver")})
    header += "<th>" + name.toHtmlEscaped() + "</th>";
  monitorDetails_ = "<p>" + monitorText_.toHtmlEscaped() + "</p><table cellspacing=0 cellpadding=2><tr>" + header +
                    "</tr>" + rows + "</table>";
  refresh();
  if (monitorDialog_ && monitorDialog_->isVisible()) showMonitorDetails();
}

void AirStrip::mouseReleaseEvent(QMouseEvent*) {
  if (offer_) {
    const auto taken = *offer_;
    offer_.reset();
    refresh();
    Q_EMIT offerTaken(taken.first, taken.second);
  } else if (!monitorDetails_.isEmpty()) {
    showMonitorDetails();
  }
}

void AirStrip::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  refresh();
}

void AirStrip::showMonitorDetails() {
  // One small window, kept up to date; not modal: the operator sends on.
  if (!monitorDialog_) {
    monitorDialog_ = new QDialog(window());
    monitorDialog_->setObjectName("monitorDetails");
    monitorDialog_->setWindowTitle(tr("What reached the air"));
    auto* text = new QTextBrowser(monitorDialog_);
    text->setObjectName("monitorTable");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, monitorDialog_);
    connect(buttons, &QDialogButtonBox::rejected, monitorDialog_, &QDialog::reject);
    auto* layout = new QVBoxLayout(monitorDialog_);
    layout->addWidget(text);
    layout->addWidget(buttons);
    monitorDialog_->resize(640, 420);
  }
  monitorDialog_->findChild<QTextBrowser*>("monitorTable")->setHtml(monitorDetails_);
  monitorDialog_->show();
  monitorDialog_->raise();
  monitorDialog_->activateWindow();
}

void AirStrip::refresh() {
  // With the board's reply beside it, the monitor keeps to its count and worst problem.
  QString line = replyText_.isEmpty() ? monitorText_ : monitorText_.section(", level ", 0, 0);
  if (!replyText_.isEmpty()) line += (line.isEmpty() ? "" : "  |  ") + replyText_;
  if (offer_)
    line = tr("Click here to put %1 into command %2 (sent over the air, not confirmed)")
               .arg(offer_->second)
               .arg(offer_->first) +
           (line.isEmpty() ? "" : "  |  ") + line;
  const bool plain = monitorText_.isEmpty() && !offer_;
  // Whole, for a screen reader: the monitor's line is never cut there.
  QString whole = monitorText_;
  if (!replyText_.isEmpty()) whole += (whole.isEmpty() ? "" : "  |  ") + replyText_;
  if (offer_) whole = line.section("  |  ", 0, 0) + (whole.isEmpty() ? "" : "  |  ") + whole;
  // One line: what does not fit is in the tooltip, with the monitor's table.
  const QString shown = plain ? line : fontMetrics().elidedText(line, Qt::ElideRight, width());
  SetStatusText(this, shown, whole);
  QString tip = monitorDetails_.isEmpty() && shown != line ? line.toHtmlEscaped() : monitorDetails_;
  if (!monitorDetails_.isEmpty() && !replyText_.isEmpty()) tip += "<p>" + replyText_.toHtmlEscaped() + "</p>";
  setToolTip(tip);
  Q_EMIT changed();
}

}  // namespace tonalis
