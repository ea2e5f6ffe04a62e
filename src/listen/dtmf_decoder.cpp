// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/dtmf_decoder.h"

#include <algorithm>
#include <cmath>

namespace tonalis {
namespace {

constexpr double kLow[4] = {697, 770, 852, 941};
constexpr double kHigh[4] = {1209, 1336, 1477, 1633};
constexpr char kKeys[4][4] = {{'1', '2', '3', 'A'}, {'4', '5', '6', 'B'}, {'7', '8', '9', 'C'}, {'*', '0', '#', 'D'}};

// The analysis window: long enough to tell 697 Hz from 770 Hz, short enough
// to fit inside the 15 ms gap between two of the shortest digits.
constexpr double kWindowSeconds = 0.01325;
constexpr double kHopSeconds = 0.002;
// A digit is taken after this many windows agree (about 17 ms of tone), and
// ends after this many do not.
constexpr int kMinHops = 3;
constexpr int kEndHops = 2;
// The pair must carry this share of the window's energy (noise and speech
// spread theirs), each tone must stand this far above the others of its
// group, and the twist must stay within +4 dB / -8 dB.
constexpr double kMinToneShare = 0.55;
constexpr double kGroupMargin = 6.0;
constexpr double kMaxReverseTwist = 3.162;  // +5 dB: 4 dB, with a margin
constexpr double kMaxNormalTwist = 7.943;   // 9 dB: 8 dB, with a margin
// Each tone must be nearer its nominal frequency than 5 % off either way
// (accepts 1.5 %, refuses 3.5 %), and the high tone's second harmonic weak.
constexpr double kSideOffset = 0.05;
constexpr double kMaxHarmonic = 0.1;
// Quieter than this (RMS) is silence, whatever its shape.
constexpr double kMinRms = 30.0;
// Within a digit, a window this much weaker than its loudest is a gap.
constexpr double kDropFactor = 0.25;
// A digit already heard goes on while its two tones stay the strongest of
// their groups by this margin and carry this share: noise that breaks one
// window's stricter checks does not split a long digit in two.
constexpr double kHoldMargin = 2.0;
constexpr double kHoldShare = 0.25;
constexpr double kStartLead = 0.002;
constexpr double kEndLag = 0.006;

}  // namespace

DtmfDecoder::DtmfDecoder(int sampleRate) : rate_(std::clamp(sampleRate, 8000, 48000)) {
  window_ = static_cast<std::size_t>(std::lround(rate_ * kWindowSeconds));
  hop_ = static_cast<std::size_t>(std::lround(rate_ * kHopSeconds));
  auto tone = [this](double f) { return Tone{2.0 * std::cos(2.0 * M_PI * f / rate_)}; };
  for (int i = 0; i < 4; ++i) {
    low_.push_back(tone(kLow[i]));
    high_.push_back(tone(kHigh[i]));
    lowSides_.push_back(tone(kLow[i] * (1 - kSideOffset)));
    lowSides_.push_back(tone(kLow[i] * (1 + kSideOffset)));
    highSides_.push_back(tone(kHigh[i] * (1 - kSideOffset)));
    highSides_.push_back(tone(kHigh[i] * (1 + kSideOffset)));
    highHarmonics_.push_back(tone(2 * kHigh[i]));
  }
  ring_.assign(window_ * 2, 0.0f);
}

double DtmfDecoder::power(const Tone& tone, std::size_t end) const {
  // Goertzel over the window ending just before ring_[end].
  double s1 = 0, s2 = 0;
  const std::size_t size = ring_.size();
  std::size_t at = (end + size - window_) % size;
  for (std::size_t n = 0; n < window_; ++n) {
    const double s = ring_[at] + tone.coefficient * s1 - s2;
    s2 = s1;
    s1 = s;
    if (++at == size) at = 0;
  }
  // As energy in the window: a tone of amplitude A gives A^2 N / 2.
  return 2.0 * (s1 * s1 + s2 * s2 - tone.coefficient * s1 * s2) / static_cast<double>(window_);
}

void DtmfDecoder::groupPowers(std::size_t end, double* low, double* high) const {
  for (std::size_t i = 0; i < 4; ++i) {
    low[i] = power(low_[i], end);
    high[i] = power(high_[i], end);
  }
}

bool DtmfDecoder::holds(char digit, std::size_t end) const {
  int l = -1, h = -1;
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c)
      if (kKeys[r][c] == digit) l = r, h = c;
  double p[4], q[4];
  groupPowers(end, p, q);
  if (p[l] + q[h] < kHoldShare * lastEnergy_) return false;
  for (int i = 0; i < 4; ++i) {
    if (i != l && p[l] < kHoldMargin * p[i]) return false;
    if (i != h && q[h] < kHoldMargin * q[i]) return false;
  }
  return true;
}

