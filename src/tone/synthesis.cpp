// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone/synthesis.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <new>
#include <system_error>
#include <thread>

#include "config/text_value.h"

namespace tonalis {
namespace {

int ToneRowOf(char digit) {
  if (digit >= '0' && digit <= '9') return digit - '0';
  if (digit >= 'A' && digit <= 'D') return 10 + (digit - 'A');
  if (digit == '*') return 14;
  if (digit == '#') return 15;
  return -1;
}

// Nearest integer, halves to even, for |x| < 2^51: adding and removing
// 1.5 * 2^52 leaves no fraction bits, and the FPU's default rounding is to
// nearest even. Much cheaper than floor-based rounding in the sample loop.
inline double RoundSmall(double x) {
  constexpr double kShift = 6755399441055744.0;
  const double shifted = x + kShift;
  return shifted - kShift;
}

inline std::int16_t Term(double k, double w, double amplitude) {
  if (w == 0.0) return 0;  // sin(0) is 0: silence needs no sine
  return static_cast<std::int16_t>(RoundSmall(amplitude * std::sin(k * w)));
}

// Below this many samples a single thread is quicker than starting more.
constexpr std::int64_t kSamplesPerThreadMin = 200000;

void RenderRange(const std::vector<Segment>& segments, std::int16_t* out, std::int64_t from, std::int64_t to,
                 double a1, double a2) {
  // `from` and `to` are 1-based, inclusive; out[0] is sample 1.
  auto it = std::upper_bound(segments.begin(), segments.end(), from,
                             [](std::int64_t k, const Segment& s) { return k < s.first; });
  if (it != segments.begin()) --it;
  for (; it != segments.end() && it->first <= to; ++it) {
    const std::int64_t begin = std::max(from, it->first);
    const std::int64_t end = std::min(to, it->first + it->count - 1);
    if (it->w1 == 0.0 && it->w2 == 0.0) {
      std::fill(out + (begin - 1), out + end, std::int16_t{0});
      continue;
    }
    const double w1 = it->w1;
    const double w2 = it->w2;
    double k = static_cast<double>(begin);  // exact: indices stay far below 2^53
    for (std::int16_t* p = out + (begin - 1); p != out + end; ++p, k += 1.0)
      *p = static_cast<std::int16_t>(Term(k, w1, a1) + Term(k, w2, a2));
  }
}

}  // namespace

const ToneTableRows& ToneTable() {
  static const ToneTableRows rows = {{{941, 1336},
                                      {697, 1209},
                                      {697, 1336},
                                      {697, 1477},
                                      {770, 1209},
                                      {770, 1336},
                                      {770, 1477},
                                      {852, 1209},
                                      {852, 1336},
                                      {852, 1477},
                                      {697, 1633},
                                      {770, 1633},
                                      {852, 1633},
                                      {941, 1633},
                                      {941, 1209},
                                      {941, 1477}}};
  return rows;
}

double LowFrequency(char digit) {
  const int row = ToneRowOf(digit);
  return row < 0 ? 0.0 : ToneTable()[static_cast<std::size_t>(row)].low;
}

double HighFrequency(char digit) {
  const int row = ToneRowOf(digit);
  return row < 0 ? 0.0 : ToneTable()[static_cast<std::size_t>(row)].high;
}

SampleCounts CalcSampleCounts(double digitSeconds, double gapSeconds, double pauseSeconds) {
  SampleCounts c;
  // A pasted or hand-edited value can be far beyond the fields' limits: it
  // saturates here, and the length check of the render refuses it.
  c.digit = ToInt32(RoundHalfEven(digitSeconds * kSampleRate));
  c.pause = ToInt32(RoundHalfEven(pauseSeconds * kSampleRate));
  c.gap = ToInt32(RoundHalfEven(gapSeconds * kSampleRate));
  return c;
}

std::int64_t SequenceSampleCount(const std::string& s, const SampleCounts& c) {
  std::int64_t spaces = 0;
  std::int64_t digits = 0;
  std::int64_t gaps = 0;
  for (std::size_t j = 0; j < s.size(); ++j) {
    if (s[j] == ' ') {
      ++spaces;
    } else {
      ++digits;
      if (j + 1 < s.size() && s[j + 1] != ' ') ++gaps;
    }
  }
  return (std::int64_t{c.digit} + 1) * digits + (std::int64_t{c.pause} + 1) * spaces + (std::int64_t{c.gap} + 1) * gaps;
}

std::string CharactersStartedWithin(const std::string& s, const SampleCounts& c, std::int64_t played) {
  // Laid out as SequenceSampleCount counts: a digit, a gap before a digit
  // that follows one, a pause per space.
  std::string out;
  std::int64_t at = 0;
  for (std::size_t j = 0; j < s.size() && at < played; ++j) {
    out += s[j];
    if (s[j] == ' ') {
      at += std::int64_t{c.pause} + 1;
      continue;
    }
    at += std::int64_t{c.digit} + 1;
    if (j + 1 < s.size() && s[j + 1] != ' ') at += std::int64_t{c.gap} + 1;
  }
  return out;
}

std::vector<Segment> SequenceSegments(const std::string& s, const SampleCounts& counts) {
  const std::int64_t n = SequenceSampleCount(s, counts);
  // Positions are 1-based as in the walk below; outside the text is silence.
  auto at = [&s](std::size_t pos) { return pos >= 1 && pos <= s.size() ? s[pos - 1] : ' '; };
  std::vector<Segment> segments;
  std::size_t c = 1;
  bool inTone = false;
  for (std::int64_t k = 1; k <= n;) {
    const char x = at(c);
    if (x == ' ') inTone = false;
    double w1 = LowFrequency(x) * kTwoPi / kSampleRate;
    double w2 = HighFrequency(x) * kTwoPi / kSampleRate;
    if (!inTone) ++c;
    std::int64_t last;
    if (at(c - 1) == ' ') {
      last = k + counts.pause;
    } else if (inTone) {
      // The previous segment was a digit and x is the next one: a gap first,
      // then x again at the next segment.
      last = k + counts.gap;
      inTone = false;
      w1 = w2 = 0.0;
    } else {
      last = k + counts.digit;
      inTone = true;
    }
    last = std::min(last, n);
    segments.push_back({k, last - k + 1, w1, w2});
    k = last + 1;
  }
  return segments;
}

std::int16_t SampleAt(std::int64_t k, double w1, double w2, const ToneLevels& levels) {
  const auto kd = static_cast<double>(k);
  return static_cast<std::int16_t>(Term(kd, w1, levels.lowAmplitude()) + Term(kd, w2, levels.highAmplitude()));
}

// 10^(0/20) is exactly 1: at the defaults the amplitude is kToneAmplitude itself.
double ToneLevels::lowAmplitude() const { return kToneAmplitude * std::pow(10.0, levelDb / 20.0); }
double ToneLevels::highAmplitude() const { return lowAmplitude() * std::pow(10.0, twistDb / 20.0); }

namespace {
constexpr const char* kLevelRange = TONALIS_TEXT("The level must be %1 to %2 dB.");
constexpr const char* kTwistRange = TONALIS_TEXT("The twist must be -%1 to +%1 dB.");
constexpr const char* kCalibrationRange =
    TONALIS_TEXT("A calibration tone is 100 to 3500 Hz, up to 600 s, its peak -60 to 0 dBFS.");
constexpr const char* kNoMemoryForTone = TONALIS_TEXT("Not enough memory for the tone.");
constexpr const char* kTooLongToPlay = TONALIS_TEXT("The sequence is too long to play: %1 samples.");
constexpr const char* kNoMemoryForSequence = TONALIS_TEXT("Not enough memory for the sequence: it needs %1 MB.");
constexpr const char* kWouldClip =
    TONALIS_TEXT("Level %1 dB with twist %2 dB would clip: the two tones together pass full scale.");

}  // namespace

std::optional<std::string> ToneLevelsProblem(const ToneLevels& levels, Translate tx) {
  if (!(levels.levelDb >= kMinLevelDb && levels.levelDb <= kMaxLevelDb))
    return Fill(tx(kLevelRange), {Printed("%.0f", kMinLevelDb), Printed("%+.0f", kMaxLevelDb)});
  if (!(std::abs(levels.twistDb) <= kMaxTwistDb)) return Fill(tx(kTwistRange), {Printed("%.0f", kMaxTwistDb)});
  // Two rounded terms, each up to half a unit more.
  if (levels.lowAmplitude() + levels.highAmplitude() + 1 > 32767)
    return Fill(tx(kWouldClip), {Printed("%+.1f", levels.levelDb), Printed("%+.1f", levels.twistDb)});
  return std::nullopt;
}

std::string OneBytePerCharacter(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      continue;
    }
    out.push_back(kNoToneCharacter);
    if (c >= 0xC0)
      while (i + 1 < utf8.size() && (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) ++i;
  }
  return out;
}

