// SPDX-License-Identifier: GPL-3.0-or-later
// Morse decoding accuracy and speed, ours beside multimon-ng's MORSE_CW on
// the same files: text keyed by our generator and by a second, independent
// one written here, at 14 to 150 WPM, tones of 400 to 1200 Hz, white noise,
// a slow fade and a drifting tone.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench_support.h"
#include "config/decoder_image.h"
#include "listen/morse_decoder.h"
#include "tone/morse.h"
#include "tone/wav_file.h"

namespace {

using namespace tonalis;
using Samples = std::vector<std::int16_t>;

std::string gScratch;
const std::string kText = "CQ DE IK1XYZ/P 599 = QTH ROMA? 73 @ 0123456789 THE QUICK BROWN FOX";

// The second generator: its own table, PARIS timing (a dot of 1200 / WPM
// ms), straight-line edges, a random starting phase.
const std::map<char, std::string>& OwnTable() {
  static const std::map<char, std::string> table = {
      {'A', "12"},     {'B', "2111"},  {'C', "2121"},  {'D', "211"},   {'E', "1"},      {'F', "1121"},
      {'G', "221"},    {'H', "1111"},  {'I', "11"},    {'J', "1222"},  {'K', "212"},    {'L', "1211"},
      {'M', "22"},     {'N', "21"},    {'O', "222"},   {'P', "1221"},  {'Q', "2212"},   {'R', "121"},
      {'S', "111"},    {'T', "2"},     {'U', "112"},   {'V', "1112"},  {'W', "122"},    {'X', "2112"},
      {'Y', "2122"},   {'Z', "2211"},  {'0', "22222"}, {'1', "12222"}, {'2', "11222"},  {'3', "11122"},
      {'4', "11112"},  {'5', "11111"}, {'6', "21111"}, {'7', "22111"}, {'8', "22211"},  {'9', "22221"},
      {'/', "21121"},  {'=', "21112"}, {'?', "112211"}, {'@', "122121"}, {':', "222111"}, {';', "212121"}};
  return table;
}

Samples Independent(const std::string& text, double wpm, double hz, unsigned seed, double driftHzPerSecond = 0) {
  const double dot = 1.2 / wpm * 8000;  // samples
  const double ramp = std::min(40.0, dot / 4);
  std::mt19937 random(seed);
  double phase = std::uniform_real_distribution<double>(0, 2 * M_PI)(random);
  Samples s(800, 0);
  auto key = [&](double units) {
    const int n = static_cast<int>(units * dot);
    for (int k = 0; k < n; ++k) {
      const double gain = std::min({1.0, k / ramp, (n - 1 - k) / ramp});
      s.push_back(static_cast<std::int16_t>(12000 * gain * std::sin(phase)));
      phase += 2 * M_PI * (hz + driftHzPerSecond * static_cast<double>(s.size()) / 8000) / 8000;
    }
  };
  auto gap = [&](double units) { s.resize(s.size() + static_cast<std::size_t>(units * dot), 0); };
  for (char c : text) {
    if (c == ' ') {
      gap(4);
      continue;
    }
    const std::string& code = OwnTable().at(c);
    for (std::size_t e = 0; e < code.size(); ++e) {
      key(code[e] == '1' ? 1 : 3);
      gap(e + 1 < code.size() ? 1 : 3);
    }
  }
  gap(10);
  return s;
}

Samples Ours(const std::string& text, double dotMs, double hz) {
  Samples s(800, 0);
  const Samples keyed = RenderMorse(text, dotMs, hz);
  s.insert(s.end(), keyed.begin(), keyed.end());
  s.resize(s.size() + 4000, 0);
  return s;
}

// Noise at `snrDb` below a mark's power; a fade of the signal between full
// and a tenth over 6 s.
Samples Impair(const Samples& clean, double snrDb, bool fade, unsigned seed) {
  Samples s = clean;
  std::mt19937 random(seed);
  const double sigma = std::isinf(snrDb) ? 0 : std::sqrt(12000.0 * 12000.0 / 2 / std::pow(10.0, snrDb / 10));
  std::normal_distribution<double> noise(0, sigma > 0 ? sigma : 1);
  for (std::size_t n = 0; n < s.size(); ++n) {
    double v = s[n];
    if (fade) v *= 0.55 + 0.45 * std::cos(2 * M_PI * n / 8000.0 / 6.0);
    if (sigma > 0) v += noise(random);
    s[n] = static_cast<std::int16_t>(std::clamp(v, -32768.0, 32767.0));
  }
  return s;
}

std::string Normal(std::string t) {
  std::string out;
  for (char c : t) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    if (c == '\n' || c == '\r') c = ' ';
    if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
    out += c;
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}


std::string DecodeOurs(const Samples& s, std::optional<double> dotMs) {
  MorseDecoder::Options o;
  o.dotMs = dotMs;
  MorseDecoder decoder(o);
  std::string text = decoder.push(s.data(), s.size());
  return text + decoder.finish();
}

std::string DecodeMultimon(const Samples& s, double dotMs) {
  const std::string wav = gScratch + "/cw.wav";
  WriteWav(wav, s.data(), static_cast<std::int64_t>(s.size()));
  const std::string command = "multimon-ng -q -t wav -a MORSE_CW -d " + std::to_string(static_cast<int>(dotMs)) +
                              " -g " + std::to_string(static_cast<int>(dotMs)) + " '" + wav + "' 2>/dev/null";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string out;
  char buffer[512];
  while (pipe && std::fgets(buffer, sizeof buffer, pipe.get())) out += buffer;
  return out;
}

struct Tally {
  std::size_t chars = 0, given = 0, estimated = 0, theirs = 0;
  void add(const std::string& expected, const Samples& s, double dotMs) {
    chars += expected.size();
    given += bench::EditDistance(expected, Normal(DecodeOurs(s, dotMs)));
    estimated += bench::EditDistance(expected, Normal(DecodeOurs(s, std::nullopt)));
    theirs += bench::EditDistance(expected, Normal(DecodeMultimon(s, dotMs)));
  }
  static std::string Rate(std::size_t e, std::size_t n) {
    char t[16];
    std::snprintf(t, sizeof t, "%5.1f %%", 100.0 * static_cast<double>(e) / static_cast<double>(n));
    return t;
  }
};


}  // namespace

