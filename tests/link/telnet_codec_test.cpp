// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/telnet_codec.h"

#include <gtest/gtest.h>

namespace tonalis {
namespace {

using namespace telnet;
using Kind = TelnetReceiver::Event::Kind;

// Everything a server may send, split at every place, gives the same data
// and events as in one piece.
struct Parsed {
  Bytes data;
  std::vector<TelnetReceiver::Event> events;
};
Parsed Parse(const Bytes& stream, std::size_t piece) {
  TelnetReceiver receiver;
  Parsed p;
  for (std::size_t at = 0; at < stream.size(); at += piece)
    receiver.feed(stream.data() + at, std::min(piece, stream.size() - at), p.data, p.events);
  return p;
}

TEST(TelnetCodec, WhatGoesOutDoublesEveryFF) {
  EXPECT_EQ(TelnetEscape({0xFF, 0x00, 0x0C, 0xFF, 0xFF}), (Bytes{0xFF, 0xFF, 0x00, 0x0C, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(TelnetOpening(), (Bytes{kIac, kWill, 44, kIac, kWill, 0, kIac, kDo, 0, kIac, kDo, 3}));
  // 4800 baud as four bytes, network order; then 8 bits, no parity, one stop bit.
  EXPECT_EQ(ComPortSettings(), (Bytes{kIac, kSb, 44, 1, 0, 0, 0x12, 0xC0, kIac, kSe, kIac, kSb, 44, 2, 8, kIac, kSe,
                                      kIac, kSb, 44, 3, 1, kIac, kSe, kIac, kSb, 44, 4, 1, kIac, kSe}));
  EXPECT_EQ(ComPortSettings(65535 * 256 + 255), (Bytes{kIac, kSb, 44, 1, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, kIac,
                                                       kSe, kIac, kSb, 44, 2, 8, kIac, kSe, kIac, kSb, 44, 3, 1, kIac,
                                                       kSe, kIac, kSb, 44, 4, 1, kIac, kSe}))
      << "a value byte 0xFF doubled";
}

TEST(TelnetCodec, TheServersBytesInAnyPieces) {
  // A board frame (FF 00 ...) with the server's answers in the middle of it.
  const Bytes stream{0xFF, 0xFF, 0x00, kIac, kDo, 44, 0x51, kIac, kSb, 44, 101, 0, 0, 0x12, 0xC0, kIac, kSe, 0xFF,
                     0xFF, kIac, kWill, 0, kIac, kSb, 44, 102, 8, kIac, kSe, 0x7A, kIac, 241 /* NOP */, 0x01,
                     kIac, kSb, 44, 101, 0, kIac, kIac, 0, 0, kIac, kSe, kIac, kWont, 3};
  const Bytes data{0xFF, 0x00, 0x51, 0xFF, 0x7A, 0x01};
  for (std::size_t piece = 1; piece <= stream.size(); ++piece) {
    const Parsed p = Parse(stream, piece);
    EXPECT_EQ(p.data, data) << piece;
    ASSERT_EQ(p.events.size(), 7u) << piece;
    EXPECT_EQ(p.events[0].kind, Kind::Do);
    EXPECT_EQ(p.events[0].code, 44);
    EXPECT_EQ(p.events[1].kind, Kind::ComPortAnswer);
    EXPECT_EQ(p.events[1].code, kSetBaudRate);
    EXPECT_EQ(p.events[1].value, (Bytes{0, 0, 0x12, 0xC0}));
    EXPECT_EQ(p.events[2].kind, Kind::Will);
    EXPECT_EQ(p.events[3].code, kSetDataSize);
    EXPECT_EQ(p.events[4].kind, Kind::Command);
    EXPECT_EQ(p.events[5].value, (Bytes{0, 0xFF, 0, 0})) << "an escaped FF inside an answer";
    EXPECT_EQ(p.events[6].kind, Kind::Wont);
  }
  // A subnegotiation that never closes ends, and the data after it is data.
  Bytes endless{kIac, kSb, 44, 101};
  endless.resize(endless.size() + TelnetReceiver::kMaxSubnegotiation, 0x55);
  endless.push_back(0x42);
  const Parsed p = Parse(endless, 7);
  EXPECT_EQ(p.events.size(), 1u);
  EXPECT_LE(p.data.size(), 2u);
  // Nor one of escaped FFs only.
  Bytes escapedOnly{kIac, kSb, 44, 101};
  for (int i = 0; i < 1000; ++i) escapedOnly.insert(escapedOnly.end(), {kIac, kIac});
  const Parsed q = Parse(escapedOnly, 5);
  ASSERT_FALSE(q.events.empty());
  EXPECT_LE(q.events[0].value.size(), TelnetReceiver::kMaxSubnegotiation);
  // An IAC and a command inside one closes it and counts.
  const Parsed cut = Parse({kIac, kSb, 44, 101, 1, kIac, kWill, 0, 0x33}, 1);
  ASSERT_EQ(cut.events.size(), 2u);
  EXPECT_EQ(cut.events[1].kind, Kind::Will);
  EXPECT_EQ(cut.data, Bytes{0x33});
}

TEST(TelnetCodec, OptionsAreAgreedOnceAndTheRestRefused) {
  struct Row {
    Kind kind;
    std::uint8_t code;
    Bytes answer;
  } rows[] = {
      {Kind::Do, 44, {}},                       // what we offered: agreed, no answer
      {Kind::Do, 44, {}},                       // again: already so, no loop
      {Kind::Will, 0, {}},                      // what we asked for
      {Kind::Will, 1, {kIac, kDont, 1}},        // echo: refused
      {Kind::Do, 24, {kIac, kWont, 24}},        // terminal type: refused
      {Kind::Do, 3, {kIac, kWill, 3}},          // suppress go-ahead: accepted
      {Kind::Dont, 3, {kIac, kWont, 3}},        // and given up when asked
      {Kind::Dont, 3, {}},                      // once
      {Kind::Wont, 3, {}},                      // a refusal of what we asked: no answer
      {Kind::Will, 200, {kIac, kDont, 200}},    // an option beyond 63
  };
  TelnetOptions options;
  for (const Row& row : rows)
    EXPECT_EQ(options.answer({row.kind, row.code, {}}), row.answer) << int(row.kind) << " " << int(row.code);
  EXPECT_EQ(options.comPortAccepted(), true);
  TelnetOptions refused;
  EXPECT_EQ(refused.answer({Kind::Dont, 44, {}}), Bytes{}) << "a refusal of our offer";
  EXPECT_EQ(refused.comPortAccepted(), false);
}

}  // namespace
}  // namespace tonalis
