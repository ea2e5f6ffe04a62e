// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/dtmf_measure.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <tuple>

#include "tone/synthesis.h"

namespace tonalis {
namespace {

constexpr double kFullScale = 32768.0;
// The tones' amplitude is followed over this much audio to find the edges.
constexpr double kEdgeWindowSeconds = 0.006;
// Frequencies are sought this far either side of the nominal one.
constexpr double kSearch = 0.03;
// (The second look searches around the first one's answer, as far again.)
// The steady part measured: at most this long, from the middle.
constexpr double kMaxSteadySeconds = 0.2;

// Rounded to the tenth printed, so that a value a hair under zero shows as 0.0.
double Tenth(double v) { return std::round(v * 10) / 10 + 0.0; }

double Dbfs(double amplitude) { return 20.0 * std::log10(std::max(amplitude, 1e-9) / kFullScale); }

// Samples of a stream held from sample `from` on, reached by their place in
// the stream.
struct Stretch {
  const std::int16_t* data;
  std::size_t from;
  const std::int16_t* at(std::size_t i) const { return data + (i - from); }
};

// The amplitude of a sine at `hz` in samples [begin, end), through a Hann
// window (which keeps the other tone of the pair out).
double Amplitude(const Stretch& stretch, std::size_t begin, std::size_t end, double hz, int rate,
                 const std::vector<double>& window) {
  const std::int16_t* s = stretch.at(begin);
  const double w = 2.0 * M_PI * hz / rate;
  double re = 0, im = 0;
  const std::size_t n = end - begin;
  // A rotating phasor, renormalised now and then, rather than a sine and a
  // cosine a sample.
  double c = 1, si = 0;
  const double dc = std::cos(w), ds = std::sin(w);
  for (std::size_t i = 0; i < n; ++i) {
    const double x = s[i] * window[i];
    re += x * c;
    im -= x * si;
    const double nc = c * dc - si * ds;
    si = c * ds + si * dc;
    c = nc;
    if ((i & 1023) == 1023) {
      const double r = std::hypot(c, si);
      c /= r;
      si /= r;
    }
  }
  double sum = 0;
  for (double v : window) sum += v;
  return 2.0 * std::hypot(re, im) / sum;
}

std::vector<double> Hann(std::size_t n) {
  std::vector<double> w(n);
  for (std::size_t i = 0; i < n; ++i) w[i] = 0.5 - 0.5 * std::cos(2.0 * M_PI * (i + 0.5) / n);
  return w;
}

// The frequency near `nominal` where the windowed spectrum peaks, and the
// amplitude there: a coarse grid, then a parabola through the best three.
std::pair<double, double> Peak(const Stretch& s, std::size_t begin, std::size_t end, double nominal, int rate) {
  const std::vector<double> window = Hann(end - begin);
  const double from = nominal * (1 - kSearch), to = nominal * (1 + kSearch);
  // A step a fifth of the window's resolution.
  const double step = std::max(0.05, static_cast<double>(rate) / static_cast<double>(end - begin) / 5.0);
  double bestHz = nominal, best = -1, before = 0, after = 0;
  std::vector<std::pair<double, double>> grid;
  for (double hz = from; hz <= to; hz += step) grid.push_back({hz, Amplitude(s, begin, end, hz, rate, window)});
  std::size_t at = 0;
  for (std::size_t i = 0; i < grid.size(); ++i)
    if (grid[i].second > best) {
      best = grid[i].second;
      at = i;
    }
  bestHz = grid[at].first;
  if (at > 0 && at + 1 < grid.size()) {
    before = grid[at - 1].second;
    after = grid[at + 1].second;
    const double denominator = before - 2 * best + after;
    if (denominator < 0) bestHz += 0.5 * step * (before - after) / denominator;
  }
  return {bestHz, Amplitude(s, begin, end, bestHz, rate, window)};
}

// The pair's amplitude over a short window centred on sample `at`.
double PairAmplitude(const Stretch& s, std::size_t count, std::size_t at, double low, double high, int rate,
                     const std::vector<double>& window) {
  const std::size_t half = window.size() / 2;
  if (count < window.size()) return 0;
  // At the ends of the file the window stays inside it: a tone that starts
  // with the file starts at its first sample.
  at = std::clamp(at, half, count - window.size() + half);
  return Amplitude(s, at - half, at - half + window.size(), low, rate, window) +
         Amplitude(s, at - half, at - half + window.size(), high, rate, window);
}

// Where, between `from` and `to`, the pair's amplitude steps up (a start)
// or down (an end) through `level`: the point that best splits the range
// into a part below and a part above it (least squares), which noise moves
// far less than a first crossing.
double Edge(const Stretch& s, std::size_t count, std::size_t from, std::size_t to, double level, bool rising,
            double low, double high, int rate, const std::vector<double>& window) {
  double sum = 0, best = 0;
  std::size_t at = from;
  for (std::size_t i = from; i <= to; ++i) {
    sum += PairAmplitude(s, count, i, low, high, rate, window) - level;
    // Rising: the running sum is lowest at the step; falling: highest.
    if (rising ? sum < best : sum > best) {
      best = sum;
      at = i + 1;
    }
  }
  return static_cast<double>(at);
}

// The digit `d` measured in `s`, which holds the stream's samples from a
// little before it (where Edge() looks) to `count`, a little after it or the
// stream's end; `previousEnd` is where the digit measured before it ended.
std::optional<DigitMeasure> MeasureDigit(const Stretch& s, std::size_t count, int rate, const DtmfDecoder::Digit& d,
                                         const std::vector<double>& edgeWindow, double& previousEnd) {
  DigitMeasure m;
  m.digit = d.digit;
  const double low = LowFrequency(d.digit), high = HighFrequency(d.digit);
  const auto first = static_cast<std::size_t>(std::max(0.0, d.start * rate));
  const auto last = std::min(count, static_cast<std::size_t>((d.start + d.duration) * rate));
  if (low == 0 || last <= first + 8) return std::nullopt;
  // The steady part: the middle, clear of the edges the decoder found.
  const std::size_t margin = std::min((last - first) / 4, static_cast<std::size_t>(0.005 * rate));
  std::size_t begin = first + margin, end = last - margin;
  const auto cap = static_cast<std::size_t>(kMaxSteadySeconds * rate);
  if (end - begin > cap) {
    begin = (begin + end) / 2 - cap / 2;
    end = begin + cap;
  }
  auto [lowHz, lowAmplitude] = Peak(s, begin, end, low, rate);
  auto [highHz, highAmplitude] = Peak(s, begin, end, high, rate);
  // The edges: where the pair reaches half its steady amplitude, sought
  // within 20 ms of where the decoder put them.
  const double steady = lowAmplitude + highAmplitude;
  const auto reach = static_cast<std::size_t>(0.02 * rate);
  const std::size_t mid = (first + last) / 2;
  const double start = Edge(s, count, first > reach ? first - reach : 0, std::min(mid, first + reach), steady / 2,
                            true, lowHz, highHz, rate, edgeWindow);
  const double stop = Edge(s, count, std::max(mid, last > reach ? last - reach : 0), std::min(count - 1, last + reach),
                           steady / 2, false, lowHz, highHz, rate, edgeWindow);
  m.startMs = start * 1000.0 / rate;
  m.lengthMs = (stop - start) * 1000.0 / rate;
  // The tones again, over exactly their steady part now that it is known.
  const auto edge = static_cast<std::size_t>(0.002 * rate);
  const auto steadyBegin = static_cast<std::size_t>(start) + edge, steadyEnd = static_cast<std::size_t>(stop) - edge;
  if (stop > start + 4 * edge + 16 && steadyEnd <= count) {
    begin = steadyBegin;
    end = std::min(steadyEnd, begin + cap);
    std::tie(lowHz, lowAmplitude) = Peak(s, begin, end, lowHz, rate);
    std::tie(highHz, highAmplitude) = Peak(s, begin, end, highHz, rate);
  }
  // Noise in the window raises what a tone seems to measure: what is left
  // of the power besides the two tones says by how much.
  double power = 0;
  const std::int16_t* samples = s.at(begin);
  for (std::size_t i = 0; i < end - begin; ++i) power += static_cast<double>(samples[i]) * samples[i];
  power /= static_cast<double>(end - begin);
  const double noise = std::max(0.0, power - (lowAmplitude * lowAmplitude + highAmplitude * highAmplitude) / 2);
  const std::vector<double> window = Hann(end - begin);
  double sum = 0, squares = 0;
  for (double w : window) {
    sum += w;
    squares += w * w;
  }
  const double bias = 4 * noise * squares / (sum * sum);
  m.lowHz = lowHz;
  m.highHz = highHz;
  m.lowDbfs = Dbfs(std::sqrt(std::max(lowAmplitude * lowAmplitude - bias, lowAmplitude * lowAmplitude / 4)));
  m.highDbfs = Dbfs(std::sqrt(std::max(highAmplitude * highAmplitude - bias, highAmplitude * highAmplitude / 4)));
  if (previousEnd >= 0) m.gapMs = m.startMs - previousEnd;
  previousEnd = m.startMs + m.lengthMs;
  return m;
}

std::vector<double> EdgeWindow(int rate) { return Hann(static_cast<std::size_t>(kEdgeWindowSeconds * rate) | 1); }

}  // namespace

std::vector<DigitMeasure> MeasureDigits(const std::int16_t* samples, std::size_t count, int rate,
                                        const std::vector<DtmfDecoder::Digit>& heard) {
  std::vector<DigitMeasure> out;
  const std::vector<double> edgeWindow = EdgeWindow(rate);
  double previousEnd = -1;
  for (const auto& d : heard)
    if (auto m = MeasureDigit({samples, 0}, count, rate, d, edgeWindow, previousEnd)) out.push_back(*m);
  return out;
}

DtmfMeter::DtmfMeter(int rate) : decoder_(rate), edgeWindow_(EdgeWindow(decoder_.sampleRate())) {}

void DtmfMeter::push(const std::int16_t* samples, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) peak_ = std::max(peak_, std::abs(static_cast<int>(samples[i])));
  kept_.insert(kept_.end(), samples, samples + count);
  const auto digits = decoder_.push(samples, count);
  waiting_.insert(waiting_.end(), digits.begin(), digits.end());
  measure(false);
}

