// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/cm108_ptt.h"

#include "i18n/language.h"

namespace tonalis {
namespace {
constexpr const char* kCannotKey = TONALIS_TEXT("Cannot key the transmitter (CM108 GPIO %1):");
constexpr const char* kCannotRelease = TONALIS_TEXT("Cannot release the transmitter (CM108 GPIO %1):");
}  // namespace

Cm108Ptt::Cm108Ptt(std::string device, int gpio, MessageSink& messages)
    : device_(std::move(device)), gpio_(gpio), messages_(messages) {}

Cm108Ptt::~Cm108Ptt() {
  if (keyed_) key(false, {});
}

void Cm108Ptt::key(bool on, Done done) {
  auto failure = Cm108DeviceProblem(device_);
  if (!failure) failure = WriteCm108Report(device_, Cm108PttReport(gpio_, on));
  if (!failure) keyed_ = on;
  if (failure)
    messages_.showMessage({kWarningTitle,
                           Fill(TrStd(on ? kCannotKey : kCannotRelease), {std::to_string(gpio_)}) + kCrLf + *failure,
                           UserMessage::Icon::Exclamation});
  if (done) done(!failure);
}

}  // namespace tonalis
