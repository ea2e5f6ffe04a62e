// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/decoder_config.h"

namespace tonalis {

std::string OutputCaption(int index, int state) {
  return "Output " + std::to_string(index + 1) + (state == 1 ? " ON" : " OFF");
}

}  // namespace tonalis
