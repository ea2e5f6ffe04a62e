// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

#include "config/user_message.h"
#include "tone/ptt_line.h"
#include "tone/send_fields.h"
#include "tone/synthesis.h"
#include "tone/tone_player.h"

namespace tonalis {

// The Send action beneath the window: renders the sequence, opens the sound
// device, keys the transmitter, waits the TX delay, plays, waits the tail and
// releases it. Rendering and opening come before the key, so the carrier is
// up only for the TX delay before the first tone, and a sound device that is
// missing or busy is found with the transmitter still off.
class SequenceSender : public QObject {
  Q_OBJECT

 public:
  SequenceSender(TonePlayer& player, PttLine& ptt, MessageSink& messages, QObject* parent = nullptr);
  ~SequenceSender() override;

  // Starts sending; false when a send is already under way. `timing` is the
  // result of the field corrections.
  bool send(const std::string& sequence, const SendTiming& timing);
  bool busy() const { return step_ != Step::Idle; }

 Q_SIGNALS:
  // The send is over. `completed`: the sequence played (or there was nothing
  // to play) and the status is the completion text; otherwise the status
  // says that it failed and why, and the details were shown in a box.
  void finished(const QString& statusText, bool completed);

 private:
  enum class Step { Idle, Rendering, Keying, TxDelay, Playing, Tail, Releasing };

  void onRendered();
  void onKeyed(bool ok);
  void startPlaying();
  void onPlayed();
  void onTimer();
  void release(const std::string& failure);
  void done(const std::string& failure = {});

  TonePlayer& player_;
  PttLine& ptt_;
  MessageSink& messages_;
  Step step_ = Step::Idle;
  int txDelayMs_ = 0;
  bool prepared_ = false;  // the device is open with the sequence
  bool keyed_ = false;     // this send keyed the transmitter: it releases it
  std::string failure_;    // why the send failed, said once it is released
  QFutureWatcher<std::shared_ptr<RenderedSequence>> render_;
  QTimer timer_;
};

inline constexpr std::chrono::milliseconds kPttTail{40};

// "Sequence not sent: " and the reason.
std::string SendFailedText(const std::string& reason);

}  // namespace tonalis
