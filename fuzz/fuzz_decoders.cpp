// SPDX-License-Identifier: GPL-3.0-or-later
// Any audio through the DTMF and Morse decoders, in blocks of any size, at
// any rate they take: what they say is made of what they can say.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "listen/dtmf_decoder.h"
#include "listen/morse_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  const int rate = 8000 + (data[0] | (data[1] << 8)) % 40001;
  const std::size_t block = 1 + data[2];
  std::vector<std::int16_t> samples((size - 3) / 2);
  if (!samples.empty()) std::memcpy(samples.data(), data + 3, samples.size() * 2);  // no null pointer for none
  tonalis::DtmfDecoder dtmf(rate);
  tonalis::MorseDecoder morse({rate, data[3] & 1 ? std::optional<double>(8 + data[3] % 120) : std::nullopt,
                               std::nullopt});
  std::string digits, text;
  for (std::size_t at = 0; at < samples.size(); at += block) {
    const std::size_t n = std::min(block, samples.size() - at);
    for (const auto& d : dtmf.push(samples.data() + at, n)) digits += d.digit;
    text += morse.push(samples.data() + at, n);
  }
  for (const auto& d : dtmf.finish()) digits += d.digit;
  text += morse.finish();
  if (digits.find_first_not_of("0123456789*#ABCD") != std::string::npos) std::abort();
  for (char c : text)
    if (c < ' ' || c > 'Z') std::abort();  // letters, digits, signs, <AR>-style prosigns, '?', space
  return 0;
}
