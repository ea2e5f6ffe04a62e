// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "i18n/text.h"
#include "listen/dtmf_measure.h"
#include "tone/sound_file.h"

namespace tonalis {
class MorseDecoder;
}  // namespace tonalis

namespace tonalis::cli {

// Exit status of every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;  // the tool refused: same message as the window
inline constexpr int kExitUsage = 2;    // bad arguments, unreadable or unwritable files

// What dtmf-decode and cw-decode are asked, without Qt: the whole program
// reads their options with Qt's parser, and tonalis-cli as started reads the
// usual ones itself (front_main.cpp) to decode without loading Qt.
struct DtmfDecodeRequest {
  bool quiet = false;
  bool measure = false;
  std::optional<std::string> expect;  // the digits sent
  ReceiverLimits limits;
};
struct CwDecodeRequest {
  std::optional<double> dotMs;
  std::optional<double> toneHz;
  bool verbose = false;
};

// The options' values, each checked; false when it is not one.
bool ReadFloorDbfs(const std::string& text, double& dbfs);  // -90 to 0
bool AreSentDigits(const std::string& text);                // 0-9, *, #, A-D, at least one
bool ReadWpm(const std::string& text, double& dotMs);       // 5 to 200 WPM, as the board keys them
bool ReadToneHz(const std::string& text, double& hz);       // 300 to 2000

// Morse text printed as it is read, on standard output: the spaces between
// words once the next word begins, none at the end.
class MorseTextOut {
 public:
  void add(const std::string& text);
  // The last line's end.
  void end();

 private:
  std::size_t spaces_ = 0;
};

// What cw-decode --verbose says on standard error of what `decoder` found.
void SayWhatWasFound(const MorseDecoder& decoder, Translate tx);

// Samples read at a time: a second or less of audio.
inline constexpr std::size_t kSoundBlock = 8192;

// Decodes `file`, printing on standard output what is found as it is found;
// the exit status. `tx` translates the verdicts of --expect and what
// cw-decode --verbose says.
int DecodeDtmf(SoundReader& file, const DtmfDecodeRequest& request, Translate tx);
int DecodeCw(SoundReader& file, const CwDecodeRequest& request, Translate tx);

}  // namespace tonalis::cli
