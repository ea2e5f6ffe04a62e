// SPDX-License-Identifier: GPL-3.0-or-later
// tonalis-cli as the user starts it. dtmf-decode and cw-decode, asked in the
// usual way and answering in English, run here with libsndfile alone: a
// program that loads Qt and the sound, serial, network, radio and drawing
// libraries takes longer to start than to decode minutes of audio. Anything
// else (another command, --help, a value out of range, a file that cannot be
// read, Italian) is the whole program's (libexec/tonalis/tonalis-cli), which
// this one becomes with the same arguments, and which says it all as usual.
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/sound_decoding.h"
#include "i18n/language.h"
#include "station/station_settings.h"
#include "storage/settings_folder.h"

namespace {

namespace fs = std::filesystem;
using tonalis::cli::CwDecodeRequest;
using tonalis::cli::DtmfDecodeRequest;

fs::path ProgramFolder() {
  std::error_code ec;
  return fs::read_symlink("/proc/self/exe", ec).parent_path();
}

bool IsOtherLanguage(std::string_view name) {
  for (const char* language : tonalis::kLanguages)
    if (name == language) return name != "en";
  return false;
}

// Whether the whole program would speak English: no --language but en or
// auto, no Station setup that chose another language (every folder that
// may hold it is looked at), no system language it speaks but English.
bool SpeaksEnglish(const std::vector<std::string>& languageOptions) {
  // The last --language counts, as in the whole program.
  if (!languageOptions.empty() && languageOptions.back() == "en") return true;
  if (!languageOptions.empty() && !languageOptions.back().empty() && languageOptions.back() != "auto") return false;
  std::vector<fs::path> folders;
  if (const char* chosen = std::getenv("TONALIS_SETTINGS_DIR"); chosen && *chosen) {
    folders.push_back(chosen);
  } else {
    folders.push_back(ProgramFolder());
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
      folders.push_back(fs::path(config) / "tonalis");
    else if (const char* home = std::getenv("HOME"))
      folders.push_back(fs::path(home) / ".config/tonalis");
  }
  for (const auto& folder : folders) {
    std::ifstream station(folder / tonalis::kStationFileName);
    for (std::string line; std::getline(station, line);) {
      line.erase(0, line.find_first_not_of(" \t"));
      if (line.rfind("language", 0) != 0 || line.find('=') == std::string::npos) continue;
      std::string value = line.substr(line.find('=') + 1);
      value.erase(0, value.find_first_not_of(" \t\""));
      value.erase(value.find_last_not_of(" \t\r\"") + 1);
      if (!value.empty() && value != "en" && value != "auto") return false;
    }
  }
  // LANGUAGE=it:en, LANG=it_IT.UTF-8 and the like.
  for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (!value) continue;
    std::string_view list = value;
    while (!list.empty()) {
      const std::string_view item = list.substr(0, list.find(':'));
      if (IsOtherLanguage(item.substr(0, item.find_first_of("_.@-")))) return false;
      list.remove_prefix(std::min(list.size(), item.size() + 1));
    }
  }
  return true;
}

// The command's options as tonalis-cli takes them: `--name value`,
// `--name=value` or a flag; false for anything else.
struct Options {
  std::vector<std::pair<std::string, std::string>> given;  // name, value
  std::vector<std::string> languages;
  std::vector<std::string> positional;
};
bool ReadOptions(int argc, char* argv[], const std::vector<std::string_view>& flags,
                 const std::vector<std::string_view>& valued, Options& out) {
  for (int i = 2; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument.substr(0, 1) != "-") {
      out.positional.emplace_back(argument);
      continue;
    }
    const std::size_t equals = argument.find('=');
    const std::string_view name = argument.substr(0, equals);
    const bool hasValue = name == "--language" || std::find(valued.begin(), valued.end(), name) != valued.end();
    if (!hasValue) {
      if (equals != std::string_view::npos || std::find(flags.begin(), flags.end(), name) == flags.end())
        return false;
      out.given.emplace_back(name, "");
      continue;
    }
    std::string value;
    if (equals != std::string_view::npos)
      value = argument.substr(equals + 1);
    else if (i + 1 < argc)
      value = argv[++i];
    else
      return false;
    if (name == "--language")
      out.languages.push_back(value);
    else
      out.given.emplace_back(name, value);
  }
  return out.positional.size() == 1;
}

// The decoding asked for, done here; nothing when the whole program is to do it.
std::optional<int> DecodeHere(int argc, char* argv[]) {
  if (argc < 3) return std::nullopt;
  const std::string_view command = argv[1];
  const bool dtmf = command == "dtmf-decode";
  if (!dtmf && command != "cw-decode") return std::nullopt;
  Options options;
  const bool read = dtmf ? ReadOptions(argc, argv, {"--quiet", "--measure"}, {"--expect", "--floor-dbfs"}, options)
                         : ReadOptions(argc, argv, {"--verbose"}, {"--wpm", "--tone-hz"}, options);
  if (!read || !SpeaksEnglish(options.languages)) return std::nullopt;
  DtmfDecodeRequest dtmfRequest;
  CwDecodeRequest cwRequest;
  double value = 0;
  for (const auto& [name, text] : options.given) {
    if (name == "--quiet") dtmfRequest.quiet = true;
    if (name == "--measure") dtmfRequest.measure = true;
    if (name == "--verbose") cwRequest.verbose = true;
    if (name == "--expect") {
      if (!tonalis::cli::AreSentDigits(text)) return std::nullopt;
      dtmfRequest.expect = text;
    }
    if (name == "--floor-dbfs" && !tonalis::cli::ReadFloorDbfs(text, dtmfRequest.limits.floorDbfs))
      return std::nullopt;
    if (name == "--wpm") {
      if (!tonalis::cli::ReadWpm(text, value)) return std::nullopt;
      cwRequest.dotMs = value;
    }
    if (name == "--tone-hz") {
      if (!tonalis::cli::ReadToneHz(text, value)) return std::nullopt;
      cwRequest.toneHz = value;
    }
  }
  std::string error, warning;
  const auto file = tonalis::SoundReader::Open(options.positional.front(), 8000, 48000, error, warning);
  if (!file) return std::nullopt;
  if (!warning.empty()) std::cerr << "tonalis-cli: " << warning << '\n';
  return dtmf ? tonalis::cli::DecodeDtmf(*file, dtmfRequest, tonalis::Untranslated)
              : tonalis::cli::DecodeCw(*file, cwRequest, tonalis::Untranslated);
}

// Becomes the whole program; returns only when it cannot.
int RunWholeProgram(char* argv[]) {
  const fs::path folder = ProgramFolder();
  std::error_code ec;
  // Beside a copy in a folder of its own (as built), or where it is installed.
  fs::path whole = folder / "libexec/tonalis/tonalis-cli";
  if (!fs::exists(whole, ec)) whole = folder / TONALIS_LIBEXEC_FROM_BIN / "tonalis-cli";
  setenv(tonalis::kProgramFolderVariable, folder.c_str(), 1);
  execv(whole.c_str(), argv);
  std::cerr << "tonalis-cli: " << whole.string() << " cannot be started: " << std::strerror(errno) << '\n';
  return tonalis::cli::kExitUsage;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (const auto status = DecodeHere(argc, argv)) return *status;
  return RunWholeProgram(argv);
}
