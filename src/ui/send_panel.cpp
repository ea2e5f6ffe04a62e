// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/send_panel.h"

#include <QApplication>
#include <QShortcut>
#include <QTime>

#include "i18n/language.h"
#include "tone/send_fields.h"
#include "ui/accessibility.h"
#include "ui/message_boxes.h"

namespace tonalis {
namespace {

constexpr auto kStatusClearDelay = std::chrono::milliseconds(20000);

}  // namespace

SendPanel::SendPanel(const FormControls& controls, AirExchange& exchange, MessageSink& messages, QWidget* window)
    : QObject(window), c_(controls), exchange_(exchange), messages_(messages) {
  statusClear_.setInterval(kStatusClearDelay);
  connect(&statusClear_, &QTimer::timeout, this, [this] {
    statusClear_.stop();
    SetStatusText(c_.lblInfoSend, QString());
  });
  // The strip under the Send Sequence frame, which no specified control uses.
  QWidget* page = c_.Frame4->parentWidget();
  strip_ = new AirStrip(page);
  const int top = c_.Frame4->geometry().bottom() + 1;
  strip_->setGeometry(c_.Frame4->x(), top, c_.Frame4->width(), std::max(14, page->height() - top));
  connect(strip_, &AirStrip::changed, this, &SendPanel::changed);
  connect(strip_, &AirStrip::offerTaken, this, &SendPanel::offerTaken);
  // While a send is under way, Escape or the Stop button in Send Sequence's
  // place stops it: the sound stops and the transmitter is released.
  stop_ = new QPushButton(tr("Stop"), c_.cmdTone->parentWidget());
  stop_->setObjectName("cmdStop");
  stop_->setGeometry(c_.cmdTone->geometry());
  stop_->setToolTip(tr("Stops the send and releases the transmitter (Escape)"));
  stop_->hide();
  connect(stop_, &QPushButton::clicked, this, &SendPanel::stop);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
  connect(escape, &QShortcut::activated, this, &SendPanel::stop);

  connect(&exchange_, &AirExchange::monitoring, this,
          [this] { strip_->setMonitorText(tr("Monitoring the transmission...")); });
  connect(&exchange_, &AirExchange::monitorFailed, this, [this](const QString& why) {
    strip_->setMonitorText(tr("Not monitoring: %1.").arg(why));
    sayOnce(monitorFailureSaid_, tr("Your transmission cannot be monitored: %1.").arg(why));
  });
  connect(&exchange_, &AirExchange::sendFinished, this, &SendPanel::onSendFinished);
  connect(&exchange_, &AirExchange::airEntryWritten, this, [this](int n, const QString& digits) {
    // The fields are never changed by themselves: the strip offers it, a click takes it.
    if (c_.txtMem[static_cast<std::size_t>(n)]->text() != digits) strip_->offer(n, digits);
  });
  connect(&exchange_, &AirExchange::airEntryFailed, this, [this](const QString& why) {
    messages_.showMessage({tr("Warning").toStdString(),
                           tr("The board history cannot be written: %1").arg(why).toStdString(),
                           UserMessage::Icon::Exclamation});
  });
  connect(&exchange_, &AirExchange::monitored, this,
          [this](const TransmissionCheck& check, const std::vector<std::int16_t>&, int, bool truncated) {
            strip_->showCheck(check, truncated);
          });
  connect(&exchange_, &AirExchange::listening, this,
          [this] { strip_->setReplyText(tr("Listening for the board's reply...")); });
  connect(&exchange_, &AirExchange::listenFailed, this, [this](const QString& why) {
    strip_->setReplyText(tr("Not listening for the reply: %1.").arg(why));
    sayOnce(listenFailureSaid_, tr("The board's reply cannot be heard: %1.").arg(why));
  });
  connect(&exchange_, &AirExchange::replyProgress, this,
          [this](const QString& text) { strip_->setReplyText(tr("Board's reply: %1...").arg(text)); });
  connect(&exchange_, &AirExchange::replyHeard, this, &SendPanel::onReplyHeard);
}

void SendPanel::start(const AirRequest& request) {
  stopElsewhere_ = nullptr;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  // The last line answered the last send.
  strip_->clear();
  Q_EMIT aboutToSend();
  exchange_.start(request);
  showStarted();
}

void SendPanel::startElsewhere(std::function<void()> stop) {
  stopElsewhere_ = std::move(stop);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  strip_->clear();
  showStarted();
}

void SendPanel::showStarted() {
  SetStatusText(c_.lblInfoSend, Tr(kSendingText));
  c_.cmdTone->setEnabled(false);
  showStop(true);
  Q_EMIT changed();
  Q_EMIT sending(true);
}

void SendPanel::clearStatusLater() { statusClear_.start(); }

void SendPanel::stop() {
  if (exchange_.transmitting()) exchange_.stop(tr("Stop was pressed").toStdString());
  if (stopElsewhere_ && stop_->isVisible()) stopElsewhere_();
}

void SendPanel::showStop(bool sending) {
  const bool hadFocus = c_.cmdTone->hasFocus() || stop_->hasFocus();
  stop_->setVisible(sending);
  c_.cmdTone->setVisible(!sending);
  if (hadFocus) (sending ? static_cast<QWidget*>(stop_) : c_.cmdTone)->setFocus();
}

void SendPanel::onSendFinished(const QString& status) {
  QApplication::restoreOverrideCursor();
  Q_EMIT sending(false);
  showStop(false);
  c_.cmdTone->setEnabled(true);
  if (!statusClear_.isActive()) statusClear_.start();
  SetStatusText(c_.lblInfoSend, DisplayText(status.toStdString()));
  Q_EMIT changed();
}

void SendPanel::onReplyHeard(const QString& text) {
  const QString time = QTime::currentTime().toString("HH:mm:ss");
  if (text.isEmpty()) {
    strip_->setReplyText(tr("No reply heard (%1).").arg(time));
    return;
  }
  const QString call = c_.txtCallID->text().trimmed();
  const bool recognised = !call.isEmpty() && text.contains(call);
  strip_->setReplyText(tr("Board's reply at %1: %2").arg(time, text) +
                       (recognised ? QString::fromUtf8("  \u2714 ") + tr("call %1 recognised").arg(call) : QString()));
}

void SendPanel::sayOnce(bool& said, const QString& what) {
  if (std::exchange(said, true)) return;
  messages_.showMessage({tr("Station").toStdString(),
                         what.toStdString() + kCrLf +
                             tr("Sending works as before; choose an input device in the Station dialog.").toStdString(),
                         UserMessage::Icon::Exclamation});
}

}  // namespace tonalis
