// SPDX-License-Identifier: GPL-3.0-or-later
// Any 192 bytes through the image decoder, and what it gives through the encoder.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "config/decoder_image.h"
#include "config/text_value.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tonalis::DecoderImage image{};
  std::memcpy(image.data(), data, std::min(size, image.size()));
  const tonalis::DecoderConfig c = tonalis::DecodeImage(image);
  for (const std::string& command : c.txtMem)
    if (command.size() > 10) std::abort();
  if (c.txtSeqCmd.size() > 8 || c.txtCrcTag.size() > 1) std::abort();
  if (tonalis::CodePointCount(c.txtCallID) > 7 || !tonalis::IsValidUtf8(c.txtCallID)) std::abort();
  const tonalis::EncodeResult encoded = tonalis::ValidateAndEncode(c);
  if (!encoded.ok() && encoded.refusal->text.empty()) std::abort();
  // A configuration the encoder accepts comes back from its own image.
  if (encoded.ok()) {
    const tonalis::DecoderConfig back = tonalis::DecodeImage(encoded.image);
    if (back.txtMem != c.txtMem || back.txtSeqCmd != c.txtSeqCmd || back.txtCallID != c.txtCallID) std::abort();
  }
  return 0;
}
