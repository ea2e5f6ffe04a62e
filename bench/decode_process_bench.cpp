// SPDX-License-Identifier: GPL-3.0-or-later
// dtmf-decode and cw-decode as whole programs (start, reading, decoding,
// printing) beside multimon-ng on the same audio: five minutes and two hours
// at 22050 Hz, multimon-ng's own rate. Each run is a process of its own,
// ours and theirs alternating; the table gives the median CPU time (user and
// system) and the peak memory (resident) that wait4() reports.
//   decode_process_bench TONALIS-CLI [ROUNDS]
#include <sndfile.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tone/morse.h"
#include "tone/synthesis.h"

namespace {

using namespace tonalis;
using Samples = std::vector<std::int16_t>;
constexpr int kRate = 22050;

// Digits, repeats and pauses as the tool sends them: 50 ms digits and gaps.
const char* kSequence = "0123456789*#ABCD 1111 D#D#D# 55 5 0A0B 9999";
const char* kText = "CQ DE HILLTOP R 1011 THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG 73 ";

Samples DtmfPiece(std::string& digits) {
  Samples s(kRate / 10, 0);
  auto silence = [&s](double seconds) { s.resize(s.size() + static_cast<std::size_t>(seconds * kRate), 0); };
  const std::string sequence = kSequence;
  for (std::size_t i = 0; i < sequence.size(); ++i) {
    const char c = sequence[i];
    if (c == ' ') {
      silence(1.0);
      continue;
    }
    digits += c;
    const double low = 2 * M_PI * LowFrequency(c) / kRate, high = 2 * M_PI * HighFrequency(c) / kRate;
    for (int n = 0; n < kRate / 20; ++n)
      s.push_back(static_cast<std::int16_t>(std::lround(10000 * std::sin(low * n) + 10000 * std::sin(high * n))));
    if (i + 1 < sequence.size() && sequence[i + 1] != ' ') silence(0.05);
  }
  silence(0.5);
  return s;
}

Samples MorsePiece() {
  Samples s = RenderMorse(kText, 60, 800, kRate);
  s.resize(s.size() + kRate / 2, 0);
  return s;
}

// `piece` repeated for `seconds`, as a WAV for us and raw for multimon-ng.
bool Write(const Samples& piece, double seconds, const std::string& wav, const std::string& raw, int* pieces) {
  SF_INFO info{};
  info.samplerate = kRate;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* out = sf_open(wav.c_str(), SFM_WRITE, &info);
  std::FILE* rawFile = std::fopen(raw.c_str(), "wb");
  if (!out || !rawFile) return false;
  *pieces = static_cast<int>(std::ceil(seconds * kRate / static_cast<double>(piece.size())));
  for (int i = 0; i < *pieces; ++i) {
    sf_write_short(out, piece.data(), static_cast<sf_count_t>(piece.size()));
    std::fwrite(piece.data(), sizeof(std::int16_t), piece.size(), rawFile);
  }
  sf_close(out);
  return std::fclose(rawFile) == 0;
}

struct Run {
  double cpu = 0;      // seconds, user and system
  double peakMb = 0;   // resident
  std::string output;  // standard output
  bool ok = false;
};

Run Start(const std::vector<std::string>& command, const std::string& outputFile) {
  Run run;
  const pid_t pid = fork();
  if (pid == 0) {
    const int out = open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int null = open("/dev/null", O_WRONLY);
    dup2(out, 1);
    dup2(null, 2);
    std::vector<char*> argv;
    for (const auto& a : command) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (pid < 0 || wait4(pid, &status, 0, &usage) != pid) return run;
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  run.cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
            static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  run.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
  std::ifstream in(outputFile);
  std::stringstream text;
  text << in.rdbuf();
  run.output = text.str();
  return run;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// multimon-ng's digits, from its "DTMF: 5" lines.
std::string TheirDigits(const std::string& output) {
  std::string digits;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);)
    if (line.rfind("DTMF: ", 0) == 0 && line.size() > 6) digits += line[6];
  return digits;
}

std::size_t Count(const std::string& text, const std::string& word) {
  std::size_t n = 0;
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++n;
  return n;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: decode_process_bench TONALIS-CLI [ROUNDS]\n");
    return 2;
  }
  const std::string cli = argv[1];
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  char folder[] = "/tmp/tonalis-bench-XXXXXX";
  if (!mkdtemp(folder)) return 1;
  const std::string scratch = folder;
  const std::string wav = scratch + "/audio.wav", raw = scratch + "/audio.raw", out = scratch + "/out.txt";

