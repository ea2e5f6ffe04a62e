// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "config/decoder_config.h"
#include "config/decoder_image.h"

namespace tonalis {

// What differs between two board contents, field by field, in the words of
// the window: "Command 3 (Output 2 OFF): 123 → 456", "CW call: ABC → IK1XYZ",
// "Output 1 at power-on: OFF → ON", "Morse speed: 20 → 25 WPM".
std::vector<std::string> ConfigDifferences(const DecoderConfig& before, const DecoderConfig& after);

// The same for two images, and then the bytes whose change no field shows
// (the board's reserved bytes, a Morse timing that rounds to the same speed).
std::vector<std::string> ImageDifferences(const DecoderImage& before, const DecoderImage& after);

}  // namespace tonalis
