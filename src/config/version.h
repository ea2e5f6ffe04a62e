#pragma once

#include <string>

namespace tonalis {

inline constexpr int kVersionMajor = 3;
inline constexpr int kVersionMinor = 0;

inline std::string VersionText() { return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor); }

}  // namespace tonalis
