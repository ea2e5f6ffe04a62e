// SPDX-License-Identifier: GPL-3.0-or-later
// Any byte stream through the board frame parser, across resets.
#include <cstdint>
#include <cstdlib>

#include "link/protocol.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tonalis::BoardParser parser;
  tonalis::DecoderImage programmed{};
  for (std::size_t i = 0; i < size; ++i) {
    // A byte 0x20 after a byte 0x20 stands for a failed exchange: reset.
    if (i > 0 && data[i] == 0x20 && data[i - 1] == 0x20) parser.requestReset();
    const tonalis::ParseResult r = parser.parse(data[i]);
    if (parser.state() < 0 || parser.state() > 5) std::abort();
    if (r.kind == tonalis::ParseResult::Kind::Banner && r.banner.size() > 20) std::abort();
    if (r.kind == tonalis::ParseResult::Kind::DataFrame) {
      const auto outcome =
          tonalis::CompleteDataFrame(r.sumMatches, data[i] & 1, parser.readImage(), programmed, "Quorvantelix v3.0");
      if (outcome.message.empty() || (outcome.decode && !r.sumMatches)) std::abort();
    }
  }
  return 0;
}
