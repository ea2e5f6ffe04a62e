// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/hamlib_ptt.h"

#include "i18n/language.h"
#include "radio/rig_connection.h"

namespace tonalis {
namespace {
constexpr const char* kReleaseRefused = TONALIS_TEXT("The rig refused the release (%1).");
constexpr const char* kReleaseUnanswered =
    TONALIS_TEXT("The release got no answer from the rig (%1): the link to it failed, so it may still be keyed.");
constexpr const char* kCannotKey = TONALIS_TEXT("Cannot key the transmitter (%1):");
constexpr const char* kCannotRelease = TONALIS_TEXT("Cannot release the transmitter (%1):");
constexpr const char* kRigctldRefused = TONALIS_TEXT(
    "rigctld refused PTT (%1). A rigctld started without a PTT type refuses it: start it with -P RIG (or the PTT "
    "type your radio needs).");
constexpr const char* kRigRefused = TONALIS_TEXT("The rig refused PTT (%1).");
constexpr const char* kNotConfirmed =
    TONALIS_TEXT("The rig did not confirm PTT (%1); it was released again, to be safe.");
constexpr const char* kNotConfirmedNorReleased = TONALIS_TEXT(
    "The rig did not confirm PTT (%1), and releasing it failed too (%2): the keyed state is unknown. Check the "
    "transmitter now!");
}  // namespace

struct HamlibPtt::Rig {
  std::unique_ptr<RigConnection> connection;
  bool keyed = false;  // keyed, or perhaps keyed: a release is owed
  void close() { connection.reset(); }
};

namespace {

// Opens the rig of `choice`; empty, or what went wrong.
std::string OpenRig(HamlibPtt::Rig& r, const PttChoice& choice) {
  if (r.connection) return {};
  std::string failure;
  r.connection = ConnectRig(choice, failure);
  return failure;
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
    const RigConnection::Answer answer = r.connection->setPtt(false);
    if (answer.ok)
      r.keyed = false;
    else
      failure = Fill(TrStd(answer.refused ? kReleaseRefused : kReleaseUnanswered), {answer.words});
  }
  r.close();
  return failure;
}

}  // namespace

void HamlibPtt::setVerbose(bool verbose) { SetRigLibraryVerbose(verbose); }

HamlibPtt::HamlibPtt(const PttChoice& choice, MessageSink& messages, QObject* parent)
    : QObject(parent), choice_(choice), messages_(messages), rig_(std::make_shared<Rig>()), worker_(this) {}

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
          messages_.showMessage(
              {kWarningTitle, Fill(TrStd(on ? kCannotKey : kCannotRelease), {DescribePtt(choice_)}) + kCrLf + *failure,
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
  const RigConnection::Answer answer = r.connection->setPtt(true);
  const std::string& why = answer.words;
  if (answer.refused) {
    // An answer that says no: the rig did not key, and there is nothing to
    // release (a rigctld that refuses T 1 refuses T 0 as well).
    r.close();
    unknown = false;
    if (choice.method == PttMethod::Rigctld) return Fill(TrStd(kRigctldRefused), {why});
    return Fill(TrStd(kRigRefused), {why});
  }
  r.keyed = true;  // even when the answer was lost or garbled, the rig may have keyed
  if (answer.ok) {
    unknown = false;
    return {};
  }
  // The connection may be out of step with the rig: the release gets a new one.
  r.close();
  const std::string release = ReleaseRig(r, choice);
  unknown = !release.empty();
  if (release.empty()) return Fill(TrStd(kNotConfirmed), {why});
  return Fill(TrStd(kNotConfirmedNorReleased), {why, release});
}

std::string HamlibReleaseNow(const PttChoice& choice) {
  HamlibPtt::Rig r;
  r.keyed = true;
  return ReleaseRig(r, choice);
}

}  // namespace tonalis
