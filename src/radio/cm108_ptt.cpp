// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/cm108_ptt.h"

namespace tonalis {

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
    messages_.showMessage({"Warning",
                           std::string(on ? "Cannot key" : "Cannot release") + " the transmitter (CM108 GPIO " +
                               std::to_string(gpio_) + "):" + kCrLf + *failure,
                           UserMessage::Icon::Exclamation});
  if (done) done(!failure);
}

}  // namespace tonalis
