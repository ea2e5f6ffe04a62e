// SPDX-License-Identifier: GPL-3.0-or-later
// DTMF decoding accuracy and speed, ours beside multimon-ng's on the same
// files: our synthesiser's sequences at every timing, white noise at several
// signal-to-noise ratios, frequency offsets, level differences between the
// tones (twist), and talk-off on speech and noise.
//   dtmf_bench [SPEECH.wav]
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench_support.h"
#include "listen/dtmf_decoder.h"
#include "tone/synthesis.h"
#include "tone/wav_file.h"

namespace {

using namespace tonalis;
using Samples = std::vector<std::int16_t>;

std::string gScratch;

// Digits, repeats and pauses, as the tool sends them.
const char* kSequence = "0123456789*#ABCD 1111 D#D#D# 55 5 0A0B 9999";

struct Timing {
  int digitMs;
  int gapMs;
};

// Our synthesiser, exactly as Send Sequence plays it.
Samples Render(const std::string& sequence, Timing t) {
  const RenderedSequence r =
      RenderSequence(sequence, CalcSampleCounts(t.digitMs / 1000.0, t.gapMs / 1000.0, 0.1));
  Samples s(r.samples.get(), r.samples.get() + r.count);
  Samples padded(800, 0);  // silence around it, as on the air
  padded.insert(padded.end(), s.begin(), s.end());
  padded.resize(padded.size() + 800, 0);
  return padded;
}

// A second generator: tones off their nominal frequency, or at unequal
// levels, which our synthesiser never makes.
Samples Generate(const std::string& sequence, Timing t, double frequencyFactor, double twistDb) {
  const double high = 10000.0 * std::pow(10.0, twistDb / 40.0);
  const double low = 10000.0 / std::pow(10.0, twistDb / 40.0);
  Samples s(800, 0);
  const int digit = t.digitMs * 8;
  const int gap = t.gapMs * 8;
  for (std::size_t i = 0; i < sequence.size(); ++i) {
    const char c = sequence[i];
    if (c == ' ') {
      s.resize(s.size() + 800, 0);
      continue;
    }
    const double fl = LowFrequency(c) * frequencyFactor;
    const double fh = HighFrequency(c) * frequencyFactor;
    for (int n = 0; n < digit; ++n)
      s.push_back(static_cast<std::int16_t>(low * std::sin(2 * M_PI * fl * n / 8000) +
                                            high * std::sin(2 * M_PI * fh * n / 8000)));
    if (i + 1 < sequence.size() && sequence[i + 1] != ' ') s.resize(s.size() + static_cast<std::size_t>(gap), 0);
  }
  s.resize(s.size() + 800, 0);
  return s;
}

// White noise at `snrDb` below a digit's power (two tones of amplitude 10000).
Samples WithNoise(Samples s, double snrDb, unsigned seed) {
  if (std::isinf(snrDb)) return s;
  std::mt19937 random(seed);
  std::normal_distribution<double> noise(0.0, std::sqrt(1e8 / std::pow(10.0, snrDb / 10.0)));
  for (auto& v : s) v = static_cast<std::int16_t>(std::clamp(v + noise(random), -32768.0, 32767.0));
  return s;
}

std::string Expected(const std::string& sequence) {
  std::string digits;
  for (char c : sequence)
    if (c != ' ') digits += c;
  return digits;
}

std::string Ours(const Samples& s, int rate = 8000) {
  DtmfDecoder decoder(rate);
  std::string digits;
  for (const auto& d : decoder.push(s.data(), s.size())) digits += d.digit;
  for (const auto& d : decoder.finish()) digits += d.digit;
  return digits;
}

std::string Multimon(const std::string& wav) {
  const std::string command = "multimon-ng -q -t wav -a DTMF '" + wav + "' 2>/dev/null";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string digits;
  char line[256];
  while (pipe && std::fgets(line, sizeof line, pipe.get()))
    if (std::string(line).rfind("DTMF: ", 0) == 0) digits += line[6];
  return digits;
}

std::string WavOf(const Samples& s, int rate = 8000) {
  const std::string path = gScratch + "/bench.wav";
  WriteWav(path, s.data(), static_cast<std::int64_t>(s.size()), rate);
  return path;
}


struct Score {
  std::size_t digits = 0, ours = 0, theirs = 0;
  std::string rate(std::size_t errors) const {
    char text[32];
    std::snprintf(text, sizeof text, "%5.1f %%", 100.0 * static_cast<double>(errors) / static_cast<double>(digits));
    return text;
  }
};

// `reject`: none of the digits may be heard; the rate is then of digits heard.
void Row(const char* condition, const std::function<Samples(unsigned)>& make, const std::string& expected,
         int trials, bool reject = false) {
  Score score;
  for (int t = 0; t < trials; ++t) {
    const Samples s = make(static_cast<unsigned>(t + 1));
    score.digits += expected.size();
    const std::string ours = Ours(s);
    const std::string theirs = Multimon(WavOf(s));
    score.ours += reject ? ours.size() : bench::EditDistance(expected, ours);
    score.theirs += reject ? theirs.size() : bench::EditDistance(expected, theirs);
  }
  std::printf("| %-44s | %6zu | %9s | %11s |\n", condition, score.digits, score.rate(score.ours).c_str(),
              score.rate(score.theirs).c_str());
}


int TalkOff(const Samples& s, int rate, std::size_t* theirs) {
  *theirs = Multimon(WavOf(s, rate)).size();
  return static_cast<int>(Ours(s, rate).size());
}

}  // namespace