void DtmfMeter::finish() {
  const auto digits = decoder_.finish();
  waiting_.insert(waiting_.end(), digits.begin(), digits.end());
  measure(true);
}

void DtmfMeter::measure(bool ended) {
  const int rate = decoder_.sampleRate();
  const std::size_t count = keptFrom_ + kept_.size();
  // What a digit's edges are sought in: 20 ms either side, and the window around each place.
  const std::size_t around = static_cast<std::size_t>(0.02 * rate) + edgeWindow_.size() + 1;
  while (!waiting_.empty()) {
    const DtmfDecoder::Digit& d = waiting_.front();
    const auto last = static_cast<std::size_t>(std::max(0.0, (d.start + d.duration) * rate));
    if (!ended && last + around > count) break;
    const auto first = static_cast<std::size_t>(std::max(0.0, d.start * rate));
    // A digit longer than the audio kept is not measured (no DTMF digit lasts that long).
    if (first >= keptFrom_ + std::min(first, around)) {
      if (auto m = MeasureDigit({kept_.data(), keptFrom_}, count, rate, d, edgeWindow_, previousEnd_))
        measured_.push_back(*m);
    }
    waiting_.pop_front();
  }
  // What is kept: from a little before the first digit still to measure, or
  // one sounding; else from a little before where the next could start.
  std::size_t keepFrom = count;
  if (!waiting_.empty())
    keepFrom = static_cast<std::size_t>(std::max(0.0, waiting_.front().start * rate));
  else if (decoder_.hearing())
    keepFrom = keptFrom_;
  const auto before = static_cast<std::size_t>(kKeptBeforeSeconds * rate);
  keepFrom = keepFrom > before ? keepFrom - before : 0;
  // A digit that never ends is not kept for longer than this.
  const auto most = static_cast<std::size_t>(kMostKeptSeconds * rate);
  if (count - keepFrom > most) keepFrom = count - most;
  // Let go of what is no longer needed, in large steps.
  if (keepFrom > keptFrom_ && (keepFrom - keptFrom_ > kept_.size() / 2 || ended)) {
    kept_.erase(kept_.begin(), kept_.begin() + static_cast<long>(std::min(keepFrom - keptFrom_, kept_.size())));
    keptFrom_ = keepFrom;
  }
}



