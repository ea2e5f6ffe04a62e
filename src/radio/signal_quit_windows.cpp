// SPDX-License-Identifier: GPL-3.0-or-later
// The console's control events, which the system delivers on a thread of
// its own, passed to the event loop.
#include <windows.h>

#include <QCoreApplication>
#include <QPointer>
#include <atomic>
#include <csignal>

#include "radio/signal_quit.h"

namespace tonalis {
namespace {

QPointer<SignalQuit> gQuit;
std::atomic<bool> gEnding{false};

BOOL WINAPI OnControl(DWORD event) {
  int number = SIGTERM;
  if (event == CTRL_C_EVENT) number = SIGINT;
  if (event == CTRL_BREAK_EVENT) number = SIGBREAK;
  SignalQuit* quit = gQuit.data();
  if (!quit) return FALSE;
  QMetaObject::invokeMethod(quit, "deliver", Qt::QueuedConnection, Q_ARG(int, number));
  // Closing the console, logging off and shutting down end the process as
  // soon as this returns: the release gets the time the system allows.
  if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT)
    for (int i = 0; i < 45 && !gEnding; ++i) Sleep(100);
  return TRUE;
}

}  // namespace

SignalQuit::SignalQuit(QObject* parent) : QObject(parent) {
  gQuit = this;
  SetConsoleCtrlHandler(OnControl, TRUE);
  connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [] { gEnding = true; });
}

SignalQuit::~SignalQuit() {
  SetConsoleCtrlHandler(OnControl, FALSE);
  gEnding = true;
}

void SignalQuit::deliver(int number) {
  received_ = number;
  Q_EMIT signalled(number);
}

}  // namespace tonalis
