// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace tonalis {

// A DTMF receiver for 16-bit audio at any rate from 8000 to 48000 Hz, fed
// in blocks of any size, as a live stream or a file comes. It makes the
// checks a telephone-grade receiver makes on short overlapping windows: both
// tones present and the strongest of their group by a margin, the twist
// within limits, each tone at its frequency (within 2.5 %) and not a
// harmonic's side product, the pair standing clear of the noise; then the
// digit held for a minimum time, and a digit ends when its tones drop, so a
// held digit is one digit and repeated digits need only a short gap.
class DtmfDecoder {
 public:
  struct Digit {
    char digit;
    double start;     // seconds from the first sample
    double duration;  // seconds
  };

  explicit DtmfDecoder(int sampleRate = 8000);

  // Feeds samples; the digits that ended in them come out.
  std::vector<Digit> push(const std::int16_t* samples, std::size_t count);
  // The end of the stream: a digit still sounding ends here.
  std::vector<Digit> finish();

  int sampleRate() const { return rate_; }
  // A digit is sounding, or about to count as one.
  bool hearing() const { return current_ != 0 || candidate_ != 0; }
  // Seconds of audio taken so far.
  double time() const { return static_cast<double>(consumed_) / rate_; }
  // The eight tones' powers (low group first) over the last window looked
  // at, as Goertzel gives them: a tone of amplitude A gives A^2 N / 2. The
  // windows are 13.25 ms long, one every 2 ms (in samples, rounded); the
  // first ends one hop after the first window's worth of samples.
  const double* powers() const { return powers_; }

 private:
  const float* window() const { return &ring_[at_ + 1]; }  // the last `window_` samples, oldest first
  void endBlock();                                         // the block of samples since the last boundary, kept
  void windowPowers();  // the eight tones' powers over the last window, from its blocks
  char classify();  // the digit the last window holds, or 0
  bool holds(char digit) const;  // the looser test a digit already heard must pass
  void step(char heard, bool held, std::vector<Digit>& out);
  void endDigit(std::vector<Digit>& out);

  int rate_;
  std::size_t window_;  // samples per analysis window
  std::size_t hop_;     // samples between windows
  // Goertzel coefficients, 2 cos(2 pi f / rate), for the digit found: its
  // tones' sides and the high tone's harmonic.
  double lowSides_[8], highSides_[8], highHarmonics_[4];
  double powers_[8];  // of the last window, low group first

  // The eight tones' spectrum of each window, without going over the samples
  // the windows share: the stream is cut into blocks where a window ends or
  // starts, each block's spectrum at the eight tones is taken once, and a
  // window's is the sum of its blocks' (each turned to the phase of its first
  // sample). The same values Goertzel gives over the window, at a fraction of
  // the work.
  static constexpr std::size_t kLanes = 16;   // the eight tones' real parts, then their imaginary parts
  static constexpr std::size_t kBlocks = 32;  // more than a window ever spans
  struct Block {
    std::size_t length = 0;
    double sum[kLanes] = {};
  };
  std::vector<double> rotations_;   // for i samples into a block: e^(-j w i), kLanes each
  double blockSum_[kLanes] = {};    // of the block being filled, from its first sample's phase
  double blockPhase_[kLanes] = {};  // e^(-j w m) of its first sample m
  std::size_t blockLength_ = 0;
  Block blocks_[kBlocks];
  std::size_t newestBlock_ = 0;
  std::size_t hopPhase_ = 0;                               // samples taken, modulo the hop
  std::size_t windowEndPhase_ = 0, windowStartPhase_ = 0;  // where blocks end, modulo the hop
  // Each sample is stored twice, `window_` apart, so that the last window is
  // always contiguous: ring_[at_ + 1 .. at_ + window_].
  std::vector<float> ring_;
  std::size_t at_ = 0;
  std::int64_t energy_ = 0;  // sum of squares over the last window, exact
  std::uint64_t consumed_ = 0;

  // The digit being heard.
  char current_ = 0;
  int hopsSeen_ = 0;
  int hopsMissing_ = 0;
  std::uint64_t firstHop_ = 0;  // sample index at the end of its first window
  std::uint64_t lastHop_ = 0;
  double peakEnergy_ = 0;
  double lastEnergy_ = 0;  // of the last window classified
  char candidate_ = 0;
  double candidatePeak_ = 0;
  int candidateHops_ = 0;
  std::uint64_t candidateFirst_ = 0;
};

}  // namespace tonalis