namespace {

// What would make a receiver miss a digit.

constexpr const char* kLowToneOff = TONALIS_TEXT("low tone %1 Hz is %2 % off");
constexpr const char* kHighToneOff = TONALIS_TEXT("high tone %1 Hz is %2 % off");
constexpr const char* kBelowFloor = TONALIS_TEXT("level %1 dBFS, below %2 dBFS");
constexpr const char* kTwistBeyond = TONALIS_TEXT("twist %1 dB, beyond %2/%3 dB");
constexpr const char* kTooShort = TONALIS_TEXT("%1 ms long, under %2 ms");
constexpr const char* kGapTooShort = TONALIS_TEXT("gap before it %1 ms, under %2 ms");
constexpr const char* kNotSent = TONALIS_TEXT("heard %1, which was not sent");
constexpr const char* kNotHeard = TONALIS_TEXT("not heard");

void SetProblem(DigitVerdict& v, const char* pattern, std::vector<std::string> values) {
  v.pattern = pattern;
  v.values = std::move(values);
}

}  // namespace

std::vector<DigitVerdict> CheckDigits(const std::string& expected, const std::vector<DigitMeasure>& heard,
                                      const ReceiverLimits& limits) {
  // The longest common subsequence pairs what was sent with what was heard.
  const std::size_t n = expected.size(), m = heard.size();
  std::vector<std::vector<int>> common(n + 1, std::vector<int>(m + 1, 0));
  for (std::size_t i = n; i-- > 0;)
    for (std::size_t j = m; j-- > 0;)
      common[i][j] = expected[i] == heard[j].digit ? common[i + 1][j + 1] + 1
                                                   : std::max(common[i + 1][j], common[i][j + 1]);
  std::vector<DigitVerdict> out;
  std::size_t i = 0, j = 0;
  while (i < n || j < m) {
    if (i < n && j < m && expected[i] == heard[j].digit) {
      DigitVerdict v;
      v.expected = expected[i];
      v.heard = &heard[j];
      const DigitMeasure& d = heard[j];
      const double lowError = d.lowHz / LowFrequency(d.digit) - 1, highError = d.highHz / HighFrequency(d.digit) - 1;
      if (std::abs(lowError) > limits.maxFrequencyError || std::abs(highError) > limits.maxFrequencyError) {
        const bool lowWorse = std::abs(lowError) >= std::abs(highError);
        SetProblem(v, lowWorse ? kLowToneOff : kHighToneOff,
                   {Printed("%.1f", lowWorse ? d.lowHz : d.highHz),
                    Printed("%+.1f", 100 * (lowWorse ? lowError : highError))});
      } else if (std::min(d.lowDbfs, d.highDbfs) < limits.floorDbfs) {
        SetProblem(v, kBelowFloor,
                   {Printed("%.1f", std::min(d.lowDbfs, d.highDbfs)), Printed("%.1f", limits.floorDbfs)});
      } else if (d.twistDb() > limits.maxTwistDb || d.twistDb() < limits.minTwistDb) {
        SetProblem(
            v, kTwistBeyond,
            {Printed("%+.1f", d.twistDb()), Printed("%+.0f", limits.maxTwistDb), Printed("%+.0f", limits.minTwistDb)});
      } else if (d.lengthMs < limits.minLengthMs) {
        SetProblem(v, kTooShort, {Printed("%.1f", d.lengthMs), Printed("%.0f", limits.minLengthMs)});
      } else if (d.gapMs && *d.gapMs < limits.minGapMs) {
        SetProblem(v, kGapTooShort, {Printed("%.1f", *d.gapMs), Printed("%.0f", limits.minGapMs)});
      }
      out.push_back(v);
      ++i;
      ++j;
    } else if (j < m && (i == n || common[i][j + 1] >= common[i + 1][j])) {
      DigitVerdict v;
      v.heard = &heard[j];
      SetProblem(v, kNotSent, {std::string(1, heard[j].digit)});
      out.push_back(v);
      ++j;
    } else {
      DigitVerdict v;
      v.expected = expected[i];
      SetProblem(v, kNotHeard, {});
      out.push_back(v);
      ++i;
    }
  }
  return out;
}

