// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/morse_decoder.h"

#include <algorithm>
#include <cmath>

#include "tone/morse.h"

namespace tonalis {
namespace {

constexpr double kMinTone = 300, kMaxTone = 2000;
// A tone is found when its power stands this far above the median of the
// range, over at least this many blocks (about 32 ms each).
constexpr double kToneContrast = 20;
constexpr int kMinSearchBlocks = 3;
// Samples kept while the tone is searched, to read them once it is found.
constexpr double kEarlySeconds = 6;
// Samples kept while the speed is estimated, to read them again at that speed.
constexpr double kUnsureSeconds = 30;
// A mark must be this much louder than the spaces around it (amplitude).
constexpr double kMinContrast = 3;
// The first mark, and the first after a silence longer than a word space,
// must stand this far above the noise's average amplitude: noise alone
// peaks at a few times its average, while the levels have no mark to go by.
constexpr double kNoiseContrast = 4.5;
constexpr double kQuietDots = 10;
constexpr double kQuietMs = 300;  // the same while the speed is unknown
// Hysteresis: on above 55 % of the way from the space level to the mark
// level, off below 40 %.
constexpr double kOnAt = 0.55, kOffAt = 0.40;
// Elements gathered before a dot length is guessed, when none is given.
constexpr std::size_t kElementsToEstimate = 16;
// A mark shorter than this (in dots) is noise, part of the space around it;
// a space shorter than this inside a mark is the signal dropping out.
constexpr double kMinMarkDots = 0.4;
constexpr double kMinSpaceDots = 0.4;
// Frames (ms) summed coherently before their magnitude is taken.
constexpr std::size_t kCoherentFrames = 5;
// How fast the dot length follows the sender.
constexpr double kFollow = 0.08;
// How fast the mark level sinks while nothing is keyed: a fading signal is
// followed down within a third of a second.
constexpr double kMarkDecay = 0.003;

// 1/n, for the few counts of frames averaged.
constexpr auto kReciprocals = [] {
  std::array<double, 65> r{};
  for (std::size_t n = 1; n < r.size(); ++n) r[n] = 1.0 / static_cast<double>(n);
  return r;
}();

// The envelope is averaged over about half a dot: a narrow filter for the
// noise, and a pulse measured at half its height keeps its length. Before
// the speed is known, 4 ms, which suits the fastest the board keys.
std::size_t SmoothingFor(double dotMs) {
  return dotMs > 0 ? static_cast<std::size_t>(std::clamp(0.6 * dotMs, 1.0, 40.0)) : 4;
}

void Fft(std::vector<std::complex<double>>& a) {
  const std::size_t n = a.size();
  for (std::size_t i = 1, j = 0; i < n; ++i) {
    std::size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(a[i], a[j]);
  }
  for (std::size_t len = 2; len <= n; len <<= 1) {
    const std::complex<double> w = std::polar(1.0, -2 * M_PI / static_cast<double>(len));
    for (std::size_t i = 0; i < n; i += len) {
      std::complex<double> wk(1, 0);
      for (std::size_t k = 0; k < len / 2; ++k) {
        const auto u = a[i + k];
        const auto v = a[i + k + len / 2] * wk;
        a[i + k] = u + v;
        a[i + k + len / 2] = u - v;
        wk *= w;
      }
    }
  }
}

}  // namespace

MorseDecoder::MorseDecoder(const Options& options)
    : options_(options), rate_(std::clamp(options.sampleRate, 8000, 48000)) {
  fftSize_ = 256;
  while (static_cast<double>(fftSize_) < 0.032 * rate_) fftSize_ *= 2;
  spectrum_.assign(fftSize_ / 2, 0.0);
  frameSamples_ = static_cast<std::size_t>(std::max(1L, std::lround(rate_ / 1000.0)));
  if (options.dotMs && *options.dotMs > 0) setDot(*options.dotMs);
  if (options.toneHz) lock(*options.toneHz);
}

void MorseDecoder::lock(double hz) {
  locked_ = true;
  tone_ = hz;
  const double w = -2 * M_PI * hz / rate_;
  mix_.resize(2 * frameSamples_);
  for (std::size_t i = 0; i < frameSamples_; ++i) {
    mix_[2 * i] = std::cos(w * static_cast<double>(i));
    mix_[2 * i + 1] = std::sin(w * static_cast<double>(i));
  }
  frameStep_[0] = std::cos(w * static_cast<double>(frameSamples_));
  frameStep_[1] = std::sin(w * static_cast<double>(frameSamples_));
  smoothing_ = SmoothingFor(dot_);
}

std::string MorseDecoder::push(const std::int16_t* samples, std::size_t count) {
  std::string out;
  if (!locked_) {
    search(samples, count);
    if (!locked_) return out;
    // Found: read what was heard while searching, then go on as a stream.
    const std::vector<std::int16_t> early = std::move(early_);
    early_.clear();
    feed(early.data(), early.size(), out);
    return out;
  }
  feed(samples, count, out);
  return out;
}

void MorseDecoder::feed(const std::int16_t* samples, std::size_t count, std::string& out) {
  for (std::size_t i = 0; i < count;) {
    const std::size_t run = std::min(count - i, frameSamples_ - inFrame_);
    if (dot_ <= 0 && unsureKept_) {
      unsure_.insert(unsure_.end(), samples + i, samples + i + run);
      if (unsure_.size() > static_cast<std::size_t>(kUnsureSeconds * rate_)) {
        unsure_ = {};
        unsureKept_ = false;
      }
    }
    // Four sums side by side, which the processor runs at once.
    double re[4] = {}, im[4] = {};
    const double* mix = &mix_[2 * inFrame_];
    std::size_t j = 0;
    for (; j + 4 <= run; j += 4)
      for (std::size_t k = 0; k < 4; ++k) {
        const double x = samples[i + j + k];
        re[k] += x * mix[2 * (j + k)];
        im[k] += x * mix[2 * (j + k) + 1];
      }
    for (; j < run; ++j) {
      const double x = samples[i + j];
      re[0] += x * mix[2 * j];
      im[0] += x * mix[2 * j + 1];
    }
    const double r = (re[0] + re[1]) + (re[2] + re[3]), m = (im[0] + im[1]) + (im[2] + im[3]);
    sum_[0] += phasor_[0] * r - phasor_[1] * m;
    sum_[1] += phasor_[0] * m + phasor_[1] * r;
    inFrame_ += run;
    i += run;
    if (inFrame_ < frameSamples_) break;
    endFrame(out);
    if (rereadDue_) reread(out);
  }
}

// The first elements were measured while the speed was unknown, with a filter
// and a debounce that did not suit it: once it is estimated, the audio they
// came from is read again at that speed, twice (the first reading refines the
// estimate, the second one reads the text), and the speed is held from then
// on as if it had been given.
void MorseDecoder::reread(std::string& out) {
  rereadDue_ = false;
  const std::vector<std::int16_t> audio = std::move(unsure_);
  Options options = options_;
  options.toneHz = tone_;
  options.dotMs = dot_;
  MorseDecoder first(options);
  first.push(audio.data(), audio.size());
  options.dotMs = first.dot_;
  MorseDecoder second(options);
  out += second.push(audio.data(), audio.size());
  *this = std::move(second);
}

void MorseDecoder::search(const std::int16_t* samples, std::size_t count) {
  early_.insert(early_.end(), samples, samples + count);
  const auto keep = static_cast<std::size_t>(kEarlySeconds * rate_);
  for (std::size_t i = 0; i < count; ++i) {
    block_.push_back(samples[i]);
    if (block_.size() < fftSize_) continue;
    std::vector<std::complex<double>> a(fftSize_);
    for (std::size_t n = 0; n < fftSize_; ++n) {
      const double hann = 0.5 - 0.5 * std::cos(2 * M_PI * static_cast<double>(n) / static_cast<double>(fftSize_));
      a[n] = block_[n] * hann;
    }
    block_.clear();
    Fft(a);
    for (std::size_t b = 0; b < spectrum_.size(); ++b) spectrum_[b] += std::norm(a[b]);
    ++blocks_;
    const double binHz = static_cast<double>(rate_) / static_cast<double>(fftSize_);
    const auto first = static_cast<std::size_t>(kMinTone / binHz);
    const auto last = std::min(spectrum_.size() - 2, static_cast<std::size_t>(kMaxTone / binHz));
    std::vector<double> range(spectrum_.begin() + static_cast<long>(first), spectrum_.begin() + static_cast<long>(last) + 1);
    const auto best = static_cast<std::size_t>(std::max_element(range.begin(), range.end()) - range.begin()) + first;
    std::nth_element(range.begin(), range.begin() + static_cast<long>(range.size() / 2), range.end());
    const double median = range[range.size() / 2];
    if (blocks_ >= kMinSearchBlocks && spectrum_[best] > kToneContrast * median && spectrum_[best] > 1e6) {
      // Between bins: a parabola through the logs of the three around the peak.
      const double l = std::log(spectrum_[best - 1] + 1e-9), c = std::log(spectrum_[best] + 1e-9),
                   r = std::log(spectrum_[best + 1] + 1e-9);
      const double offset = std::clamp(0.5 * (l - r) / (l - 2 * c + r), -0.5, 0.5);
      lock((static_cast<double>(best) + offset) * binHz);
      return;
    }
  }
  if (early_.size() > keep) early_.erase(early_.begin(), early_.end() - static_cast<long>(keep));
}

void MorseDecoder::endFrame(std::string& out) {
  const double pr = phasor_[0], pi = phasor_[1];
  phasor_[0] = pr * frameStep_[0] - pi * frameStep_[1];
  phasor_[1] = pr * frameStep_[1] + pi * frameStep_[0];
  if (++turns_ == 64) {  // no drift in its length
    const double length = std::sqrt(phasor_[0] * phasor_[0] + phasor_[1] * phasor_[1]);
    phasor_[0] /= length;
    phasor_[1] /= length;
    turns_ = 0;
  }
  // Coherent over a few milliseconds, which a tone off by tens of hertz
  // survives; then the magnitudes averaged over the smoothing span.
  frames_.push({sum_[0], sum_[1]});
  running_[0] += sum_[0];
  running_[1] += sum_[1];
  while (frames_.size() > std::min<std::size_t>(smoothing_, kCoherentFrames)) {
    running_[0] -= frames_.front()[0];
    running_[1] -= frames_.front()[1];
    frames_.pop();
  }
  sum_[0] = sum_[1] = 0;
  inFrame_ = 0;
  // (Products with reciprocals: a division a frame is most of a frame's work.)
  const double magnitude = std::sqrt(running_[0] * running_[0] + running_[1] * running_[1]) *
                           kReciprocals[frames_.size()] * (2.0 / static_cast<double>(frameSamples_));
  magnitudes_.push(magnitude);
  magnitudeSum_ += magnitude;
  while (magnitudes_.size() > smoothing_) {
    magnitudeSum_ -= magnitudes_.front();
    magnitudes_.pop();
  }
  frame(magnitudeSum_ * kReciprocals[magnitudes_.size()], out);
}

void MorseDecoder::frame(double level, std::string& out) {
  // The levels follow the signal: a mark's level at once when it rises, both
  // slowly otherwise, so that a fade is followed and noise is averaged.
  if (!levelsSet_) {
    markLevel_ = level;
    spaceLevel_ = level;
    startLevel_ = level;
    levelsSet_ = true;
  }
  if (level > markLevel_) markLevel_ += 0.5 * (level - markLevel_);
  // Each level from frames clearly of its own kind, away from the edges the
  // filter smears (an edge counted as space would raise the floor until no
  // mark stood out).
  const double spread = markLevel_ - spaceLevel_;
  if (on_ && level > spaceLevel_ + 0.75 * spread) markLevel_ += 0.03 * (level - markLevel_);
  if (!on_ && level < spaceLevel_ + 0.25 * spread) spaceLevel_ += 0.03 * (level - spaceLevel_);
  if (level < spaceLevel_) spaceLevel_ += 0.1 * (level - spaceLevel_);
  markLevel_ -= kMarkDecay * (markLevel_ - spaceLevel_);

  // The noise's average amplitude, from frames with quiet well before and
  // after them (a mark's edges are not noise): each frame waits its turn.
  const std::size_t delay = 2 * smoothing_ + 4;
  quietMs_ = !on_ && pendingChangeMs_ == 0 ? quietMs_ + 1 : 0;
  recent_.push(level);
  if (recent_.size() > delay) {
    if (quietMs_ > 2 * delay) {
      ++noiseFrames_;  // the plain average at first, then a moving one
      const double weight = noiseFrames_ < 50 ? kReciprocals[noiseFrames_] : 0.02;
      noiseLevel_ += weight * (recent_.front() - noiseLevel_);
    }
    recent_.pop();
  }

  const double span = markLevel_ - spaceLevel_;
  if (startRun_ && startedInMark(level, out)) return;
  // A mark stands above the spaces around it and above the noise's average:
  // the lowest noise frames alone are no measure, as its peaks reach a few
  // times them.
  const bool afterQuiet = !heardMark_ || sinceMarkMs_ > (dot_ > 0 ? kQuietDots * dot_ : kQuietMs);
  const bool contrast =
      markLevel_ > kMinContrast * spaceLevel_ && (!afterQuiet || level > kNoiseContrast * noiseLevel_);
  const bool next = on_ ? level > spaceLevel_ + kOffAt * span : contrast && level > spaceLevel_ + kOnAt * span;
  // A change counts once it has lasted a little: noise does not split a mark.
  const double debounce = dot_ > 0 ? std::clamp(dot_ / 4, 1.0, 4.0) : 2.0;
  if (next != on_) {
    pendingChangeMs_ += 1;
    if (pendingChangeMs_ >= debounce) {
      element(on_, runMs_ + 1 - pendingChangeMs_, out);
      startRun_ = false;
      on_ = next;
      heardMark_ = heardMark_ || on_;
      runMs_ = pendingChangeMs_;
      pendingChangeMs_ = 0;
      return;
    }
  } else {
    runMs_ += pendingChangeMs_;
    pendingChangeMs_ = 0;
  }
  runMs_ += 1;
  sinceMarkMs_ = on_ ? 0 : sinceMarkMs_ + 1;
  // A live stream shows a character as soon as the space after it is long
  // enough, without waiting for the next mark.
  if (!on_ && dot_ > 0 && pending_.empty() && runMs_ >= kMinSpaceDots * dot_) {
    resolveMark();
    spaceAction(spaceRun_ + runMs_, out);
  }
}

// The levels start at the first frame's, so a stream that starts in the
// middle of a mark (a listener started as the reply began) takes that mark
// for the space. Until the first change, a start that fell to under half its
// level and stayed there, while the levels then stand apart as a mark's and a
// space's do, was a mark: it is read, from the start to its half-height edge
// less the filter's delay, as a mark between two edges is.
bool MorseDecoder::startedInMark(double level, std::string& out) {
  const double ms = runMs_ + pendingChangeMs_ + 1;
  if (level >= 0.5 * startLevel_) {
    if (startFellMs_ > 0) startRun_ = false;  // it rose again: noise, or no mark
    return false;
  }
  if (startFellMs_ == 0) startFellMs_ = ms;
  const double span = markLevel_ - spaceLevel_;
  const double mark = startFellMs_ - static_cast<double>(smoothing_) / 2;
  if (markLevel_ <= kMinContrast * spaceLevel_ || level > spaceLevel_ + kOffAt * span ||
      startLevel_ < spaceLevel_ + kOnAt * span || mark < 1)
    return false;
  startRun_ = false;
  element(true, mark, out);
  heardMark_ = true;
  runMs_ = ms - mark;
  pendingChangeMs_ = 0;
  sinceMarkMs_ = runMs_;
  // What the mark taught as noise was none.
  noiseLevel_ = 0;
  noiseFrames_ = 0;
  quietMs_ = 0;
  recent_.clear();
  return true;
}

void MorseDecoder::element(bool mark, double ms, std::string& out) {
  if (ms <= 0) return;
  if (dot_ > 0) {
    apply(mark, ms, out);
    return;
  }
  if (!mark && pending_.empty()) return;  // silence before anything
  pending_.push_back({mark, ms});
  std::size_t marks = 0;
  for (const auto& [m, d] : pending_) marks += m;
  if (pending_.size() < kElementsToEstimate || marks < 4) return;
  estimateDot();
  if (unsureKept_)
    rereadDue_ = true;  // after this sample, where the state can be replaced
  else
    replayPending(out);
}

void MorseDecoder::estimateDot() {
  // Marks cluster at one and three dots, noise far below. The shortest of
  // the rest are a dot; those within twice it are averaged.
  double longest = 0;
  for (const auto& [m, d] : pending_)
    if (m) longest = std::max(longest, d);
  // The longest mark is a dash or, in a text of dots only, a dot: below a
  // sixth of it is noise either way.
  const double floor = longest / 6;
  double shortest = 1e9;
  for (const auto& [m, d] : pending_)
    if (d >= floor) shortest = std::min(shortest, d);
  // The filter shortens marks and lengthens spaces by as much: a dot is
  // midway between a dot's mark and an inner space.
  double sum[2] = {0, 0};
  int n[2] = {0, 0};
  for (const auto& [m, d] : pending_)
    if (d >= floor && d < 2 * shortest) sum[m] += d, ++n[m];
  if (n[0] && n[1])
    setDot((sum[0] / n[0] + sum[1] / n[1]) / 2);
  else
    setDot(n[0] + n[1] ? (sum[0] + sum[1]) / (n[0] + n[1]) : shortest);
}

void MorseDecoder::replayPending(std::string& out) {
  const auto pending = std::move(pending_);
  pending_.clear();
  for (const auto& [mark, ms] : pending) apply(mark, ms, out);
}

void MorseDecoder::apply(bool mark, double ms, std::string& out) {
  if (mark) {
    markRun_ += ms;
    return;
  }
  if (markRun_ > 0 && ms < kMinSpaceDots * dot_) {
    markRun_ += ms;  // the signal dropped out inside a mark
    return;
  }
  resolveMark();
  spaceRun_ += ms;
  spaceAction(spaceRun_, out);
}

// The filter's edges shorten every mark and lengthen every space by the same
// amount: the dot and that edge are followed from the dots' marks and the
// spaces inside characters, which a keyer makes equal.
double MorseDecoder::edge() const { return (dotSpace_ - dotMark_) / 4; }

void MorseDecoder::setDot(double dot) {
  dot_ = dot;
  dotMark_ = dotSpace_ = dot;
  smoothing_ = SmoothingFor(dot_);
}

void MorseDecoder::follow(double& average, double measured) {
  average += kFollow * (measured - average);
  dot_ = (dotMark_ + dotSpace_) / 2;
  // A speed that was given moves little: the board keys it exactly.
  if (options_.dotMs && *options_.dotMs > 0) dot_ = std::clamp(dot_, 0.8 * *options_.dotMs, 1.25 * *options_.dotMs);
}

void MorseDecoder::resolveMark() {
  if (markRun_ <= 0) return;
  if (markRun_ < kMinMarkDots * dot_) {
    spaceRun_ += markRun_;  // noise in a space
  } else {
    const double e = edge();
    const bool dash = markRun_ + 2 * e >= 2 * dot_;
    // The first mark after a silence longer than a character space comes out
    // long (the mark level has sunk meanwhile): it does not count for the dot.
    const bool afterSilence = code_.empty() && (!wordOpen_ || spaceRun_ - 2 * e >= 5 * dot_);
    code_ += dash ? '-' : '.';
    if (!afterSilence) follow(dotMark_, dash ? (markRun_ + 2 * e) / 3 - 2 * e : markRun_);
    if (spaceRun_ > 0 && spaceRun_ - 2 * e < 2 * dot_) follow(dotSpace_, spaceRun_);
    spaceRun_ = 0;
    wordSpaceDone_ = false;
  }
  markRun_ = 0;
}

void MorseDecoder::spaceAction(double space, std::string& out) {
  const double length = space - 2 * edge();
  if (length >= 2 * dot_) endCharacter(out);
  if (length >= 5 * dot_ && wordOpen_ && !wordSpaceDone_) {
    out += ' ';
    wordSpaceDone_ = true;
  }
}

void MorseDecoder::endCharacter(std::string& out) {
  if (code_.empty()) return;
  const std::string symbol = MorseSymbol(code_);
  out += symbol.empty() ? "?" : symbol;
  code_.clear();
  wordOpen_ = true;
}

std::string MorseDecoder::finish() {
  std::string out;
  if (!locked_) return out;
  if (dot_ <= 0) {
    // The stream ended before the speed was estimated: from what there is.
    if (on_) pending_.push_back({true, runMs_});
    bool anyMark = false;
    for (const auto& [m, d] : pending_) anyMark = anyMark || m;
    if (!anyMark) return out;
    estimateDot();
    if (unsureKept_) {
      reread(out);
    } else {
      on_ = false;
      replayPending(out);
    }
  }
  if (on_) element(true, runMs_, out);
  resolveMark();
  endCharacter(out);
  on_ = false;
  runMs_ = 0;
  return out;
}

double MorseDecoder::silenceSeconds() const { return sinceMarkMs_ / 1000.0; }

}  // namespace tonalis
