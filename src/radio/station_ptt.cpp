// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/station_ptt.h"

#include "radio/cm108_ptt.h"
#include "radio/hamlib_ptt.h"

namespace tonalis {

std::unique_ptr<PttDriver> MakePttDriver(const PttChoice& choice, MessageSink& messages) {
  switch (choice.method) {
    case PttMethod::Cm108:
      return std::make_unique<Cm108Ptt>(choice.cm108Device, choice.cm108Gpio, messages);
    case PttMethod::Cat:
    case PttMethod::Rigctld:
      return std::make_unique<HamlibPtt>(choice, messages);
    case PttMethod::SerialLine:
      break;
  }
  return nullptr;
}

StationPtt::StationPtt(BoardLink& link, MessageSink& messages, QObject* parent)
    : QObject(parent), link_(link), messages_(messages) {
  connect(&link_, &BoardLink::controlsChanged, this, &StationPtt::onControlsChanged);
  setChoice(PttChoice{});
}

StationPtt::~StationPtt() = default;  // a driver releases what it keyed

void StationPtt::setChoice(const PttChoice& choice) {
  if (driver_ && choice == choice_) return;
  driver_.reset();
  keyed_ = false;
  choice_ = choice;
  link_.setPttLine(choice.line, choice.invert);
  link_.setPttUsesPort(choice.usesPttPort());
  driver_ = MakePttDriver(choice, messages_);
}

void StationPtt::setPtt(bool on, Done done) {
  if (!driver_) {
    link_.setPtt(on, std::move(done));
    return;
  }
  // As with the port's line: keying needs the box ticked, releasing never does.
  if (on && !link_.pttEnabled()) {
    if (done) done(true);
    return;
  }
  keyed_ = on;
  driver_->key(on, std::move(done));
}

void StationPtt::onControlsChanged() {
  if (driver_ && keyed_ && !link_.pttEnabled()) {
    keyed_ = false;
    driver_->key(false, {});
  }
}

}  // namespace tonalis
