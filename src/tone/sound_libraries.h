// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tonalis {

// Keeps the sound system's own libraries from printing their diagnostics
// (ALSA and JACK print a screenful while PortAudio probes the devices): the
// tool says what went wrong in its own words.
void SilenceSoundLibraries();

}  // namespace tonalis
