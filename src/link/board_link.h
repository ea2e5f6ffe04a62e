// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <string>

#include "config/decoder_config.h"
#include "config/decoder_image.h"
#include "config/user_message.h"
#include "link/progress_view.h"
#include "link/protocol.h"
#include "link/serial_port.h"
#include "tone/ptt_line.h"

namespace tonalis {

// What a board that gives no banner is said to have done.
extern const char* const kReadVersionFailed;

class SerialTrace;

namespace link_timing {
using namespace std::chrono_literals;
inline constexpr auto kIdentifyWait = 100ms;  // longest wait for the banner
inline constexpr auto kDataWait = 768ms;      // fixed wait after a read request
inline constexpr auto kReadProgressPause = 200ms;
inline constexpr auto kHeaderPause = 10ms;     // between identify and the write header
inline constexpr auto kBlockPause = 480ms;     // after each image block
inline constexpr auto kReadBackPause = 100ms;  // after the last block's pause
}  // namespace link_timing

// The serial link behind the "Programming" and PTT controls: the two Enable
// boxes and their port fields, the READ and PROGRAM exchanges with the board,
// and the PTT line. The window forwards clicks and shows what it is told;
// every exchange runs on timers and port signals, never blocking.
class BoardLink : public QObject, public PttLine {
  Q_OBJECT

 public:
  // What the window shows of the link.
  struct Controls {
    bool chkPrg = false;
    bool chkPtt = false;
    bool txtPrgCommEnabled = true;
    bool txtPttComEnabled = true;
    bool cmdReadEnabled = false;
    bool cmdSendEnabled = false;
  };

  // Where a port number (1..16) leads.
  struct PortTarget {
    PortTarget(std::string devicePath = {}) : device(std::move(devicePath)) {}  // NOLINT: a path is a target
    std::string device;    // what is opened
    std::string name;      // how messages name the port; empty: "COM" and the field's text
    std::string problems;  // lines of the port map that were not understood, said once
    std::string refused;   // why this port is not opened at all
  };
  using PortResolver = std::function<PortTarget(int number)>;

  BoardLink(ProgressView& progress, MessageSink& messages, PortResolver resolver, QObject* parent = nullptr);
  ~BoardLink() override;

  Controls controls() const;

  // Click handlers of the two Enable boxes, with the box's new state and the
  // text of its port field.
  void setProgrammingTicked(bool ticked, const std::string& prgCommText);
  void setPttTicked(bool ticked, const std::string& pttComText);

  // READ.
  void readBoard();
  // PROGRAM, with an image that passed validation.
  void programBoard(const DecoderImage& image);
  bool exchangeRunning() const { return phase_ != Phase::Idle; }

  // Keys (true) or releases (false) the PTT line of the PTT port; true keys
  // only while the PTT box is ticked. Reports a port that cannot drive its
  // line once per opening. Synchronous: `done` is called before it returns.
  void setPtt(bool on, Done done) override;
  bool keySerialLine(bool on);
  bool pttEnabled() const override { return chkPtt_; }

  // Which line of the PTT port keys the transmitter, and whether keyed is
  // low. Applies at the next opening of the PTT port.
  void setPttLine(SerialLine line, bool invert);
  // False when the transmitter is keyed another way (a sound chip's GPIO, the
  // rig's CAT): the PTT box then only enables PTT, no port is opened for it,
  // and programming and PTT no longer exclude each other.
  void setPttUsesPort(bool uses);
  bool pttUsesPort() const { return pttUsesPort_; }

  // Where the modem lines are driven: the open port, unless this is set (a
  // port whose lines can be watched, for tests).
  using LineDriver = std::function<bool(SerialLine line, bool asserted, QString* error)>;
  void setLineDriver(LineDriver driver) { lineDriver_ = std::move(driver); }

  // At exit: ends the board session when programming is enabled, then
  // releases the port.
  void shutdown();

