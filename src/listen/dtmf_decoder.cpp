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

// Goertzel over `n` samples for `K` tones at once: the tones' recurrences are
// independent, so running them side by side keeps the processor busy where
// one alone would wait on each step. As energy in the window: a tone of
// amplitude A gives A^2 N / 2.
template <std::size_t K>
void Goertzel(const float* x, std::size_t n, const double* coefficients, double* powers) {
  double s1[K] = {}, s2[K] = {};
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t k = 0; k < K; ++k) {
      const double s = x[i] + coefficients[k] * s1[k] - s2[k];
      s2[k] = s1[k];
      s1[k] = s;
    }
  }
  for (std::size_t k = 0; k < K; ++k)
    powers[k] = 2.0 * (s1[k] * s1[k] + s2[k] * s2[k] - coefficients[k] * s1[k] * s2[k]) / static_cast<double>(n);
}

}  // namespace

DtmfDecoder::DtmfDecoder(int sampleRate) : rate_(std::clamp(sampleRate, 8000, 48000)) {
  window_ = static_cast<std::size_t>(std::lround(rate_ * kWindowSeconds));
  hop_ = static_cast<std::size_t>(std::lround(rate_ * kHopSeconds));
  auto coefficient = [this](double f) { return 2.0 * std::cos(2.0 * M_PI * f / rate_); };
  for (int i = 0; i < 4; ++i) {
    tones_[i] = coefficient(kLow[i]);
    tones_[4 + i] = coefficient(kHigh[i]);
    lowSides_[2 * i] = coefficient(kLow[i] * (1 - kSideOffset));
    lowSides_[2 * i + 1] = coefficient(kLow[i] * (1 + kSideOffset));
    highSides_[2 * i] = coefficient(kHigh[i] * (1 - kSideOffset));
    highSides_[2 * i + 1] = coefficient(kHigh[i] * (1 + kSideOffset));
    highHarmonics_[i] = coefficient(2 * kHigh[i]);
  }
  ring_.assign(window_ * 2, 0.0f);
  at_ = window_ - 1;
}

bool DtmfDecoder::holds(char digit) const {
  int l = -1, h = -1;
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c)
      if (kKeys[r][c] == digit) l = r, h = c;
  const double* p = powers_;
  const double* q = powers_ + 4;
  if (p[l] + q[h] < kHoldShare * lastEnergy_) return false;
  for (int i = 0; i < 4; ++i) {
    if (i != l && p[l] < kHoldMargin * p[i]) return false;
    if (i != h && q[h] < kHoldMargin * q[i]) return false;
  }
  return true;
}

char DtmfDecoder::classify() {
  const double energy = static_cast<double>(energy_);
  lastEnergy_ = energy;
  if (energy < kMinRms * kMinRms * static_cast<double>(window_)) return 0;

  Goertzel<8>(window(), window_, tones_, powers_);
  analysed_ = true;
  const double* p = powers_;
  const double* q = powers_ + 4;
  const int l = static_cast<int>(std::max_element(p, p + 4) - p);
  const int h = static_cast<int>(std::max_element(q, q + 4) - q);
  if (p[l] + q[h] < kMinToneShare * energy) return 0;
  if (q[h] > kMaxReverseTwist * p[l] || p[l] > kMaxNormalTwist * q[h]) return 0;
  for (int i = 0; i < 4; ++i) {
    if (i != l && p[l] < kGroupMargin * p[i]) return 0;
    if (i != h && q[h] < kGroupMargin * q[i]) return 0;
  }
  // A digit already heard goes on whatever its sides show (holds() passes
  // where these checks passed), so they are only needed for a new one.
  if (kKeys[l][h] == current_) return current_;
  // The tones' sides and the high tone's harmonic, in one pass.
  const double checks[5] = {lowSides_[2 * l], lowSides_[2 * l + 1], highSides_[2 * h], highSides_[2 * h + 1],
                            highHarmonics_[h]};
  double c[5];
  Goertzel<5>(window(), window_, checks, c);
  if (c[0] > p[l] || c[1] > p[l] || c[2] > q[h] || c[3] > q[h]) return 0;
  if (c[4] > kMaxHarmonic * q[h]) return 0;
  return kKeys[l][h];
}

std::vector<DtmfDecoder::Digit> DtmfDecoder::push(const std::int16_t* samples, std::size_t count) {
  std::vector<Digit> out;
  for (std::size_t i = 0; i < count; ++i) {
    // The slot after the window's newest holds the sample leaving it.
    if (++at_ == window_) at_ = 0;
    const auto leaving = static_cast<std::int64_t>(ring_[at_]);
    const std::int64_t entering = samples[i];
    energy_ += entering * entering - leaving * leaving;
    ring_[at_] = ring_[at_ + window_] = samples[i];
    ++filled_;
    ++consumed_;
    if (filled_ < window_ || ++sinceHop_ < hop_) continue;
    sinceHop_ = 0;
    analysed_ = false;
    const char heard = classify();
    bool held = false;
    if (current_ && heard != current_) {
      if (!analysed_) Goertzel<8>(window(), window_, tones_, powers_);
      held = holds(current_);
    }
    step(heard, held, out);
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
