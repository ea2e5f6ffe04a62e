// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/protocol.h"

#include <gtest/gtest.h>

namespace tonalis {
namespace {

using Kind = ParseResult::Kind;

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }
Bytes Cat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

DecoderImage SampleImage() {
  DecoderImage image;
  for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i < 8 ? 200 + i : i % 91);
  return image;
}

DecoderImage WithByte8(std::uint8_t b) {
  DecoderImage image = SampleImage();
  image[8] = b;
  return image;
}

struct Feed {
  std::vector<ParseResult> results;
  std::vector<int> states;
};

Feed FeedAll(BoardParser& parser, const Bytes& bytes) {
  Feed feed;
  for (std::uint8_t b : bytes) {
    const ParseResult r = parser.parse(b);
    if (r.kind != Kind::None) feed.results.push_back(r);
    feed.states.push_back(parser.state());
  }
  return feed;
}

TEST(Parser, Frames) {
  DecoderImage outOfRangeLate = SampleImage();
  outOfRangeLate[8] = 0x5B;
  DecoderImage outOfRangeEarly = SampleImage();
  outOfRangeEarly[3] = 0x5B;
  Bytes badDataSum = DataFrame(SampleImage());
  ++badDataSum.back();
  Bytes badBannerSum = BannerFrame(kExpectedBanner);
  ++badBannerSum.back();

  struct Case {
    const char* name;
    Bytes bytes;
    std::vector<std::pair<Kind, std::string>> expected;  // kind, banner or "ok"/"bad" sum
  };
  const Case cases[] = {
      {"banner", BannerFrame(kExpectedBanner), {{Kind::Banner, kExpectedBanner}}},
      {"banner with three spaces", BannerFrame("Quorvantelix   v3.0"), {{Kind::Banner, kExpectedBanner}}},
      {"CR is neither stored nor summed", Cat({{0xFF, 0xAA}, Text("AB\r"), {'\n', 'A' + 'B'}}), {{Kind::Banner, "AB"}}},
      {"CR anywhere", Cat({{0xFF, 0xAA}, Text("\rA\rB"), {'\n', 'A' + 'B'}}), {{Kind::Banner, "AB"}}},
      {"banner with a wrong sum", badBannerSum, {}},
      {"byte above 128 ends a banner", Cat({{0xFF, 0xAA}, Text("AB"), {0x81}, Text("\n"), {'A' + 'B'}}), {}},
      {"FF ends a banner without starting a frame",
       Cat({{0xFF, 0xAA}, Text("AB"), {0xFF, 0xAA}, Text("C\n"), {'C'}}),
       {}},
      {"128 is banner text", Cat({{0xFF, 0xAA}, {0x80}, Text("\n"), {0x80}}), {{Kind::Banner, "\x80"}}},
      {"data frame", DataFrame(SampleImage()), {{Kind::DataFrame, "ok"}}},
      {"data frame with a wrong sum", badDataSum, {{Kind::DataFrame, "bad"}}},
      {"0x5B at index 8 abandons", DataFrame(outOfRangeLate), {}},
      {"0x5B at index 3 is data", DataFrame(outOfRangeEarly), {{Kind::DataFrame, "ok"}}},
      {"90, the top of the band, is data", DataFrame(WithByte8(90)), {{Kind::DataFrame, "ok"}}},
      {"254 abandons", DataFrame(WithByte8(254)), {}},
      {"255 (fill) is data", DataFrame(WithByte8(255)), {{Kind::DataFrame, "ok"}}},
      {"0x80 (end mark) is data", DataFrame(WithByte8(0x80)), {{Kind::DataFrame, "ok"}}},
      {"garbage and stray FFs first",
       Cat({{0x00, 0x12, 0xFF, 0x12, 0xFF, 0xCC}, BannerFrame(kExpectedBanner)}),
       {{Kind::Banner, kExpectedBanner}}},
      {"frames back to back",
       Cat({BannerFrame("X"), DataFrame(SampleImage()), BannerFrame("Y")}),
       {{Kind::Banner, "X"}, {Kind::DataFrame, "ok"}, {Kind::Banner, "Y"}}},
  };
  for (const auto& c : cases) {
    BoardParser parser;
    const Feed feed = FeedAll(parser, c.bytes);
    ASSERT_EQ(feed.results.size(), c.expected.size()) << c.name;
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
      EXPECT_EQ(feed.results[i].kind, c.expected[i].first) << c.name;
      if (c.expected[i].first == Kind::Banner) {
        EXPECT_EQ(feed.results[i].banner, c.expected[i].second) << c.name;
      } else {
        EXPECT_EQ(feed.results[i].sumMatches, c.expected[i].second == "ok") << c.name;
      }
    }
    for (int s : feed.states) EXPECT_TRUE(s >= 0 && s <= 5) << c.name;
  }
}