int main() {
  char scratch[] = "/tmp/tonalis-morse-bench-XXXXXX";
  gScratch = mkdtemp(scratch);
  const std::string expected = Normal(kText);
  std::printf("Morse character error rate (edit distance / characters sent), text of %zu characters,\n"
              "tones 400, 800 and 1200 Hz, both generators\n\n",
              expected.size());
  std::printf("| %-4s | %-20s | %6s | %14s | %14s | %11s |\n", "WPM", "Condition", "Chars", "Tonalis (speed",
              "Tonalis (speed", "multimon-ng");
  std::printf("| %-4s | %-20s | %6s | %14s | %14s | %11s |\n", "", "", "", "given)", "estimated)", "(dit given)");
  std::printf("|------|----------------------|--------|----------------|----------------|-------------|\n");
  for (const double wpm : {14.0, 20.0, 30.0, 60.0, 100.0, 150.0}) {
    const double boardDot = MorseDotMs(wpm);
    struct Row {
      const char* name;
      double snr;
      bool fade;
      bool drift;
    };
    for (const Row& row : {Row{"clean", HUGE_VAL, false, false}, Row{"SNR 20 dB", 20, false, false},
                           Row{"SNR 10 dB", 10, false, false}, Row{"SNR 6 dB", 6, false, false},
                           Row{"slow fade, SNR 20 dB", 20, true, false}, Row{"drift 0.5 Hz/s", HUGE_VAL, false, true}}) {
      Tally tally;
      unsigned seed = 1;
      for (const double hz : {400.0, 800.0, 1200.0}) {
        if (row.drift) {
          tally.add(expected, Independent(kText, wpm, hz, seed++, 0.5), 1200.0 / wpm);
          continue;
        }
        tally.add(expected, Impair(Ours(kText, boardDot, hz), row.snr, row.fade, seed++), boardDot);
        const unsigned keySeed = seed++;
        tally.add(expected, Impair(Independent(kText, wpm, hz, keySeed), row.snr, row.fade, seed++), 1200.0 / wpm);
      }
      std::printf("| %4.0f | %-20s | %6zu | %14s | %14s | %11s |\n", wpm, row.name, tally.chars,
                  Tally::Rate(tally.given, tally.chars).c_str(), Tally::Rate(tally.estimated, tally.chars).c_str(),
                  Tally::Rate(tally.theirs, tally.chars).c_str());
    }
  }

  // Speed on one core: ten minutes of Morse at 20 WPM.
  Samples minutes;
  while (minutes.size() < 8000u * 600) {
    const Samples part = Ours(kText, 60, 800);
    minutes.insert(minutes.end(), part.begin(), part.end());
  }
  const double audio = minutes.size() / 8000.0;
  const double before = bench::CpuSeconds();
  const std::string text = DecodeOurs(minutes, std::nullopt);
  const double ours = bench::CpuSeconds() - before;
  const std::string raw = gScratch + "/speed.raw";
  WriteWav(gScratch + "/speed.wav", minutes.data(), static_cast<std::int64_t>(minutes.size()));
  double theirs = -1;
  if (std::system(("sox '" + gScratch + "/speed.wav' -t raw -r 22050 -e signed -b 16 -c 1 '" + raw + "'").c_str()) ==
      0) {
    const auto start = std::chrono::steady_clock::now();
    if (std::system(("multimon-ng -q -t raw -a MORSE_CW -d 60 -g 60 '" + raw + "' >/dev/null 2>&1").c_str()) == 0)
      theirs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  std::printf("\nSpeed on one core, %.0f s of audio (%zu characters read)\n\n", audio, text.size());
  std::printf("| %-26s | %12s |\n", "Decoder", "x real time");
  std::printf("|----------------------------|--------------|\n");
  std::printf("| %-26s | %12.0f |\n", "Tonalis (8000 Hz)", audio / ours);
  std::printf("| %-26s | %12.0f |\n", "multimon-ng (22050 Hz raw)", theirs > 0 ? audio / theirs : 0.0);
  std::system(("rm -rf '" + gScratch + "'").c_str());
  return 0;
}
