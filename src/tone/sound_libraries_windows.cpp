// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone/sound_libraries.h"

namespace tonalis {

// The Windows sound system (MME) prints nothing of its own.
void SilenceSoundLibraries() {}

}  // namespace tonalis