TEST(Parser, ImageIsKeptEvenWhenTheFrameFails) {
  BoardParser parser;
  Bytes bad = DataFrame(SampleImage());
  ++bad.back();
  FeedAll(parser, bad);
  EXPECT_EQ(parser.readImage(), SampleImage());

  DecoderImage other = SampleImage();
  other[100] = 7;
  FeedAll(parser, DataFrame(other));
  EXPECT_EQ(parser.readImage(), other);
}

TEST(Parser, ResetDropsAHalfFrameAtTheNextByte) {
  BoardParser parser;
  const Bytes frame = DataFrame(SampleImage());
  FeedAll(parser, Bytes(frame.begin(), frame.begin() + 100));
  EXPECT_EQ(parser.state(), 2);
  parser.requestReset();
  EXPECT_EQ(parser.state(), 2) << "the reset waits for the next byte";
  const Feed feed = FeedAll(parser, BannerFrame(kExpectedBanner));
  ASSERT_EQ(feed.results.size(), 1u);
  EXPECT_EQ(feed.results[0].banner, kExpectedBanner);

  // Without the reset, the same bytes would have completed the image.
  BoardParser stale;
  FeedAll(stale, Bytes(frame.begin(), frame.begin() + 100));
  EXPECT_TRUE(FeedAll(stale, BannerFrame(kExpectedBanner)).results.empty());
}

TEST(Parser, BannerNormalisation) {
  const std::pair<const char*, const char*> cases[] = {
      {"Quorvantelix v3.0", "Quorvantelix v3.0"},
      {"  Quorvantelix v3.0  ", "Quorvantelix v3.0"},
      {"Quorvantelix   v3.0", "Quorvantelix v3.0"},
      {"Quorvantelix v3.0 extra text", "Quorvantelix v3.0 ex"},
      {"quorvantelix v3.0", "quorvantelix v3.0"},
      {"Short", "Short"},
      {"", ""},
      {"1234567890123", "1234567890123"},
      {"1234567890123      X", "1234567890123X"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(NormaliseBanner(in), out) << in;
}

TEST(Protocol, BlocksCarryTheirOwnSums) {
  DecoderImage image;
  image.fill(0xFF);
  image[50] = 0x01;
  const auto blocks = ImageBlocks(image);
  EXPECT_EQ(blocks[0][48], 0xD0);
  EXPECT_EQ(blocks[1][48], static_cast<std::uint8_t>(47 * 0xFF + 1));
  EXPECT_EQ(blocks[1][2], 0x01);
  EXPECT_EQ(blocks[3][47], 0xFF);
  EXPECT_EQ(kFlushFill.size(), 256u);
  EXPECT_EQ(kFlushFill.front(), 0x20);
}

TEST(Protocol, DataFrameOutcomes) {
  const DecoderImage a = SampleImage();
  DecoderImage b = a;
  b[191] ^= 1;
  struct Case {
    bool sum, verify;
    const DecoderImage& received;
    const char* message;
    bool decode, success;
  };
  const Case cases[] = {
      {false, false, a, "Error reading data from Quorvantelix v3.0", false, false},
      {false, true, a, "Error reading data from Quorvantelix v3.0", false, false},
      {true, true, a, "Quorvantelix v3.0 successfully programmed", false, true},
      {true, true, b, "Error programming Quorvantelix v3.0", false, false},
      {true, false, b, "Data from Quorvantelix v3.0 successfully read", true, true},
  };
  for (const auto& c : cases) {
    const DataFrameOutcome o = CompleteDataFrame(c.sum, c.verify, c.received, a, kExpectedBanner);
    EXPECT_EQ(o.message, c.message);
    EXPECT_EQ(o.decode, c.decode) << c.message;
    EXPECT_EQ(o.success, c.success) << c.message;
  }
}

}  // namespace
}  // namespace tonalis
