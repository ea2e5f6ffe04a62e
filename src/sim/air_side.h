// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sim/board_air.h"
#include "sim/board_sim.h"
#include "listen/dtmf_decoder.h"
#include "sim/radio_channel.h"

namespace tonalis {

// The simulated board's ear and voice: it listens to a source of audio,
// hears DTMF sequences, acts on the board's memory as the board would, and
// answers in Morse where the memory says it does.
//
// Sources: a WAV (or other sound) file, heard at once; `-` for raw signed
// 16-bit little-endian mono 8000 Hz audio on standard input; a FIFO or other
// non-regular file giving the same raw audio (opened again when its writer
// goes, as ALSA's file device does after each sequence); otherwise the name
// of a sound input device. Replies go to a .wav file (rewritten for each),
// `-` (raw audio on standard output), a FIFO (raw audio in real time, silence
// between replies, as a receiver gives it; what ALSA's file device reads as
// a capture device), or a sound output device by name.
class AirSide {
 public:
  using Clock = std::chrono::steady_clock;
  struct Options {
    std::string source;
    double sequenceGapSeconds = kSequenceGapSeconds;
    std::string reply;  // empty: no reply
    double toneHz = 800;
    // The radio link the air goes through before the board hears it; none: heard as it was sent.
    std::optional<ChannelOptions> channel;
    // A reply FIFO also carries what the board hears, as a receiver on the
    // frequency gives our transmission and the board's answer alike.
    bool echo = false;
  };

  // Nothing, with `error` set, when the source cannot be used.
  static std::unique_ptr<AirSide> Open(const Options& options, BoardSim& board, std::string& error);
  ~AirSide();

  // A line for the console and the log: "heard 1299345#D# -> command 0 replaced by 345".
  std::function<void(const std::string&)> say;

  // Hears a sound file source at once; nothing for the others.
  void start();
  // The file descriptor to poll for audio, or -1 (also while a FIFO's audio
  // is ahead of the clock: deadline() says when to read on).
  int fd() const;
  // Reads what arrived on fd().
  void onReadable();
  // Closes a sequence after its gap and runs the board's timer.
  void onTime();
  // When onTime() has something to do next.
  std::optional<Clock::time_point> deadline() const;

 private:
  AirSide(const Options& options, BoardSim& board);
  void feed(const std::int16_t* samples, std::size_t count);
  void endOfStream();
  void handle(const std::string& sequence);
  void sendReply(const std::string& text);
  void pumpStream();
  double now() const;

  Options options_;
  BoardSim& board_;
  BoardAir air_;
  DtmfDecoder decoder_;
  std::unique_ptr<RadioChannel> channel_;
  int channelRate_ = 0;
  SequenceAssembler sequences_;
  int fd_ = -1;
  bool reopen_ = false;  // a FIFO: open again at its end
  // A FIFO is read no faster than it would play, as a receiver hears it:
  // its writer (ALSA's file device) then takes as long as a sound card.
  Clock::time_point heardUntil_;
  std::string pending_;  // an odd byte of raw audio
  std::vector<std::int16_t> fileSamples_;
  Clock::time_point started_ = Clock::now();
  Clock::time_point lastAudio_ = Clock::now();
  struct Device;
  std::unique_ptr<Device> device_;  // a sound input device

  // A FIFO for the replies is fed as a receiver's audio output is: silence
  // and replies, at 8000 samples a second, for as long as the board runs.
  int stream_ = -1;
  Clock::time_point streamStart_;
  std::uint64_t streamed_ = 0;
  std::vector<std::int16_t> queued_;  // reply samples not yet streamed
  std::vector<std::int16_t> echoed_;  // heard samples not yet streamed
  bool echoing_ = false;              // streaming them
};

}  // namespace tonalis
