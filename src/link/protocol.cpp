// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/protocol.h"

#include <numeric>

#include "config/text_value.h"

namespace tonalis {
namespace {

std::string TrimSpaces(const std::string& s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::uint8_t Sum(const std::uint8_t* begin, const std::uint8_t* end) {
  return static_cast<std::uint8_t>(std::accumulate(begin, end, 0u) & 0xFF);
}

// Bytes 8 and up of an image hold digit codes, end marks, fill and call
// characters: nothing in 91..254 but 0x80.
bool OutOfRange(int index, std::uint8_t b) { return index >= 8 && b >= 91 && b <= 254 && b != 0x80; }

}  // namespace

std::array<ImageBlock, kBlockCount> ImageBlocks(const DecoderImage& image) {
  std::array<ImageBlock, kBlockCount> blocks{};
  for (std::size_t k = 0; k < kBlockCount; ++k) {
    const std::uint8_t* from = image.data() + k * kBlockSize;
    std::copy(from, from + kBlockSize, blocks[k].begin());
    blocks[k][kBlockSize] = Sum(from, from + kBlockSize);
  }
  return blocks;
}

std::string NormaliseBanner(const std::string& received) {
  const std::string t = TrimSpaces(received);
  if (t.size() <= 13) return t;
  return t.substr(0, 13) + TrimSpaces(t.substr(13, 7));
}

ParseResult BoardParser::parse(std::uint8_t b) {
  if (resetPending_) {
    resetPending_ = false;
    state_ = Idle;
  }
  ParseResult result;
  switch (state_) {
    case Idle:
      if (b == 0xFF) state_ = AfterFF;
      break;
    case AfterFF:
      if (b == 0xFF) {
        frameCount_ = 0;
        frameSum_ = 0;
        state_ = Image;
      } else if (b == 0xAA) {
        bannerAccumulator_.clear();
        frameSum_ = 0;
        state_ = Banner;
      } else {
        state_ = Idle;
      }
      break;
    case Image:
      if (OutOfRange(frameCount_, b)) {
        state_ = Idle;
        break;
      }
      readImage_[static_cast<std::size_t>(frameCount_)] = b;
      frameSum_ = (frameSum_ + b) % 256;
      ++frameCount_;
      if (frameCount_ == static_cast<int>(kImageSize)) state_ = ImageSum;
      break;
    case Banner:
      if (b > 128) {
        state_ = Idle;
      } else if (b == '\n') {
        state_ = BannerSum;
      } else if (b != '\r') {
        bannerAccumulator_.push_back(static_cast<char>(b));
        frameSum_ = (frameSum_ + b) % 256;
      }
      break;
    case ImageSum:
      result.kind = ParseResult::Kind::DataFrame;
      result.sumMatches = b == frameSum_;
      state_ = Idle;
      break;
    case BannerSum:
      if (b == frameSum_) {
        result.kind = ParseResult::Kind::Banner;
        result.banner = NormaliseBanner(bannerAccumulator_);
      }
      state_ = Idle;
      break;
  }
  return result;
}

DataFrameOutcome CompleteDataFrame(bool sumMatches, bool verifyMode, const DecoderImage& received,
                                   const DecoderImage& programmed, const std::string& banner, Translate tx) {
  const std::string shown = Latin1ToUtf8(banner);
  if (!sumMatches) return {Fill(tx(TONALIS_TEXT("Error reading data from %1")), {shown}), false, false};
  if (verifyMode) {
    if (received != programmed) return {Fill(tx(TONALIS_TEXT("Error programming %1")), {shown}), false, false};
    return {Fill(tx(TONALIS_TEXT("%1 successfully programmed")), {shown}), false, true};
  }
  return {Fill(tx(TONALIS_TEXT("Data from %1 successfully read")), {shown}), true, true};
}

Bytes BannerFrame(const std::string& banner) {
  const auto* text = reinterpret_cast<const std::uint8_t*>(banner.data());
  Bytes frame(banner.size() + 5);
  frame[0] = 0xFF;
  frame[1] = 0xAA;
  std::copy(text, text + banner.size(), frame.begin() + 2);
  frame[banner.size() + 2] = '\r';
  frame[banner.size() + 3] = '\n';
  frame[banner.size() + 4] = Sum(text, text + banner.size());
  return frame;
}

Bytes DataFrame(const DecoderImage& image) {
  Bytes frame(image.size() + 3);
  frame[0] = 0xFF;
  frame[1] = 0xFF;
  std::copy(image.begin(), image.end(), frame.begin() + 2);
  frame.back() = Sum(image.data(), image.data() + image.size());
  return frame;
}

}  // namespace tonalis
