// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/station_ptt.h"

#include "radio/cm108_ptt.h"
#include "radio/hamlib_ptt.h"

#include <QPointer>

#include "i18n/language.h"

namespace tonalis {
namespace {

constexpr const char* kUnreadable = TONALIS_TEXT("Cannot key the transmitter: the PTT setting cannot be read.");
constexpr const char* kChooseAgain = TONALIS_TEXT("Choose the PTT again in the Station dialog.");

// A stored PTT that could not be read: keying fails and says why, so that
// no other transmitter is keyed in its place.
class UnusablePtt : public PttDriver {
 public:
  UnusablePtt(std::string reason, MessageSink& messages) : reason_(std::move(reason)), messages_(messages) {}
  void key(bool on, Done done) override {
    if (on)
      messages_.showMessage({kWarningTitle, TrStd(kUnreadable) + kCrLf + reason_ + kCrLf + TrStd(kChooseAgain),
                             UserMessage::Icon::Exclamation});
    if (done) done(!on);
  }

 private:
  std::string reason_;
  MessageSink& messages_;
};

}  // namespace

std::unique_ptr<PttDriver> MakePttDriver(const PttChoice& choice, MessageSink& messages) {
  if (!choice.unusable.empty()) return std::make_unique<UnusablePtt>(choice.unusable, messages);
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

// A driver releases what it keyed; the guard, still armed then, releases once
// more after this process, which harms nothing.
StationPtt::~StationPtt() {
  if (!keyed_) guard_.disarm();
}

void StationPtt::setChoice(const PttChoice& choice) {
  if (driver_ && choice == choice_) return;
  driver_.reset();
  if (keyed_)
    guard_.letGo();
  else
    guard_.disarm();
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
  if (!on) {
    release(std::move(done));
    return;
  }
  // Before the key: if this process dies keyed, the guard releases.
  guard_.arm(choice_);
  keyed_ = true;
  driver_->key(true, std::move(done));
}

void StationPtt::release(Done done) {
  keyed_ = false;
  QPointer<StationPtt> self(this);
  driver_->key(false, [self, done = std::move(done)](bool ok) {
    if (self) {
      if (ok && !self->keyed_) self->guard_.disarm();
      if (!ok) self->keyed_ = true;  // still owed: the way out tries again
    }
    if (done) done(ok);
  });
}

void StationPtt::onControlsChanged() {
  if (driver_ && keyed_ && !link_.pttEnabled()) release({});
}

}  // namespace tonalis
