// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace tonalis::testing {

// Points this process's ALSA at a configuration whose default device plays
// into a file, so the real sound path runs without a sound card. Must run
// before the sound system starts. Returns the file the samples go to.
inline std::string UseAlsaFileDevice(const std::filesystem::path& dir) {
  std::filesystem::create_directories(dir);
  const std::string raw = (dir / "played.raw").string();
  const std::string conf = (dir / "asound.conf").string();
  std::ofstream(conf) << "pcm.!default { type asym\n"
                         "  playback.pcm { type file slave.pcm { type null } file \""
                      << raw
                      << "\" format \"raw\" }\n"
                         "  capture.pcm { type null } }\n";
  ::setenv("ALSA_CONFIG_PATH", conf.c_str(), 1);
  return raw;
}

}  // namespace tonalis::testing
