// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <memory>

#include "link/board_link.h"
#include "radio/ptt_driver.h"
#include "radio/ptt_guard.h"
#include "station/ptt_choice.h"
#include "tone/ptt_line.h"

namespace tonalis {

// The PTT the sender keys, as the station is set up: a line of the "PTT
// Comm" port (through the link, which owns that port), or a driver of its
// own. Either way the PTT box of the window enables it; unticking the box
// while the transmitter is keyed releases it.
class StationPtt : public QObject, public PttLine {
  Q_OBJECT

 public:
  StationPtt(BoardLink& link, MessageSink& messages, QObject* parent = nullptr);
  ~StationPtt() override;

  void setChoice(const PttChoice& choice);
  const PttChoice& choice() const { return choice_; }

  bool pttEnabled() const override { return link_.pttEnabled(); }
  void setPtt(bool on, Done done) override;
  // After a failed key or release: the transmitter may be keyed all the same.
  bool stateUnknown() const { return driver_ && driver_->stateUnknown(); }

 private:
  void onControlsChanged();
  void release(Done done);

  BoardLink& link_;
  MessageSink& messages_;
  PttChoice choice_;
  std::unique_ptr<PttDriver> driver_;
  PttGuard guard_;  // while a driver's transmitter is keyed
  bool keyed_ = false;
};

// The driver for a choice that does not use the PTT port.
std::unique_ptr<PttDriver> MakePttDriver(const PttChoice& choice, MessageSink& messages);

}  // namespace tonalis
