// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/signal_quit.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <csignal>

namespace tonalis {
namespace {

int gPipe[2] = {-1, -1};

// Every signal whose default ends the process without a core dump, and the
// ones that dump one on request: each leaves through the event loop, so a
// keyed transmitter is released first. Faults (SIGSEGV, SIGBUS, ...) cannot
// go on safely; the PTT guard process releases after those.
constexpr int kStopSignals[] = {SIGINT,  SIGTERM, SIGHUP,    SIGQUIT, SIGUSR1, SIGUSR2,   SIGALRM,
                                SIGVTALRM, SIGPROF, SIGXCPU, SIGXFSZ, SIGIO,   SIGPWR, SIGSTKFLT};

void OnSignal(int number) {
  const char byte = static_cast<char>(number);
  // Only async-signal-safe calls here; the loop does the rest.
  [[maybe_unused]] const ssize_t n = ::write(gPipe[1], &byte, 1);
}

}  // namespace

SignalQuit::SignalQuit(QObject* parent) : QObject(parent) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, gPipe) != 0) return;
  auto notifier = std::make_unique<QSocketNotifier>(gPipe[0], QSocketNotifier::Read);
  connect(notifier.get(), &QSocketNotifier::activated, this, [this] {
    char byte = 0;
    if (::read(gPipe[0], &byte, 1) == 1) deliver(static_cast<unsigned char>(byte));
  });
  notifier_ = std::move(notifier);
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int number : kStopSignals) ::sigaction(number, &action, nullptr);
  // A closed pipe on standard output (`| head -1`) is a write error that the
  // writer handles, not a reason to die with the transmitter keyed.
  std::signal(SIGPIPE, SIG_IGN);
}

void SignalQuit::deliver(int number) {
  received_ = number;
  Q_EMIT signalled(number);
}

SignalQuit::~SignalQuit() {
  for (int number : kStopSignals) std::signal(number, SIG_DFL);
  notifier_.reset();
  for (int& fd : gPipe) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
}

}  // namespace tonalis
