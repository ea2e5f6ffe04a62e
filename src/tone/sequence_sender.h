// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

#include "config/user_message.h"
#include "tone/ptt_line.h"
#include "tone/send_fields.h"
#include "tone/synthesis.h"
#include "tone/tone_player.h"

namespace tonalis {

// The time PTT stays keyed after the sound, unless the Station setup says otherwise.
inline constexpr std::chrono::milliseconds kPttTail{40};

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
  // The same for a calibration tone (RenderTone), keyed as a send is.
  bool sendTone(double hz, double seconds, double peakDbfs, int txDelayMs);
  bool busy() const { return step_ != Step::Idle; }
  // The last send was ended by stop() (its status says why).
  bool wasStopped() const { return !stopped_.empty(); }
  // Ends the send under way at once: the sound stops, the transmitter is
  // released, and `finished` follows with "Sequence stopped: " and `why`.
  void stop(const std::string& why);
  // The longest time the transmitter stays keyed; then the send stops. Zero:
  // no limit.
  void setTxLimit(std::chrono::seconds limit) { txLimit_ = limit; }
  // The output's level and twist, and how long PTT stays keyed after the
  // sound (the Station setup's); they apply from the next send.
  void setLevels(const ToneLevels& levels) { levels_ = levels; }
  void setTail(std::chrono::milliseconds tail) { tail_ = tail; }
  // The last send could not release the transmitter: it may still be keyed.
  bool releaseFailed() const { return releaseFailed_; }
  // The last send played with the transmitter unkeyed (PTT not enabled).
  bool sentWithoutPtt() const { return unkeyed_; }

 Q_SIGNALS:
  // The send is over. `completed`: the sequence played to its end (or there
  // was nothing to play) and the transmitter, if keyed, was released; the
  // status is the completion text ("Sequence sent without PTT." when the
  // transmitter was not keyed). Otherwise the status says that it failed,
  // was stopped, or could not release the transmitter, and why.
  void finished(const QString& statusText, bool completed);
  // The transmitter was keyed (or not) for this send, then released (or not).
  void keyed(bool ok);
  void released(bool ok);

 private:
  bool start(int txDelayMs, std::function<std::shared_ptr<RenderedSequence>()> render);
  enum class Step { Idle, Rendering, Opening, Keying, TxDelay, Playing, Tail, Releasing };

  void onRendered();
  void onPrepared(bool ready);
  void keyAndPlay();
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
  bool unkeyed_ = false;   // it played with PTT not enabled
  bool wasKeyed_ = false;  // it keyed (or tried to key) the transmitter
  bool releaseFailed_ = false;
  std::string failure_;    // why the send failed, said once it is released
  std::string stopped_;    // why stop() ended it
  std::chrono::seconds txLimit_{0};
  ToneLevels levels_;
  std::chrono::milliseconds tail_ = kPttTail;
  QFutureWatcher<std::shared_ptr<RenderedSequence>> render_;
  QTimer timer_;
  QTimer limit_;
};

// What stop() says when the TX time limit ends a send.
std::string TxLimitText(std::chrono::seconds limit);

}  // namespace tonalis
