// SPDX-License-Identifier: GPL-3.0-or-later
#include <alsa/asoundlib.h>
#include <dlfcn.h>

#include <initializer_list>

#include "tone/sound_libraries.h"

namespace tonalis {
namespace {

void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}
void IgnoreJackMessage(const char*) {}

}  // namespace

void SilenceSoundLibraries() {
  snd_lib_error_set_handler(IgnoreAlsaError);
  // JACK comes in through PortAudio; its setters are looked up rather than
  // linked so that the tool does not depend on JACK itself.
  using Setter = void (*)(void (*)(const char*));
  for (const char* name : {"jack_set_error_function", "jack_set_info_function"}) {
    if (auto setter = reinterpret_cast<Setter>(dlsym(RTLD_DEFAULT, name))) setter(IgnoreJackMessage);
  }
}

}  // namespace tonalis
