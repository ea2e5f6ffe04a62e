// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/sound_decoding.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "config/decoder_image.h"
#include "listen/dtmf_decoder.h"
#include "listen/morse_decoder.h"
#include "listen/transmission_check.h"

namespace tonalis::cli {
namespace {

// A finite number, whitespace around it allowed; in any locale a dot.
bool ReadNumber(const std::string& text, double& value) {
  const std::size_t first = text.find_first_not_of(" \t");
  const std::size_t last = text.find_last_not_of(" \t");
  if (first == std::string::npos) return false;
  const char* end = text.data() + last + 1;
  const auto [at, error] = std::from_chars(text.data() + first, end, value);
  return error == std::errc() && at == end && std::isfinite(value);
}

void Write(std::string& out) {
  if (out.empty()) return;
  std::fwrite(out.data(), 1, out.size(), stdout);
  std::fflush(stdout);
  out.clear();
}

}  // namespace

bool ReadFloorDbfs(const std::string& text, double& dbfs) {
  return ReadNumber(text, dbfs) && dbfs >= -90 && dbfs <= 0;
}

bool AreSentDigits(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789*#ABCD") == std::string::npos;
}

bool ReadWpm(const std::string& text, double& dotMs) {
  double wpm = 0;
  if (!ReadNumber(text, wpm) || wpm < 5 || wpm > 200) return false;
  dotMs = MorseDotMs(wpm);
  return true;
}

bool ReadToneHz(const std::string& text, double& hz) { return ReadNumber(text, hz) && hz >= 300 && hz <= 2000; }

int DecodeDtmf(SoundReader& file, const DtmfDecodeRequest& request, Translate tx) {
  std::vector<std::int16_t> block(kSoundBlock);
  std::string out;
  if (request.expect || request.measure) {
    DtmfMeter meter(file.sampleRate());
    while (const std::size_t n = file.read(block.data(), block.size())) meter.push(block.data(), n);
    meter.finish();
    if (!request.expect) {
      out = MeasureTable(meter.measured());
      Write(out);
      return kExitOk;
    }
    const TransmissionCheck check(meter, *request.expect, request.limits);
    if (request.measure) out = MeasureTable(check.heard());
    out += check.report(tx);
    Write(out);
    return check.allTaken() ? kExitOk : kExitRefused;
  }
  // The digits as they are found, a block's worth at a time.
  auto print = [&](const std::vector<DtmfDecoder::Digit>& digits) {
    for (const auto& d : digits) {
      if (request.quiet) {
        out += d.digit;
        continue;
      }
      char line[64];
      std::snprintf(line, sizeof line, "%c  %8.3f s  %6.3f s\n", d.digit, d.start, d.duration);
      out += line;
    }
    Write(out);
  };
  DtmfDecoder decoder(file.sampleRate());
  while (const std::size_t n = file.read(block.data(), block.size())) print(decoder.push(block.data(), n));
  print(decoder.finish());
  if (request.quiet) std::fputs("\n", stdout);
  return kExitOk;
}

void MorseTextOut::add(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == ' ') {
      ++spaces_;
      continue;
    }
    out.append(spaces_, ' ');
    spaces_ = 0;
    out += c;
  }
  Write(out);
}

void MorseTextOut::end() {
  std::fputs("\n", stdout);
  std::fflush(stdout);
  spaces_ = 0;
}

void SayWhatWasFound(const MorseDecoder& decoder, Translate tx) {
  if (decoder.toneHz())
    std::fprintf(stderr, "%s\n",
                 Fill(tx(TONALIS_TEXT("tone %1 Hz, speed %2 WPM (a dot of %3 ms)")),
                      {std::to_string(std::lround(*decoder.toneHz())), std::to_string(std::lround(decoder.wpm())),
                       std::to_string(std::lround(decoder.dotMs().value_or(0)))})
                     .c_str());
  else
    std::fprintf(stderr, "%s\n", tx(TONALIS_TEXT("no steady tone from 300 to 2000 Hz was found")).c_str());
}

int DecodeCw(SoundReader& file, const CwDecodeRequest& request, Translate tx) {
  MorseDecoder::Options options;
  options.sampleRate = file.sampleRate();
  options.dotMs = request.dotMs;
  options.toneHz = request.toneHz;
  MorseDecoder decoder(options);
  std::vector<std::int16_t> block(kSoundBlock);
  MorseTextOut text;
  while (const std::size_t n = file.read(block.data(), block.size())) text.add(decoder.push(block.data(), n));
  text.add(decoder.finish());
  text.end();
  if (request.verbose) SayWhatWasFound(decoder, tx);
  return kExitOk;
}

}  // namespace tonalis::cli