int main(int argc, char** argv) {
  char scratch[] = "/tmp/tonalis-dtmf-bench-XXXXXX";
  gScratch = mkdtemp(scratch);
  const std::string expected = Expected(kSequence);
  const int trials = 3;

  std::printf("DTMF digit error rate (missing, extra or wrong digits / digits sent), %d runs of %zu digits\n\n",
              trials, expected.size());
  std::printf("| %-44s | %6s | %9s | %11s |\n", "Condition", "Digits", "Tonalis", "multimon-ng");
  std::printf("|%s|%s|%s|%s|\n", std::string(46, '-').c_str(), std::string(8, '-').c_str(),
              std::string(11, '-').c_str(), std::string(13, '-').c_str());
  const Timing timings[] = {{25, 15}, {40, 20}, {50, 50}, {100, 100}};
  for (const Timing t : timings) {
    for (const double snr : {HUGE_VAL, 20.0, 10.0, 6.0, 3.0}) {
      char name[64];
      if (std::isinf(snr))
        std::snprintf(name, sizeof name, "%d/%d ms, clean", t.digitMs, t.gapMs);
      else
        std::snprintf(name, sizeof name, "%d/%d ms, SNR %.0f dB", t.digitMs, t.gapMs, snr);
      Row(name, [&](unsigned seed) { return WithNoise(Render(kSequence, t), snr, seed); }, expected,
          std::isinf(snr) ? 1 : trials);
    }
  }
  for (const double offset : {-3.5, -1.5, 1.5, 3.5}) {
    char name[64];
    std::snprintf(name, sizeof name, "50/50 ms, frequencies %+.1f %% (%s)", offset,
                  std::fabs(offset) < 2 ? "accept" : "reject");
    Row(name, [&](unsigned) { return Generate(kSequence, {50, 50}, 1 + offset / 100, 0); }, expected, 1,
        std::fabs(offset) > 2);
  }
  for (const double twist : {-8.0, -4.0, 4.0}) {
    char name[64];
    std::snprintf(name, sizeof name, "50/50 ms, high tone %+.0f dB from the low", twist);
    Row(name, [&](unsigned) { return Generate(kSequence, {50, 50}, 1, twist); }, expected, 1);
  }

  // Talk-off: nothing is to be heard in speech or noise.
  std::printf("\nTalk-off (digits decoded where none were sent)\n\n");
  std::printf("| %-44s | %9s | %11s |\n", "Audio", "Tonalis", "multimon-ng");
  std::printf("|%s|%s|%s|\n", std::string(46, '-').c_str(), std::string(11, '-').c_str(), std::string(13, '-').c_str());
  if (argc > 1) {
    const SoundFile speech = ReadSoundFile(argv[1]);
    if (speech.error.empty()) {
      std::size_t theirs = 0;
      const int ours = TalkOff(speech.samples, speech.sampleRate, &theirs);
      char name[64];
      std::snprintf(name, sizeof name, "speech, %.0f s at %d Hz", speech.samples.size() / double(speech.sampleRate),
                    speech.sampleRate);
      std::printf("| %-44s | %9d | %11zu |\n", name, ours, theirs);
    }
  }
  {
    std::mt19937 random(7);
    std::normal_distribution<double> noise(0.0, 3000.0);
    Samples s(8000 * 300);
    for (auto& v : s) v = static_cast<std::int16_t>(std::clamp(noise(random), -32768.0, 32767.0));
    std::size_t theirs = 0;
    const int ours = TalkOff(s, 8000, &theirs);
    std::printf("| %-44s | %9d | %11zu |\n", "white noise, 300 s", ours, theirs);
  }

  // Speed on one core: ten minutes of sequences.
  Samples minutes;
  while (minutes.size() < 8000u * 600) {
    const Samples part = Render(kSequence, {50, 50});
    minutes.insert(minutes.end(), part.begin(), part.end());
  }
  const double audio = minutes.size() / 8000.0;
  const double before = bench::CpuSeconds();
  const std::string digits = Ours(minutes);
  const double ours = bench::CpuSeconds() - before;
  // The same audio at multimon-ng's own rate, for both decoders.
  const std::string raw = gScratch + "/speed.raw";
  const std::string wav22 = gScratch + "/speed22.wav";
  const std::string source = WavOf(minutes);
  const std::string convert = "sox '" + source + "' -t raw -r 22050 -e signed -b 16 -c 1 '" + raw + "' && sox '" +
                              source + "' -r 22050 '" + wav22 + "'";
  double theirs = -1, ours22 = -1;
  if (std::system(convert.c_str()) == 0) {
    const SoundFile at22 = ReadSoundFile(wav22);
    const double start22 = bench::CpuSeconds();
    if (Ours(at22.samples, at22.sampleRate) == digits) ours22 = bench::CpuSeconds() - start22;
    const auto start = std::chrono::steady_clock::now();
    const std::string run = "multimon-ng -q -t raw -a DTMF '" + raw + "' >/dev/null 2>&1";
    if (std::system(run.c_str()) == 0)
      theirs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  std::printf("\nSpeed on one core, %.0f s of audio (%zu digits)\n\n", audio, digits.size());
  std::printf("| %-36s | %9s | %12s |\n", "Decoder", "seconds", "x real time");
  std::printf("|%s|%s|%s|\n", std::string(38, '-').c_str(), std::string(11, '-').c_str(), std::string(14, '-').c_str());
  auto speed = [&](const char* name, double seconds) {
    if (seconds > 0)
      std::printf("| %-36s | %9.3f | %12.0f |\n", name, seconds, audio / seconds);
    else
      std::printf("| %-36s | %9s | %12s |\n", name, "failed", "");
  };
  speed("Tonalis, 8000 Hz", ours);
  speed("Tonalis, 22050 Hz", ours22);
  speed("multimon-ng, 22050 Hz raw (process)", theirs);
  std::system(("rm -rf '" + gScratch + "'").c_str());
  return 0;
}