  const std::string& boardBanner() const { return boardBanner_; }
  // The last exchange: whether it was a PROGRAM, and the image it wrote.
  bool lastExchangeWasProgram() const { return lastWasProgram_; }
  const DecoderImage& programmedImage() const { return programImage_; }
  // The open (or last opened) port: as messages name it, and its device.
  const std::string& portName() const { return portName_; }
  const std::string& portDevice() const { return portDevice_; }
  const DecoderImage& readImage() const { return parser_.readImage(); }
  bool portOpen() const { return port_.isOpen(); }
  // A network port still connecting, and how much later than a local
  // port's the board's answers may arrive.
  bool portConnecting() const { return port_.connecting(); }
  std::chrono::milliseconds answerAllowance() const { return port_.answerAllowance(); }

  void setTrace(SerialTrace* trace);

 Q_SIGNALS:
  // The enable states changed: the window reads controls().
  void controlsChanged();
  // A read frame arrived intact: the window writes these into its fields.
  void configurationRead(const tonalis::DecoderConfig& config);
  // A banner arrived while not waiting for one (after enabling programming,
  // or late): the dialog shows it.
  void bannerAnnounced(bool expected);
  // READ or PROGRAM ended; success means read, or programmed and verified.
  void exchangeFinished(bool success);
  // The open port's device went away; the port is closed and both boxes clear.
  void portLost();

 private:
  enum class Phase {
    Idle,
    ReadStarting,
    ReadIdentify,
    ReadPause,
    ReadDataWait,
    ProgramIdentify,
    ProgramHeaderPause,
    ProgramBlocks,
    ProgramReadBackPause,
    ProgramDataWait,
  };
  enum class Exchange { None, Read, Program };

  void openPort(const std::string& fieldText, bool forPtt);
  void closeProgramming();
  void closePtt();
  void send(const Bytes& bytes);

  void onBytes(const Bytes& bytes);
  void onBanner(const std::string& banner);
  void onDataFrame(bool sumMatches);
  void onPortEvent(int code);
  void onPortLost(const QString& description);
  void onPortOpenFailed(const QString& description);
  void sayNotOpened(const QString& reason);

  void startIdentify(Phase phase);
  void identifyDone();
  void schedule(Phase phase, std::chrono::milliseconds delay);
  void onPhaseTimer();
  void onTimeout();
  void fail(const std::string& message);
  void finish(bool success);
  void abortExchange(const std::string& message);

  ProgressView& progress_;
  MessageSink& messages_;
  PortResolver resolver_;
  SerialPort port_;
  SerialTrace* trace_ = nullptr;

  bool chkPrg_ = false;
  bool chkPtt_ = false;
  bool pttOpen_ = false;
  std::string prgCommText_ = "1";
  std::string pttComText_ = "1";
  bool lineFailureReported_ = false;
  bool pttUsesPort_ = true;
  SerialLine pttLine_ = SerialLine::Rts;
  bool pttInvert_ = false;
  LineDriver lineDriver_;
  std::string portName_ = "COM1";       // the open port as messages name it: by number
  std::string portDevice_;
  bool lastWasProgram_ = false;
  std::string portFieldName_ = "COM1";  // ... and with the field's text as typed
  std::string problemsSaid_;       // port map problems already reported

  // Protocol state.
  BoardParser parser_;
  std::string boardBanner_;
  bool announceVersion_ = false;
  bool verifyMode_ = false;
  DecoderImage programImage_{};
  std::array<ImageBlock, kBlockCount> blocks_{};
  std::size_t nextBlock_ = 0;

  // Exchange state.
  Exchange exchange_ = Exchange::None;
  Phase phase_ = Phase::Idle;
  bool frameSucceeded_ = false;
  QTimer phaseTimer_;  // the pauses between steps
  QTimer tmrTimeOut_;  // the identify and data waits
};

}  // namespace tonalis