std::string MeasureTable(const std::vector<DigitMeasure>& digits) {
  std::string out = "digit,start_ms,length_ms,gap_ms,low_hz,high_hz,low_dbfs,high_dbfs,twist_db\n";
  char row[200];
  for (const auto& d : digits) {
    char gap[32] = "";
    if (d.gapMs) std::snprintf(gap, sizeof gap, "%.1f", Tenth(*d.gapMs));
    std::snprintf(row, sizeof row, "%c,%.1f,%.1f,%s,%.1f,%.1f,%.1f,%.1f,%.1f\n", d.digit, Tenth(d.startMs),
                  Tenth(d.lengthMs), gap, Tenth(d.lowHz), Tenth(d.highHz), Tenth(d.lowDbfs), Tenth(d.highDbfs),
                  Tenth(d.twistDb()));
    out += row;
  }
  // The summary: how many, and the worst of each.
  if (digits.empty()) return out + "summary,digits=0\n";
  double shortest = 1e18, shortestGap = 1e18, lowest = 1e18, twistMax = -1e18, twistMin = 1e18, offMax = 0;
  for (const auto& d : digits) {
    shortest = std::min(shortest, d.lengthMs);
    if (d.gapMs) shortestGap = std::min(shortestGap, *d.gapMs);
    lowest = std::min({lowest, d.lowDbfs, d.highDbfs});
    twistMax = std::max(twistMax, d.twistDb());
    twistMin = std::min(twistMin, d.twistDb());
    offMax = std::max({offMax, std::abs(d.lowHz / LowFrequency(d.digit) - 1), std::abs(d.highHz / HighFrequency(d.digit) - 1)});
  }
  char gap[32] = "";
  if (shortestGap < 1e18) std::snprintf(gap, sizeof gap, "%.1f", Tenth(shortestGap));
  std::snprintf(row, sizeof row,
                "summary,digits=%zu,shortest_ms=%.1f,shortest_gap_ms=%s,lowest_dbfs=%.1f,twist_db=%.1f..%.1f,"
                "worst_offset_pct=%.2f\n",
                digits.size(), Tenth(shortest), gap, Tenth(lowest), Tenth(twistMin), Tenth(twistMax), 100 * offMax);
  return out + row;
}

}  // namespace tonalis
