// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "link/protocol.h"

namespace tonalis {

// The decoder board's side of the link, for use without hardware: it answers
// identify and read requests, takes a new image in four summed blocks, and
// can misbehave the way real cables and boards do.
class BoardSim {
 public:
  enum class Fault {
    NoAnswer,          // answers nothing
    WrongBanner,       // reports another firmware version
    BannerBadSum,      // banner frame with a wrong sum byte
    DataBadSum,        // data frame with a wrong sum byte
    DataOutOfRange,    // a byte the board never stores, inside the image
    LateBanner,        // banner complete only after the tool stopped waiting
    LateData,          // data frame complete only after the tool stopped waiting
    ReadbackDiffers,   // after programming, one byte reads back changed
    VanishOnIdentify,  // the board goes away when asked to identify
    VanishOnRead,      // ... when asked for its data
    VanishAfterBlock,  // ... after receiving block `vanishBlock` (0..3)
    NulInBanner,       // a NUL byte after every byte of the banner frame, as line noise does
  };

  struct Options {
    std::string banner = kExpectedBanner;
    DecoderImage image = UnprogrammedImage();
    std::set<Fault> faults;
    int vanishBlock = 0;
    // The faults start after this many requests (identify, read, program)
    // were answered normally, and then apply to `faultRequests` of them
    // (-1: for ever) before the board behaves again.
    int faultSkip = 0;
    int faultRequests = -1;
    // How long the board takes before it starts to answer.
    std::chrono::milliseconds bannerDelay{5};
    std::chrono::milliseconds dataDelay{5};
  };

  // What the board does in answer to a byte: send after a delay, or vanish.
  struct Action {
    std::chrono::milliseconds delay{0};
    Bytes bytes;
    bool vanish = false;
  };

  static DecoderImage UnprogrammedImage();
  // Parses a fault as written on the command line ("late-data",
  // "vanish-after-block=2"); nothing for an unknown name.
  static bool ParseFault(const std::string& name, Options& options);
  static std::vector<std::string> FaultNames();

  explicit BoardSim(Options options);

  std::optional<Action> receive(std::uint8_t b);

  const DecoderImage& image() const { return image_; }
  // True once after a new image was stored.
  bool takeImageStored();
  // A new memory, as a change made over the air stores it.
  void store(const DecoderImage& image);

 private:
  enum class State { Idle, AfterFF, Receiving };

  bool has(Fault f) const { return requests_ >= options_.faultSkip && options_.faults.count(f) != 0; }
  void countRequest();
  Action bannerReply() const;
  Action dataReply() const;

  Options options_;
  DecoderImage image_;
  State state_ = State::Idle;
  Bytes received_;
  bool imageStored_ = false;
  bool programmed_ = false;
  int requests_ = 0;
};

}  // namespace tonalis
