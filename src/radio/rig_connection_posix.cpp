// SPDX-License-Identifier: GPL-3.0-or-later
// The rig through Hamlib: CAT on its serial port, or a running rigctld.
#include <hamlib/rig.h>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <mutex>
#include <thread>

#include "radio/rig_connection.h"

#include "i18n/language.h"

namespace tonalis {
namespace {

// Hamlib's tables and its debug level are process-wide.
void InitHamlib(bool verbose) {
  static std::once_flag once;
  std::call_once(once, [] {
    rig_set_debug(RIG_DEBUG_NONE);
    // rig_open() reads the LC_NUMERIC name, switches to "C" and switches back to the name it
    // read, which the switch has freed unless the name was "C" already. Our numbers never go
    // through the C locale (Qt and from_chars), so "C" for the whole process costs nothing.
    std::setlocale(LC_NUMERIC, "C");
  });
  if (verbose) rig_set_debug(RIG_DEBUG_VERBOSE);
}

std::string Words(int code) {
  // rigerror() adds Hamlib's recent debug lines; rigerror2() is the message.
  std::string text = rigerror2(code);
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
  return text;
}

// How long Hamlib waits for a rig before it gives up, and how often it tries.
constexpr const char* kTimeoutMs = "1500";
constexpr const char* kRetries = "1";
// The pause before rigctld is asked a second time (on the worker thread).
constexpr int kReconnectPauseMs = 50;

class HamlibConnection : public RigConnection {
 public:
  explicit HamlibConnection(RIG* rig) : rig_(rig) {}
  ~HamlibConnection() override {
    rig_close(rig_);
    rig_cleanup(rig_);
  }
  Answer setPtt(bool on) override {
    const int e = rig_set_ptt(rig_, RIG_VFO_CURR, on ? RIG_PTT_ON : RIG_PTT_OFF);
    return {e == RIG_OK, e == RIG_OK ? std::string() : Words(e), e == -RIG_EINVAL};
  }

 private:
  RIG* rig_;
};

}  // namespace

constexpr const char* kNoModel = TONALIS_TEXT("Hamlib has no rig model %1 (rigctl --list shows them).");
constexpr const char* kRigctldSilent = TONALIS_TEXT("rigctld does not answer at %1 (%2). Is it running?");
constexpr const char* kRigSilent =
    TONALIS_TEXT("The rig on %1 does not answer (%2). Check that it is on, the cable, the model and the speed.");
constexpr const char* kCannotOpen = TONALIS_TEXT(
    "Cannot open %1 (%2). Is the device there, not used by another program, and is your user in the dialout group?");

void SetRigLibraryVerbose(bool verbose) { InitHamlib(verbose); }

std::unique_ptr<RigConnection> ConnectRig(const PttChoice& choice, std::string& failure) {
  InitHamlib(false);
  const bool daemon = choice.method == PttMethod::Rigctld;
  const rig_model_t model = daemon ? RIG_MODEL_NETRIGCTL : choice.rigModel;
  RIG* rig = rig_init(model);
  if (!rig) {
    failure = Fill(TrStd(kNoModel), {std::to_string(model)});
    return nullptr;
  }
  const std::string path =
      daemon ? choice.rigctldHost + ":" + std::to_string(choice.rigctldPort) : choice.rigDevice;
  rig_set_conf(rig, rig_token_lookup(rig, "rig_pathname"), path.c_str());
  rig_set_conf(rig, rig_token_lookup(rig, "timeout"), kTimeoutMs);
  rig_set_conf(rig, rig_token_lookup(rig, "retry"), kRetries);
  // CAT means the rig's own PTT command, whatever the model's default.
  if (!daemon) rig_set_conf(rig, rig_token_lookup(rig, "ptt_type"), "RIG");
  if (!daemon && choice.rigBaud > 0)
    rig_set_conf(rig, rig_token_lookup(rig, "serial_speed"), std::to_string(choice.rigBaud).c_str());
  int e = rig_open(rig);
  if (e != RIG_OK && daemon) {
    // rigctld resets now and then a connection made just after another client's closed
    // (about one in seven back to back, never with a millisecond between): one more try.
    std::this_thread::sleep_for(std::chrono::milliseconds(kReconnectPauseMs));
    e = rig_open(rig);
  }
  if (e != RIG_OK) {
    rig_cleanup(rig);
    failure = Fill(TrStd(daemon ? kRigctldSilent : e == -RIG_ETIMEOUT ? kRigSilent : kCannotOpen), {path, Words(e)});
    return nullptr;
  }
  return std::make_unique<HamlibConnection>(rig);
}

std::vector<RigModel> HamlibRigModels() {
  InitHamlib(false);
  static const std::vector<RigModel> models = [] {
    std::vector<RigModel> list;
    rig_load_all_backends();
    rig_list_foreach(
        [](const rig_caps* caps, rig_ptr_t data) {
          static_cast<std::vector<RigModel>*>(data)->push_back(
              {static_cast<int>(caps->rig_model), caps->mfg_name ? caps->mfg_name : "",
               caps->model_name ? caps->model_name : ""});
          return 1;  // go on
        },
        &list);
    std::sort(list.begin(), list.end(), [](const RigModel& a, const RigModel& b) { return a.model < b.model; });
    return list;
  }();
  return models;
}

}  // namespace tonalis