RenderedSequence RenderTone(double hz, double seconds, double peakDbfs) {
  RenderedSequence r;
  if (!(hz >= 100 && hz <= 3500) || !(seconds > 0 && seconds <= kMaxCalibrationSeconds) ||
      !(peakDbfs >= -60 && peakDbfs <= 0)) {
    r.error = Message(kCalibrationRange);
    return r;
  }
  const auto n = static_cast<std::int64_t>(std::llround(seconds * kSampleRate));
  r.samples.reset(new (std::nothrow) std::int16_t[static_cast<std::size_t>(n)]);
  if (!r.samples) {
    r.error = Message(kNoMemoryForTone);
    return r;
  }
  r.count = n;
  const double amplitude = std::min(32767.0, 32768.0 * std::pow(10.0, peakDbfs / 20.0));
  const double w = kTwoPi * hz / kSampleRate;
  for (std::int64_t k = 0; k < n; ++k)
    r.samples[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(std::lround(amplitude * std::sin(w * static_cast<double>(k))));
  return r;
}

RenderedSequence RenderSequence(const std::string& text, const SampleCounts& counts, unsigned threads,
                                const ToneLevels& levels) {
  RenderedSequence r;
  if (const auto problem = ToneLevelsProblem(levels, Message)) {
    r.error = *problem;
    return r;
  }
  const double a1 = levels.lowAmplitude(), a2 = levels.highAmplitude();
  const std::string sequence = OneBytePerCharacter(text);
  const std::int64_t n = SequenceSampleCount(sequence, counts);
  if (n > kMaxSamples || n < 0) {
    r.error = Fill(Message(kTooLongToPlay), {std::to_string(n)});
    return r;
  }
  if (n == 0) return r;
  r.samples.reset(new (std::nothrow) std::int16_t[static_cast<std::size_t>(n)]);
  if (!r.samples) {
    r.error = Fill(Message(kNoMemoryForSequence), {std::to_string(n * 2 / (1024 * 1024))});
    return r;
  }
  r.count = n;
  const std::vector<Segment> segments = SequenceSegments(sequence, counts);

  if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
  threads = static_cast<unsigned>(std::clamp<std::int64_t>(n / kSamplesPerThreadMin, 1, threads));
  if (threads == 1) {
    RenderRange(segments, r.samples.get(), 1, n, a1, a2);
    return r;
  }
  std::vector<std::thread> workers;
  const std::int64_t slice = (n + threads - 1) / threads;
  for (unsigned t = 1; t < threads; ++t) {
    const std::int64_t from = 1 + slice * t;
    const std::int64_t to = std::min(n, slice * (t + 1));
    if (from > to) continue;
    try {
      workers.emplace_back(RenderRange, std::cref(segments), r.samples.get(), from, to, a1, a2);
    } catch (const std::system_error&) {
      RenderRange(segments, r.samples.get(), from, to, a1, a2);  // no thread to be had: do it here
    }
  }
  RenderRange(segments, r.samples.get(), 1, std::min(n, slice), a1, a2);
  for (auto& w : workers) w.join();
  return r;
}

}  // namespace tonalis
