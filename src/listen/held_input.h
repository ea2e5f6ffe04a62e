// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "tone/audio_input.h"

namespace tonalis {

// One input device kept open across the users one exchange has in turn: the
// monitor's recording and the reply listener after it hear one stream. An
// input closed and opened again between them loses what arrives meanwhile
// (a sound card's buffer, a FIFO's pipe, which is drained as stale on
// opening): the first characters of a reply that starts as the send ends.
class HeldInput : public AudioInput {
 public:
  explicit HeldInput(AudioInput& device) : device_(device) {}
  ~HeldInput() override;

  // Opens `device` now and keeps it open until letGo(), whoever opens and
  // closes it meanwhile; the reason when it cannot be opened (said again to
  // the user that opens it).
  std::optional<std::string> hold(const std::string& device, int rate);
  // From now on what the device delivers is also kept for the next user,
  // who hears it first: the user after the present one misses nothing.
  void keepFromNow();
  // The device closes once its present user (if any) closes it.
  void letGo();

  // The user's side: the device as held (same name), or opened for it alone.
  std::optional<std::string> open(const std::string& device, int rate, Samples samples, int* rateUsed) override;
  void close() override;

 private:
  void deliver(const std::int16_t* samples, std::size_t count);
  std::optional<std::string> openDevice(const std::string& device, int rate);
  void closeDevice();

  AudioInput& device_;
  bool open_ = false;  // the device is open
  bool held_ = false;
  std::string name_;
  int rate_ = 0;
  std::mutex mutex_;  // what the device's thread touches
  Samples user_;
  bool keeping_ = false;
  std::vector<std::int16_t> kept_;
};

}  // namespace tonalis