char DtmfDecoder::classify(std::size_t end) {
  double energy = 0;
  const std::size_t size = ring_.size();
  for (std::size_t n = 0, at = (end + size - window_) % size; n < window_; ++n, at = (at + 1) % size)
    energy += static_cast<double>(ring_[at]) * ring_[at];
  lastEnergy_ = energy;
  if (energy < kMinRms * kMinRms * static_cast<double>(window_)) return 0;

  double p[4], q[4];
  groupPowers(end, p, q);
  const int l = static_cast<int>(std::max_element(p, p + 4) - p);
  const int h = static_cast<int>(std::max_element(q, q + 4) - q);
  if (p[l] + q[h] < kMinToneShare * energy) return 0;
  if (q[h] > kMaxReverseTwist * p[l] || p[l] > kMaxNormalTwist * q[h]) return 0;
  for (int i = 0; i < 4; ++i) {
    if (i != l && p[l] < kGroupMargin * p[i]) return 0;
    if (i != h && q[h] < kGroupMargin * q[i]) return 0;
  }
  const auto L = static_cast<std::size_t>(l);
  const auto H = static_cast<std::size_t>(h);
  for (std::size_t side : {2 * L, 2 * L + 1})
    if (power(lowSides_[side], end) > p[l]) return 0;
  for (std::size_t side : {2 * H, 2 * H + 1})
    if (power(highSides_[side], end) > q[h]) return 0;
  if (power(highHarmonics_[H], end) > kMaxHarmonic * q[h]) return 0;
  return kKeys[l][h];
}

std::vector<DtmfDecoder::Digit> DtmfDecoder::push(const std::int16_t* samples, std::size_t count) {
  std::vector<Digit> out;
  const std::size_t size = ring_.size();
  for (std::size_t i = 0; i < count; ++i) {
    ring_[filled_ % size] = samples[i];
    ++filled_;
    ++consumed_;
    if (filled_ < window_ || ++sinceHop_ < hop_) continue;
    sinceHop_ = 0;
    const char heard = classify(filled_ % size);
    step(heard, current_ && heard != current_ && holds(current_, filled_ % size), out);
  }
  return out;
}

std::vector<DtmfDecoder::Digit> DtmfDecoder::finish() {
  std::vector<Digit> out;
  if (current_) endDigit(out);
  candidate_ = 0;
  candidateHops_ = 0;
  return out;
}

void DtmfDecoder::step(char heard, bool held, std::vector<Digit>& out) {
  if (current_) {
    if ((heard == current_ || held) && lastEnergy_ >= kDropFactor * peakEnergy_) {
      lastHop_ = consumed_;
      hopsMissing_ = 0;
      peakEnergy_ = std::max(peakEnergy_, lastEnergy_);
      return;
    }
    if (++hopsMissing_ < kEndHops) return;
    endDigit(out);
    if (heard == 0 || lastEnergy_ < kDropFactor * peakEnergy_) return;
  }
  if (heard && heard == candidate_) {
    ++candidateHops_;
  } else {
    candidate_ = heard;
    candidateHops_ = heard ? 1 : 0;
    candidateFirst_ = consumed_;
    candidatePeak_ = 0;
  }
  candidatePeak_ = std::max(candidatePeak_, lastEnergy_);
  if (candidate_ && candidateHops_ >= kMinHops) {
    current_ = candidate_;
    firstHop_ = candidateFirst_;
    lastHop_ = consumed_;
    hopsMissing_ = 0;
    peakEnergy_ = candidatePeak_;
    candidate_ = 0;
    candidateHops_ = 0;
  }
}

void DtmfDecoder::endDigit(std::vector<Digit>& out) {
  // The first window that holds the digit starts a little before its tone,
  // the last one ends a little after it (measured on clean tones).
  const double start = static_cast<double>(firstHop_ - window_) / rate_ + kStartLead;
  const double end = static_cast<double>(lastHop_) / rate_ - kEndLag;
  out.push_back({current_, start, end - start});
  current_ = 0;
  hopsMissing_ = 0;
  peakEnergy_ = 0;
}

}  // namespace tonalis
