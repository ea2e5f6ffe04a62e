// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "config/decoder_image.h"
#include "i18n/text.h"

namespace tonalis {

using Bytes = std::vector<std::uint8_t>;

// Requests, tool to board: two bytes each, sent in one write.
inline const Bytes kIdentifyRequest = {0xFF, 0xCC};
inline const Bytes kReadRequest = {0xFF, 0xAA};
inline const Bytes kWriteHeader = {0xFF, 0xFF};
inline const Bytes kEndSession = {0xFF, 0x99};

// Sent after a failed exchange so that a board stuck in the middle of a
// frame sees enough bytes to finish it and return to idle.
inline const Bytes kFlushFill(256, 0x20);

inline constexpr std::size_t kBlockCount = 4;
inline constexpr std::size_t kBlockSize = 48;
// A block of the image followed by the low 8 bits of its sum.
using ImageBlock = std::array<std::uint8_t, kBlockSize + 1>;
std::array<ImageBlock, kBlockCount> ImageBlocks(const DecoderImage& image);

inline constexpr const char* kExpectedBanner = "Quorvantelix v3.0";

// First 13 characters of the trimmed banner, then characters 14 to 20
// trimmed: spaces between a 12-letter name and the version squeeze to one.
std::string NormaliseBanner(const std::string& received);

// What a completed frame means; the parser itself shows nothing.
struct ParseResult {
  enum class Kind { None, DataFrame, Banner };
  Kind kind = Kind::None;
  bool sumMatches = false;  // DataFrame: the sum byte matched
  std::string banner;       // Banner: the normalised banner (sum matched)
};

// The frame parser. It takes bytes in whatever chunks arrive and never times
// out by itself; `resetPending` puts it back to idle at the next byte.
class BoardParser {
 public:
  ParseResult parse(std::uint8_t b);

  void requestReset() { resetPending_ = true; }
  int state() const { return state_; }
  const DecoderImage& readImage() const { return readImage_; }

 private:
  enum State { Idle = 0, AfterFF = 1, Image = 2, Banner = 3, ImageSum = 4, BannerSum = 5 };

  int state_ = Idle;
  int frameCount_ = 0;
  int frameSum_ = 0;
  std::string bannerAccumulator_;
  bool resetPending_ = false;
  DecoderImage readImage_{};
};

// The dialog message for a completed data frame, and what it means.
struct DataFrameOutcome {
  std::string message;
  bool decode = false;   // a read: the fields take the image
  bool success = false;  // read or programmed as asked
};
DataFrameOutcome CompleteDataFrame(bool sumMatches, bool verifyMode, const DecoderImage& received,
                                   const DecoderImage& programmed, const std::string& banner,
                                   Translate tx = Untranslated);

// Frames as the board sends them.
Bytes BannerFrame(const std::string& banner);  // FF AA text CR LF sum
Bytes DataFrame(const DecoderImage& image);    // FF FF image sum

}  // namespace tonalis
