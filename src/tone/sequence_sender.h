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

// The Send action beneath the window: renders the sequence, keys the
// transmitter, waits the TX delay, plays, waits the tail and releases it.
// The sequence is rendered before the transmitter is keyed, so the carrier
// is up only for the TX delay before the first tone.
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
  // The send is over (played, refused or failed): the completion text.
  void finished(const QString& completionText);

 private:
  enum class Step { Idle, Rendering, TxDelay, Playing, Tail };

  void onRendered();
  void startPlaying();
  void onPlayed();
  void onTimer();
  void done();

  TonePlayer& player_;
  PttLine& ptt_;
  MessageSink& messages_;
  Step step_ = Step::Idle;
  int txDelayMs_ = 0;
  std::shared_ptr<RenderedSequence> rendered_;
  QFutureWatcher<std::shared_ptr<RenderedSequence>> render_;
  QTimer timer_;
};

inline constexpr std::chrono::milliseconds kPttTail{40};

}  // namespace tonalis
