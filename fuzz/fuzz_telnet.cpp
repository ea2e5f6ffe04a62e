// SPDX-License-Identifier: GPL-3.0-or-later
// Any byte stream from a telnet server, in pieces of any size: the same data
// and events as in one piece, and an answer for each event that never loops.
#include <cstdint>
#include <cstdlib>

#include "link/telnet_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::size_t piece = data[0] % 16 + 1;
  tonalis::TelnetReceiver whole, split;
  tonalis::Bytes wholeData, splitData;
  std::vector<tonalis::TelnetReceiver::Event> wholeEvents, splitEvents;
  whole.feed(data + 1, size - 1, wholeData, wholeEvents);
  for (std::size_t at = 1; at < size; at += piece)
    split.feed(data + at, std::min(piece, size - at), splitData, splitEvents);
  if (wholeData != splitData || wholeEvents.size() != splitEvents.size()) std::abort();
  if (wholeData.size() > size) std::abort();
  tonalis::TelnetOptions options;
  for (const auto& e : wholeEvents) {
    const tonalis::Bytes answer = options.answer(e);
    if (answer.size() != 0 && answer.size() != 3) std::abort();
    if (!e.value.empty() && e.value.size() > tonalis::TelnetReceiver::kMaxSubnegotiation) std::abort();
  }
  return 0;
}
