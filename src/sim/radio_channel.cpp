// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/radio_channel.h"

#include <algorithm>
#include <cmath>

namespace tonalis {
namespace {

constexpr double kPi = 3.14159265358979323846;
// A DTMF pair at the tool's usual level: two tones of peak 10000.
constexpr double kPairPower = 10000.0 * 10000.0;

// The RBJ cookbook's second-order high-pass or low-pass, Q 0.707.
void Design(double& b0, double& b1, double& b2, double& a1, double& a2, double hz, int rate, bool high) {
  const double w = 2 * kPi * hz / rate, alpha = std::sin(w) / (2 * 0.7071067811865476), c = std::cos(w);
  const double a0 = 1 + alpha;
  b0 = (high ? (1 + c) / 2 : (1 - c) / 2) / a0;
  b1 = (high ? -(1 + c) : 1 - c) / a0;
  b2 = b0;
  a1 = -2 * c / a0;
  a2 = (1 - alpha) / a0;
}

}  // namespace

std::optional<ChannelOptions::Input> ChannelInputFromName(const std::string& name) {
  if (name == "emphasis") return ChannelOptions::Input::Emphasis;
  if (name == "flat") return ChannelOptions::Input::Flat;
  return std::nullopt;
}

double RadioChannel::Biquad::step(double x) {
  const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
  x2 = x1;
  x1 = x;
  y2 = y1;
  y1 = y;
  return y;
}

RadioChannel::RadioChannel(int rate, const ChannelOptions& options, std::uint32_t seed)
    : options_(options),
      clip_(options.clipDbfs ? 32768.0 * std::pow(10.0, *options.clipDbfs / 20.0) : 1e300),
      random_(seed),
      // (A deviation of 0 is not one: without noise it is never drawn from.)
      noise_(0.0, options.snrDb ? std::sqrt(kPairPower / std::pow(10.0, *options.snrDb / 10.0)) : 1.0) {
  // Emphasis of 6 dB an octave from about 300 Hz: 1 - e z^-1, and its
  // inverse at the receiver, both unity at 1 kHz.
  emphasis_ = std::exp(-2 * kPi * 300.0 / rate);
  const double w = 2 * kPi * 1000.0 / rate;
  emphasisGain_ = 1.0 / std::hypot(1 - emphasis_ * std::cos(w), emphasis_ * std::sin(w));
  Design(highPass_.b0, highPass_.b1, highPass_.b2, highPass_.a1, highPass_.a2, 300, rate, true);
  Design(lowPass_.b0, lowPass_.b1, lowPass_.b2, lowPass_.a1, lowPass_.a2, 3000, rate, false);
}

void RadioChannel::process(std::int16_t* samples, std::size_t count) {
  const bool emphasis = options_.input == ChannelOptions::Input::Emphasis;
  for (std::size_t i = 0; i < count; ++i) {
    const double in = samples[i];
    double x = in;
    // The transmitter: its microphone path emphasises, then the limiter.
    if (emphasis) {
      x = (in - emphasis_ * preLast_) * emphasisGain_;
      preLast_ = in;
    }
    x = std::clamp(x, -clip_, clip_);
    // The audio band, then the receiver's de-emphasis.
    x = lowPass_.step(highPass_.step(x));
    deLast_ = x / emphasisGain_ + emphasis_ * deLast_;
    x = deLast_;
    if (options_.snrDb) x += noise_(random_);
    samples[i] = static_cast<std::int16_t>(std::lround(std::clamp(x, -32768.0, 32767.0)));
  }
}

}  // namespace tonalis
