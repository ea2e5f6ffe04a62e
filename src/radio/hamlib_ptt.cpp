// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/hamlib_ptt.h"

#include <hamlib/rig.h>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <mutex>
#include <thread>

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

}  // namespace

struct HamlibPtt::Rig {
  RIG* rig = nullptr;
  bool open = false;
  bool keyed = false;  // keyed, or perhaps keyed: a release is owed
  ~Rig() {
    if (open) rig_close(rig);
    if (rig) rig_cleanup(rig);
  }
  void close() {
    if (open) rig_close(rig);
    open = false;
  }
};

namespace {

// Opens the rig of `choice`; empty, or what went wrong.
std::string OpenRig(HamlibPtt::Rig& r, const PttChoice& choice) {
  if (r.open) return {};
  const bool daemon = choice.method == PttMethod::Rigctld;
  const rig_model_t model = daemon ? RIG_MODEL_NETRIGCTL : choice.rigModel;
  if (!r.rig) r.rig = rig_init(model);
  if (!r.rig) return "Hamlib has no rig model " + std::to_string(model) + " (rigctl --list shows them).";
  const std::string path =
      daemon ? choice.rigctldHost + ":" + std::to_string(choice.rigctldPort) : choice.rigDevice;
  rig_set_conf(r.rig, rig_token_lookup(r.rig, "rig_pathname"), path.c_str());
  rig_set_conf(r.rig, rig_token_lookup(r.rig, "timeout"), kTimeoutMs);
  rig_set_conf(r.rig, rig_token_lookup(r.rig, "retry"), kRetries);
  // CAT means the rig's own PTT command, whatever the model's default.
  if (!daemon) rig_set_conf(r.rig, rig_token_lookup(r.rig, "ptt_type"), "RIG");
  if (!daemon && choice.rigBaud > 0)
    rig_set_conf(r.rig, rig_token_lookup(r.rig, "serial_speed"), std::to_string(choice.rigBaud).c_str());
  int e = rig_open(r.rig);
  if (e != RIG_OK && daemon) {
    // rigctld resets now and then a connection made just after another client's closed
    // (about one in seven back to back, never with a millisecond between): one more try.
    std::this_thread::sleep_for(std::chrono::milliseconds(kReconnectPauseMs));
    e = rig_open(r.rig);
  }
  if (e != RIG_OK) {
    if (daemon) return "rigctld does not answer at " + path + " (" + Words(e) + "). Is it running?";
    if (e == -RIG_ETIMEOUT)
      return "The rig on " + path + " does not answer (" + Words(e) +
             "). Check that it is on, the cable, the model and the speed.";
    return "Cannot open " + path + " (" + Words(e) +
           "). Is the device there, not used by another program, and is your user in the dialout group?";
  }
  r.open = true;
  return {};
}

// Releases a rig that is (or may be) keyed, on a fresh connection when the
// old one may be out of step; empty, or what went wrong.
std::string ReleaseRig(HamlibPtt::Rig& r, const PttChoice& choice) {
  if (!r.keyed) {
    r.close();
    return {};
  }
  std::string failure = OpenRig(r, choice);
  if (failure.empty()) {
    const int e = rig_set_ptt(r.rig, RIG_VFO_CURR, RIG_PTT_OFF);
    if (e == RIG_OK)
      r.keyed = false;
    else
      failure = "The rig refused the release (" + Words(e) + ").";
  }
  r.close();
  return failure;
}

}  // namespace

void HamlibPtt::setVerbose(bool verbose) { InitHamlib(verbose); }

HamlibPtt::HamlibPtt(const PttChoice& choice, MessageSink& messages, QObject* parent)
    : QObject(parent), choice_(choice), messages_(messages), rig_(std::make_shared<Rig>()), worker_(this) {
  InitHamlib(false);
}

HamlibPtt::~HamlibPtt() {
  // Queued behind what is under way; the worker runs it even if this object
  // is gone by then (a rig that does not answer takes its time-out).
  worker_.run([rig = rig_, choice = choice_] {
    if (rig->keyed) ReleaseRig(*rig, choice);
    return 0;
  });
}

void HamlibPtt::key(bool on, Done done) {
  auto failure = std::make_shared<std::string>();
  worker_.run(
      [rig = rig_, choice = choice_, unknown = unknown_, on, failure] {
        *failure = Apply(*rig, choice, on, *unknown);
        return 0;
      },
      [this, on, done, failure](int) {
        if (!failure->empty())
          messages_.showMessage({"Warning",
                                 std::string(on ? "Cannot key" : "Cannot release") + " the transmitter (" +
                                     DescribePtt(choice_) + "):" + kCrLf + *failure,
                                 UserMessage::Icon::Exclamation});
        if (done) done(failure->empty());
      });
}

std::string HamlibPtt::Apply(Rig& r, const PttChoice& choice, bool on, std::atomic<bool>& unknown) {
  if (!on) {
    const std::string failure = ReleaseRig(r, choice);
    unknown = !failure.empty();
    return failure;
  }
  if (const std::string failure = OpenRig(r, choice); !failure.empty()) return failure;
  const int e = rig_set_ptt(r.rig, RIG_VFO_CURR, RIG_PTT_ON);
  r.keyed = true;  // even when the answer was lost or garbled, the rig may have keyed
  if (e == RIG_OK) {
    unknown = false;
    return {};
  }
  // The connection may be out of step with the rig: the release gets a new one.
  r.close();
  const std::string why = Words(e);
  const std::string release = ReleaseRig(r, choice);
  unknown = !release.empty();
  if (e == -RIG_EINVAL && choice.method == PttMethod::Rigctld && release.empty())
    return "rigctld refused PTT (" + why +
           "). A rigctld started without a PTT type refuses it: start it with -P RIG (or the PTT type your "
           "radio needs).";
  if (release.empty()) return "The rig did not confirm PTT (" + why + "); it was released again, to be safe.";
  return "The rig did not confirm PTT (" + why + "), and releasing it failed too (" + release +
         "): the keyed state is unknown. Check the transmitter now!";
}

std::string HamlibReleaseNow(const PttChoice& choice) {
  InitHamlib(false);
  HamlibPtt::Rig r;
  r.keyed = true;
  return ReleaseRig(r, choice);
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
