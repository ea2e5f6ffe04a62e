// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QThreadPool>
#include <memory>
#include <string>
#include <vector>

#include "radio/ptt_driver.h"
#include "station/ptt_choice.h"

struct s_rig;

namespace tonalis {

// PTT through Hamlib: the rig's own CAT command on its serial port, or a
// running rigctld. Hamlib's calls block (a rig that does not answer takes
// its time-out), so they run on a thread of their own, one after the other;
// the results come back on the caller's thread. The rig is opened to key and
// closed after the release, so other programs can use it in between.
class HamlibPtt : public QObject, public PttDriver {
  Q_OBJECT

 public:
  HamlibPtt(const PttChoice& choice, MessageSink& messages, QObject* parent = nullptr);
  // Waits for what is under way, releases a keyed transmitter and closes.
  ~HamlibPtt() override;

  void key(bool on, Done done) override;

  // Hamlib's own diagnostics on standard error (off unless asked for).
  static void setVerbose(bool verbose);

 private:
  struct Rig;
  std::string apply(bool on);  // on the worker thread: empty, or what went wrong

  PttChoice choice_;
  MessageSink& messages_;
  QThreadPool worker_;
  std::unique_ptr<Rig> rig_;  // touched only on the worker thread
};

// Hamlib's rig models, for choosing one by name.
struct RigModel {
  int model;
  std::string manufacturer;
  std::string name;
};
std::vector<RigModel> HamlibRigModels();

}  // namespace tonalis
