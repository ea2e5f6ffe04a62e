// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>

namespace tonalis {

// The path from the tool's sound card to the board's ear, as an FM radio
// link makes it: the transmitter's audio input (the microphone path with
// pre-emphasis, or a flat data input without), a deviation limiter that
// clips what is too loud, the audio band of 300-3000 Hz, the receiver's
// de-emphasis, and noise. Through the microphone path the emphasis cancels
// but the limiter sees the high tone 6 dB an octave louder; through a flat
// input the receiver's de-emphasis takes the high tone down (twist).
struct ChannelOptions {
  enum class Input { Emphasis, Flat };
  Input input = Input::Emphasis;
  std::optional<double> clipDbfs;  // the limiter's level (a sine's peak, dBFS); none: no limiter
  std::optional<double> snrDb;     // noise under a DTMF pair at the tool's usual level; none: no noise
};
// "flat" or "emphasis"; nothing for anything else.
std::optional<ChannelOptions::Input> ChannelInputFromName(const std::string& name);

class RadioChannel {
 public:
  RadioChannel(int sampleRate, const ChannelOptions& options, std::uint32_t seed = 1);
  // The channel's effect on `samples`, in place; state carries over calls.
  void process(std::int16_t* samples, std::size_t count);

 private:
  struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    double step(double x);
  };
  ChannelOptions options_;
  double emphasis_;      // the first-order pole and zero of the emphasis
  double emphasisGain_;  // so that 1 kHz passes unchanged
  double preLast_ = 0, deLast_ = 0;
  double clip_;
  Biquad highPass_, lowPass_;
  std::mt19937 random_;
  std::normal_distribution<double> noise_;
};

}  // namespace tonalis
