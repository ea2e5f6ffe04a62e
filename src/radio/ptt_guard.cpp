// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>

#include "radio/cm108_ptt.h"
#include "radio/hamlib_ptt.h"
#include "radio/ptt_guard.h"

namespace tonalis {
namespace {

class StderrMessages : public MessageSink {
 public:
  void showMessage(const UserMessage& message) override { text = message.text; }
  std::string text;
};

}  // namespace

int ReleaseForGoneOwner(const PttChoice& choice) {
  std::string failure;
  if (choice.method == PttMethod::Cm108) {
    StderrMessages messages;
    bool ok = false;
    Cm108Ptt(choice.cm108Device, choice.cm108Gpio, messages).key(false, [&](bool done) { ok = done; });
    if (!ok) failure = messages.text;
  } else if (choice.method == PttMethod::Cat || choice.method == PttMethod::Rigctld) {
    failure = HamlibReleaseNow(choice);
  }
  if (failure.empty()) {
    std::fprintf(stderr, "tonalis: the program that keyed %s ended without releasing it; released.\n",
                 DescribePtt(choice).c_str());
    return 0;
  }
  std::fprintf(stderr, "tonalis: the program that keyed %s ended without releasing it, and the release failed: %s\n",
               DescribePtt(choice).c_str(), failure.c_str());
  return 1;
}

}  // namespace tonalis
