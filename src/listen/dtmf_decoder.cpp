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
  // A window is classified once `hop_` samples have come after the first
  // `window_`, then every `hop_`: it ends `window_ + hop_ - 1` samples into
  // the hop's cycle and starts `window_` before that.
  windowEndPhase_ = (window_ + hop_ - 1) % hop_;
  windowStartPhase_ = (hop_ - 1) % hop_;
  rotations_.resize((hop_ + 1) * kLanes);
  for (std::size_t i = 0; i <= hop_; ++i)
    for (std::size_t k = 0; k < 8; ++k) {
      const double w = 2.0 * M_PI * (k < 4 ? kLow[k] : kHigh[k - 4]) / rate_;
      rotations_[i * kLanes + k] = std::cos(w * static_cast<double>(i));
      rotations_[i * kLanes + 8 + k] = -std::sin(w * static_cast<double>(i));
    }
  for (std::size_t k = 0; k < 8; ++k) blockPhase_[k] = 1.0;
  auto coefficient = [this](double f) { return 2.0 * std::cos(2.0 * M_PI * f / rate_); };
  for (int i = 0; i < 4; ++i) {
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

void DtmfDecoder::endBlock() {
  newestBlock_ = (newestBlock_ + 1) % kBlocks;
  Block& block = blocks_[newestBlock_];
  block.length = blockLength_;
  const double* step = &rotations_[blockLength_ * kLanes];
  for (std::size_t k = 0; k < 8; ++k) {
    // The block's sum turned to its first sample's phase, and the phase moved on to the next block's.
    const double pr = blockPhase_[k], pi = blockPhase_[8 + k];
    const double sr = blockSum_[k], si = blockSum_[8 + k];
    block.sum[k] = pr * sr - pi * si;
    block.sum[8 + k] = pr * si + pi * sr;
    blockPhase_[k] = pr * step[k] - pi * step[8 + k];
    blockPhase_[8 + k] = pr * step[8 + k] + pi * step[k];
    blockSum_[k] = blockSum_[8 + k] = 0.0;
  }
  blockLength_ = 0;
}

void DtmfDecoder::windowPowers() {
  double sum[kLanes] = {};
  std::size_t covered = 0;
  for (std::size_t b = newestBlock_; covered < window_; b = (b + kBlocks - 1) % kBlocks) {
    for (std::size_t k = 0; k < kLanes; ++k) sum[k] += blocks_[b].sum[k];
    covered += blocks_[b].length;
  }
  // As Goertzel gives it: a tone of amplitude A gives A^2 N / 2.
  for (std::size_t k = 0; k < 8; ++k)
    powers_[k] = 2.0 * (sum[k] * sum[k] + sum[8 + k] * sum[8 + k]) / static_cast<double>(window_);
}

char DtmfDecoder::classify() {
  const double energy = static_cast<double>(energy_);
  lastEnergy_ = energy;
  windowPowers();
  if (energy < kMinRms * kMinRms * static_cast<double>(window_)) return 0;

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
  auto toPhase = [this](std::size_t phase) { return (phase + hop_ - hopPhase_ - 1) % hop_ + 1; };
  for (std::size_t i = 0; i < count;) {
    // The samples up to the next block boundary, in one pass that keeps its sums at hand.
    const std::size_t boundary = std::min(toPhase(windowEndPhase_), toPhase(windowStartPhase_));
    const std::size_t run = std::min(count - i, boundary);
    double sums[kLanes];
    std::copy(std::begin(blockSum_), std::end(blockSum_), sums);
    const double* rotation = &rotations_[blockLength_ * kLanes];
    float* ring = ring_.data();
    std::size_t at = at_;
    std::int64_t energy = energy_;
    for (std::size_t j = i; j < i + run; ++j, rotation += kLanes) {
      // The slot after the window's newest holds the sample leaving it.
      if (++at == window_) at = 0;
      const auto leaving = static_cast<std::int64_t>(ring[at]);
      const std::int64_t entering = samples[j];
      energy += entering * entering - leaving * leaving;
      ring[at] = ring[at + window_] = samples[j];
      const double x = samples[j];
      for (std::size_t k = 0; k < kLanes; ++k) sums[k] += x * rotation[k];
    }
    std::copy(std::begin(sums), std::end(sums), blockSum_);
    at_ = at;
    energy_ = energy;
    blockLength_ += run;
    consumed_ += run;
    hopPhase_ = (hopPhase_ + run) % hop_;
    i += run;
    if (run < boundary) break;
    endBlock();
    // A window is classified once `hop_` samples have come after the first `window_`, then every `hop_`.
    if (hopPhase_ != windowEndPhase_ || consumed_ < window_ + hop_ - 1) continue;
    const char heard = classify();
    const bool held = current_ && heard != current_ && holds(current_);
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
