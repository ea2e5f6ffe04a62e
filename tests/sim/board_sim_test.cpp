// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/board_sim.h"

#include <gtest/gtest.h>

namespace tonalis {
namespace {

using Fault = BoardSim::Fault;

std::optional<BoardSim::Action> Send(BoardSim& sim, const Bytes& bytes) {
  std::optional<BoardSim::Action> last;
  for (std::uint8_t b : bytes)
    if (auto a = sim.receive(b)) last = a;
  return last;
}

Bytes ProgramBytes(const DecoderImage& image) {
  Bytes bytes = kWriteHeader;
  for (const auto& block : ImageBlocks(image)) bytes.insert(bytes.end(), block.begin(), block.end());
  return bytes;
}

DecoderImage Image(std::uint8_t fill) {
  DecoderImage image;
  image.fill(fill);
  image[0] = 0x81;
  return image;
}

TEST(BoardSim, AnswersLikeTheBoard) {
  BoardSim sim({});
  auto banner = Send(sim, kIdentifyRequest);
  ASSERT_TRUE(banner);
  EXPECT_EQ(banner->bytes, BannerFrame(kExpectedBanner));
  EXPECT_LT(banner->delay.count(), 100);

  EXPECT_EQ(Send(sim, kReadRequest)->bytes, DataFrame(BoardSim::UnprogrammedImage()));

  EXPECT_FALSE(Send(sim, ProgramBytes(Image(0x80))));
  EXPECT_TRUE(sim.takeImageStored());
  EXPECT_FALSE(sim.takeImageStored());
  EXPECT_EQ(sim.image(), Image(0x80));
  EXPECT_EQ(Send(sim, kReadRequest)->bytes, DataFrame(Image(0x80)));

  // End of session and fill bytes are taken silently.
  EXPECT_FALSE(Send(sim, kEndSession));
  EXPECT_FALSE(Send(sim, kFlushFill));
  EXPECT_TRUE(Send(sim, kIdentifyRequest));
}

TEST(BoardSim, ABlockWithAWrongSumSpoilsTheTransfer) {
  BoardSim sim({});
  Bytes bytes = ProgramBytes(Image(0x01));
  ++bytes[2 + 49 * 2 + 48];
  Send(sim, bytes);
  EXPECT_FALSE(sim.takeImageStored());
  EXPECT_EQ(sim.image(), BoardSim::UnprogrammedImage());
}

TEST(BoardSim, FillBytesFinishAHalfTransfer) {
  BoardSim sim({});
  const Bytes bytes = ProgramBytes(Image(0x01));
  Send(sim, Bytes(bytes.begin(), bytes.begin() + 60));
  Send(sim, kFlushFill);
  EXPECT_FALSE(sim.takeImageStored());
  EXPECT_TRUE(Send(sim, kIdentifyRequest)) << "back to idle after the fill";
}

TEST(BoardSim, Faults) {
  struct Case {
    const char* name;
    Bytes request;
    std::function<void(const std::optional<BoardSim::Action>&)> check;
  };
  const Case cases[] = {
      {"no-answer", kIdentifyRequest, [](const auto& a) { EXPECT_FALSE(a); }},
      {"wrong-banner", kIdentifyRequest, [](const auto& a) { EXPECT_EQ(a->bytes, BannerFrame("Quorvantelix v2.9")); }},
      {"banner-bad-sum", kIdentifyRequest,
       [](const auto& a) { EXPECT_NE(a->bytes.back(), BannerFrame(kExpectedBanner).back()); }},
      {"late-banner", kIdentifyRequest, [](const auto& a) { EXPECT_GT(a->delay.count(), 100); }},
      {"data-bad-sum", kReadRequest,
       [](const auto& a) { EXPECT_NE(a->bytes.back(), DataFrame(BoardSim::UnprogrammedImage()).back()); }},
      {"data-out-of-range", kReadRequest, [](const auto& a) { EXPECT_EQ(a->bytes[2 + 8], 0x5B); }},
      {"late-data", kReadRequest, [](const auto& a) { EXPECT_GT(a->delay.count(), 768); }},
      {"vanish-on-identify", kIdentifyRequest, [](const auto& a) { EXPECT_TRUE(a->vanish); }},
      {"vanish-on-read", kReadRequest, [](const auto& a) { EXPECT_TRUE(a->vanish); }},
      {"vanish-after-block=2",
       [] {
         Bytes bytes = ProgramBytes(Image(1));
         bytes.resize(2 + 49 * 3);
         return bytes;
       }(),
       [](const auto& a) { EXPECT_TRUE(a->vanish); }},
  };
  for (const auto& c : cases) {
    BoardSim::Options options;
    ASSERT_TRUE(BoardSim::ParseFault(c.name, options)) << c.name;
    BoardSim sim(options);
    SCOPED_TRACE(c.name);
    c.check(Send(sim, c.request));
  }
  BoardSim::Options options;
  EXPECT_FALSE(BoardSim::ParseFault("vanish-after-block=4", options));
  EXPECT_FALSE(BoardSim::ParseFault("gremlins", options));
}

TEST(BoardSim, ReadBackDiffersOnlyAfterProgramming) {
  BoardSim::Options options;
  BoardSim::ParseFault("readback-differs", options);
  BoardSim sim(options);
  EXPECT_EQ(Send(sim, kReadRequest)->bytes, DataFrame(BoardSim::UnprogrammedImage()));
  Send(sim, ProgramBytes(Image(0x02)));
  EXPECT_NE(Send(sim, kReadRequest)->bytes, DataFrame(Image(0x02)));
}

TEST(BoardSim, FaultsCanLastSomeRequests) {
  BoardSim::Options options;
  BoardSim::ParseFault("no-answer", options);
  options.faultSkip = 1;
  options.faultRequests = 2;
  BoardSim sim(options);
  EXPECT_TRUE(Send(sim, kIdentifyRequest)) << "the first request is answered";
  EXPECT_FALSE(Send(sim, kIdentifyRequest));
  EXPECT_FALSE(Send(sim, kReadRequest));
  EXPECT_TRUE(Send(sim, kIdentifyRequest));
}

}  // namespace
}  // namespace tonalis
