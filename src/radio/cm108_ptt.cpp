// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/cm108_ptt.h"

#include "i18n/language.h"

namespace tonalis {
namespace {
constexpr const char* kCannotKey = TONALIS_TEXT("Cannot key the transmitter (CM108 GPIO %1 on %2):");
constexpr const char* kCannotRelease = TONALIS_TEXT("Cannot release the transmitter (CM108 GPIO %1 on %2):");
constexpr const char* kNoDevice = TONALIS_TEXT("no device chosen");
}  // namespace

Cm108Ptt::Cm108Ptt(std::string device, int gpio, MessageSink& messages)
    : device_(std::move(device)), gpio_(gpio), messages_(messages) {}

Cm108Ptt::~Cm108Ptt() {
  if (keyed_) key(false, {});
}

void Cm108Ptt::key(bool on, Done done) {
  // A key whose report could not be written changed nothing (a report goes
  // whole or not at all): the release after it has nothing to undo, and
  // nothing more to say than the failure to key.
  if (!on && !keyed_ && keyFailed_) {
    keyFailed_ = false;
    if (done) done(true);
    return;
  }
  auto failure = Cm108DeviceProblem(device_);
  if (!failure) failure = WriteCm108Report(device_, Cm108PttReport(gpio_, on));
  if (!failure) keyed_ = on;
  keyFailed_ = on && failure;
  if (failure)
    messages_.showMessage({kWarningTitle,
                           Fill(TrStd(on ? kCannotKey : kCannotRelease),
                                {std::to_string(gpio_), device_.empty() ? TrStd(kNoDevice) : device_}) + kCrLf + *failure,
                           UserMessage::Icon::Exclamation});
  if (done) done(!failure);
}

}  // namespace tonalis
