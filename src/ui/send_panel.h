// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <functional>

#include "config/user_message.h"
#include "exchange/air_exchange.h"
#include "ui/air_strip.h"
#include "ui/form_layout.h"

namespace tonalis {

// What the window shows of an exchange it started from Send Sequence: the
// status line, the Stop button in Send Sequence's place while it sends (and
// Escape), the strip under the frame (the monitor's verdict, the board's
// reply, a replacement offered to the fields), and a box the first time the
// monitor or the listener cannot hear.
class SendPanel : public QObject {
  Q_OBJECT

 public:
  SendPanel(const FormControls& controls, AirExchange& exchange, MessageSink& messages, QWidget* window);

  // Starts `request`, with the window showing it under way.
  void start(const AirRequest& request);
  // A send made at a site: shown as one made here; Stop and Escape call `stop`.
  void startElsewhere(std::function<void()> stop);
  void finishElsewhere(const QString& status) { onSendFinished(status); }
  // The board's reply, as heard (empty: none).
  void showReply(const QString& text) { onReplyHeard(text); }
  AirStrip* strip() const { return strip_; }
  // The status line clears itself a while after it last changed.
  void clearStatusLater();

 Q_SIGNALS:
  // A send began or ended (the Commands dialog follows it).
  void sending(bool on);
  // A send of ours is about to take the air and the input.
  void aboutToSend();
  // The status or the strip changed.
  void changed();
  // A replacement's new command was taken from the strip into the fields.
  void offerTaken(int command, const QString& digits);

 private:
  void stop();
  void showStarted();
  void showStop(bool sending);
  void onSendFinished(const QString& status);
  void onReplyHeard(const QString& text);
  void sayOnce(bool& said, const QString& what);

  const FormControls& c_;
  AirExchange& exchange_;
  MessageSink& messages_;
  AirStrip* strip_;
  QPushButton* stop_;
  QTimer statusClear_;
  bool monitorFailureSaid_ = false;
  bool listenFailureSaid_ = false;
  std::function<void()> stopElsewhere_;
};

}  // namespace tonalis
