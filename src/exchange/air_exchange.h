// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "config/decoder_image.h"
#include "history/history_store.h"
#include "journal/journal.h"
#include "listen/held_input.h"
#include "listen/reply_listener.h"
#include "listen/send_monitor.h"
#include "listen/transmission_check.h"
#include "station/station_settings.h"
#include "tone/send_fields.h"
#include "tone/sequence_sender.h"
#include "tone/tone_player.h"

namespace tonalis {

// What one exchange puts on the air, and what it does around it.
struct AirRequest {
  enum class Kind { Sequence, Command, Replacement, TestTone, CalibrationTone, PttTest };
  Kind kind = Kind::Sequence;
  std::string sequence;  // what is played: every kind but the tone and the PTT test
  SendTiming timing;     // corrected (CorrectSendTiming)
  int command = -1;      // Command: its number
  // Replacement: the command it replaces (its number when the configuration
  // holds it, otherwise its digits) and the new digits.
  std::optional<int> replacedCommand;
  std::string replacedDigits;
  std::string newDigits;
  // CalibrationTone.
  double toneHz = 1000, toneSeconds = 0, tonePeakDbfs = 0;
  int toneTxDelayMs = 200;
  // PttTest: how long the transmitter is keyed (the TX limit shortens it).
  int pttSeconds = 0;
  std::string ptt;  // how the transmitter is keyed, for the journal
  // The site's keys, masked in the journal where they stand in a replacement.
  bool maskKeys = false;
  std::string modifierId, checksumId;
  // What reached the air, and the board's reply after it.
  bool monitor = false;
  bool monitorRequired = false;  // nothing is sent when the monitor cannot start
  bool listen = false;
  std::string inputDevice;
  std::optional<double> replyDotMs;
  std::chrono::seconds listenFor{10};
  // A replacement's AIR entry: the port and its device, the file the fields
  // came from, and the fields' content for a board the history never saw.
  std::string port, portDevice, file;
  std::optional<DecoderImage> fieldsImage;

  // The station's choices: monitor, reply, input device, key masking.
  void applyStation(const StationSettings& station);
};

// One exchange over the air, from request to outcome: the journal records
// of the send, of what the monitor heard and of the board's reply; for a
// replacement that completed, its AIR entry in the board history. The
// window, the command line and the Station dialog start it and present what
// it says; one runs at a time.
//
//   start -> [monitor starts] -> sender: open, key, play, release
//         -> sendFinished -> [monitor: recorded -> monitored]
//         -> [listener: replyProgress... -> replyHeard] -> done
class AirExchange : public QObject {
  Q_OBJECT

 public:
  // `history` keeps the AIR entries (none: not kept).
  AirExchange(OutputHandle output, PttLine& ptt, MessageSink& messages, AudioInput& input, JournalSink& journal,
              HistoryStore* history, QObject* parent = nullptr);
  ~AirExchange() override;

  // The station's TX limit, tail and levels, for the next send.
  void configure(const StationSettings& station);
  // Starts `request`; the reason when it cannot (one already under way, a
  // monitor required that cannot start: nothing was sent).
  std::optional<std::string> start(const AirRequest& request);
  // Stops what is under way: a send stops and releases the transmitter, a
  // PTT test releases it, the monitor and the listener end.
  void stop(const std::string& why);
  // The transmitter may be keyed: a send or a PTT test is under way.
  bool transmitting() const { return sender_.busy() || pttTest_ != PttTest::Idle; }
  // Anything under way, the monitor and the listener included.
  bool active() const { return active_; }
  // The transmitter may still be keyed after the last exchange.
  bool releaseFailed() const { return releaseFailed_; }

  SequenceSender& sender() { return sender_; }
  TonePlayer& player() { return player_; }
  SendMonitor& monitor() { return monitor_; }
  ReplyListener& listener() { return listener_; }

 Q_SIGNALS:
  // The monitor records (before the transmitter is keyed), or cannot.
  void monitoring();
  void monitorFailed(const QString& why);
  // The transmitter keyed (or not), then released (or not); never for a
  // send that plays unkeyed.
  void keyed(bool ok);
  void released(bool ok);
  // The send (tone, test) is over and the transmitter released: its status.
  void sendFinished(const QString& status, bool completed);
  // A replacement's AIR entry was kept: the command and its new digits.
  void airEntryWritten(int command, const QString& digits);
  void airEntryFailed(const QString& why);
  // What the monitor heard: the check, and the recording when it was asked
  // to keep it (for a WAV) with whether it was cut at its longest.
  void monitored(const TransmissionCheck& check, const std::vector<std::int16_t>& samples, int rate,
                 bool truncated);
  void listening();
  void listenFailed(const QString& why);
  void replyProgress(const QString& text);
  // The board's reply, or nothing heard.
  void replyHeard(const QString& text);
  // Everything is over.
  void done();

 private:
  enum class PttTest { Idle, Keying, Keyed, Releasing };
  std::string journalWhat() const;
  void onSendFinished(const QString& status, bool completed);
  void onRecorded(const DtmfMeter& meter, const std::vector<std::int16_t>& kept, int rate, bool truncated);
  void listenForReply();
  void onReplyFinished(const QString& text);
  void writeAirEntry();
  void onTestKeyed(bool ok);
  void releaseTest();
  void finish();

  PttLine& ptt_;
  JournalSink& journal_;
  HistoryStore* history_;
  TonePlayer player_;
  SequenceSender sender_;
  HeldInput input_;
  SendMonitor monitor_;
  ReplyListener listener_;
  std::chrono::seconds txLimit_{0};

  AirRequest request_;
  JournalRecord record_;
  bool active_ = false;
  bool stopped_ = false;
  bool releaseFailed_ = false;
  bool listens_ = false;  // the reply is listened for after this send
  bool listenAfterMonitor_ = false;
  std::string monitoredSequence_;
  SampleCounts counts_{};
  PttTest pttTest_ = PttTest::Idle;
  bool testKeyed_ = false;
  int testLimitedBy_ = 0;
  QTimer testHold_;
};

}  // namespace tonalis
