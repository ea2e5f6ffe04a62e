// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "radio/ptt_driver.h"
#include "tone/device_thread.h"
#include "station/ptt_choice.h"

struct s_rig;

namespace tonalis {

// PTT through Hamlib: the rig's own CAT command on its serial port, or a
// running rigctld. Hamlib's calls block (a rig that does not answer takes
// its time-out), so they run on a thread of their own, one after the other;
// the results come back on the caller's thread. The rig is opened to key and
// closed after the release, so other programs can use it in between.
// Nothing here ever waits for the rig on the caller's thread.
class HamlibPtt : public QObject, public PttDriver {
  Q_OBJECT

 public:
  HamlibPtt(const PttChoice& choice, MessageSink& messages, QObject* parent = nullptr);
  // Releases a keyed transmitter after what is under way, on the worker.
  ~HamlibPtt() override;

  void key(bool on, Done done) override;

  // Whether the last key or release left the rig in a state nobody knows
  // (its answer lost, and the release after it failed too).
  bool stateUnknown() const override { return *unknown_; }

  // Hamlib's own diagnostics on standard error (off unless asked for).
  static void setVerbose(bool verbose);

  struct Rig;

 private:
  // On the worker thread, with nothing of this object's (it may be gone):
  // empty, or what went wrong.
  static std::string Apply(Rig& rig, const PttChoice& choice, bool on, std::atomic<bool>& unknown);

  PttChoice choice_;
  MessageSink& messages_;
  std::shared_ptr<Rig> rig_;  // touched only on the worker thread
  std::shared_ptr<std::atomic<bool>> unknown_ = std::make_shared<std::atomic<bool>>(false);
  DeviceThread worker_;  // last: it goes first
};

// Releases the rig of `choice` now, blocking, on a connection of its own:
// for the PTT guard, after the program that keyed it is gone. Empty, or what
// went wrong.
std::string HamlibReleaseNow(const PttChoice& choice);

// Hamlib's rig models, for choosing one by name.
struct RigModel {
  int model;
  std::string manufacturer;
  std::string name;
};
std::vector<RigModel> HamlibRigModels();

}  // namespace tonalis
