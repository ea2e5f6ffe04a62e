// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "link/board_link.h"

namespace tonalis::cli {

// A port given on the command line: a number 1-16, mapped by ports.ini in the
// settings folder, or a device path, used as it is.
struct PortChoice {
  std::string fieldText = "1";  // what the window's port field would hold
  BoardLink::PortResolver resolver;
};

// Nothing (and a usage error printed) when `value` is neither.
std::optional<PortChoice> ParsePortOption(const std::string& value, const std::string& option);

}  // namespace tonalis::cli