  std::printf("Whole processes on the same audio at %d Hz, ours and multimon-ng's runs alternating; the median of\n"
              "%d runs (1 for two hours). CPU: user and system time; memory: peak resident set.\n\n",
              kRate, rounds);
  std::printf("| %-17s | %-28s | %8s | %8s | %-28s |\n", "Audio", "Program", "CPU s", "Peak MB", "Decoded");
  std::printf("|%s|%s|%s|%s|%s|\n", std::string(19, '-').c_str(), std::string(30, '-').c_str(),
              std::string(10, '-').c_str(), std::string(10, '-').c_str(), std::string(30, '-').c_str());
  bool faster = true, small = true;
  for (const bool dtmf : {true, false}) {
    std::string pieceDigits;
    const Samples piece = dtmf ? DtmfPiece(pieceDigits) : MorsePiece();
    for (const double seconds : {300.0, 7200.0}) {
      int pieces = 0;
      if (!Write(piece, seconds, wav, raw, &pieces)) {
        std::fprintf(stderr, "cannot write the audio in %s\n", scratch.c_str());
        return 1;
      }
      const std::vector<std::string> ours =
          dtmf ? std::vector<std::string>{cli, "dtmf-decode", "--quiet", wav}
               : std::vector<std::string>{cli, "cw-decode", wav};
      const std::vector<std::string> theirs =
          dtmf ? std::vector<std::string>{"multimon-ng", "-q", "-t", "raw", "-a", "DTMF", raw}
               : std::vector<std::string>{"multimon-ng", "-q", "-t", "raw", "-a", "MORSE_CW", "-d", "60", "-g", "60",
                                          raw};
      std::vector<double> ourCpu, theirCpu, ourPeak, theirPeak;
      Run ourRun, theirRun;
      for (int r = 0; r < (seconds > 600 ? 1 : rounds); ++r) {
        ourRun = Start(ours, out);
        theirRun = Start(theirs, out);
        ourCpu.push_back(ourRun.cpu);
        ourPeak.push_back(ourRun.peakMb);
        theirCpu.push_back(theirRun.cpu);
        theirPeak.push_back(theirRun.peakMb);
      }
      std::string expected;
      for (int i = 0; i < pieces; ++i) expected += pieceDigits;
      char audio[32], ourRead[64], theirRead[64];
      std::snprintf(audio, sizeof audio, "%s, %s", dtmf ? "DTMF" : "Morse", seconds > 600 ? "2 h" : "5 min");
      if (dtmf) {
        std::string digits = ourRun.output;
        digits.erase(std::remove(digits.begin(), digits.end(), '\n'), digits.end());
        std::snprintf(ourRead, sizeof ourRead, "%s", digits == expected ? "every digit, in order" : "digits differ");
        const std::string their = TheirDigits(theirRun.output);
        std::snprintf(theirRead, sizeof theirRead, "%zu digits (%zu sent)", their.size(), expected.size());
      } else {
        std::snprintf(ourRead, sizeof ourRead, "\"HILLTOP\" %zu times of %d", Count(ourRun.output, "HILLTOP"),
                      pieces);
        std::snprintf(theirRead, sizeof theirRead, "\"HILLTOP\" %zu times of %d", Count(theirRun.output, "HILLTOP"),
                      pieces);
      }
      const double ourTime = Median(ourCpu), theirTime = Median(theirCpu);
      std::printf("| %-17s | %-28s | %8.3f | %8.1f | %-28s |\n", audio,
                  dtmf ? "tonalis-cli dtmf-decode" : "tonalis-cli cw-decode", ourTime, Median(ourPeak), ourRead);
      std::printf("| %-17s | %-28s | %8.3f | %8.1f | %-28s |\n", audio,
                  dtmf ? "multimon-ng -a DTMF" : "multimon-ng -a MORSE_CW", theirTime, Median(theirPeak), theirRead);
      faster = faster && ourRun.ok && ourTime <= theirTime;
      small = small && Median(ourPeak) < 40;
    }
  }
  std::printf("\nOurs at most multimon-ng's CPU time in every row: %s; ours under 40 MB in every row: %s\n",
              faster ? "yes" : "NO", small ? "yes" : "NO");
  std::system(("rm -rf '" + scratch + "'").c_str());
  return 0;
}
