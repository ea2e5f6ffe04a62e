// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/prctl.h>

#include <QProcess>
#include <QTcpSocket>
#include <QThread>
#include <csignal>
#include <string>

#include "support/free_port.h"

namespace tonalis::testing {

// Debian's network serial server in front of `device` (the simulated
// board's pseudo-terminal), on two free ports of this machine: telnet with
// RFC 2217 and raw TCP, at 4800 8N1. Its pid file goes in `folder` (it
// removes that file when it ends: never name a file of the system). It ends
// with the object, or with the test process if that dies first.
class Ser2net {
 public:
  Ser2net(const std::string& device, const std::string& folder) : telnetPort_(FreePort()), rawPort_(FreePort()) {
    const QString line = QStringLiteral("serialdev,%1,4800n81,local").arg(QString::fromStdString(device));
    const QStringList args = {
        "-n", "-u", "-Y",
        QStringLiteral("connection: &rfc2217#  accepter: telnet(rfc2217),tcp,127.0.0.1,%1#  connector: %2")
            .arg(telnetPort_)
            .arg(line),
        "-Y",
        QStringLiteral("connection: &raw#  accepter: tcp,127.0.0.1,%1#  connector: %2").arg(rawPort_).arg(line),
        "-P", QString::fromStdString(folder + "/ser2net.pid")};
    process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process_.start("ser2net", args);
    process_.waitForStarted(5000);
    // Listening once a connection is taken (and let go at once).
    for (int i = 0; i < 100 && running(); ++i) {
      QTcpSocket probe;
      probe.connectToHost("127.0.0.1", static_cast<quint16>(rawPort_));
      if (probe.waitForConnected(100)) {
        probe.abort();
        QThread::msleep(100);
        return;
      }
      QThread::msleep(50);
    }
  }
  ~Ser2net() { stop(); }

  bool running() const { return process_.state() == QProcess::Running; }
  // What it printed, when it failed to start.
  std::string output() { return (process_.readAllStandardOutput() + process_.readAllStandardError()).toStdString(); }
  void kill() {
    process_.kill();
    process_.waitForFinished(3000);
  }
  void stop() {
    if (!running()) return;
    process_.terminate();
    if (!process_.waitForFinished(3000)) kill();
  }

  int telnetPort() const { return telnetPort_; }
  int rawPort() const { return rawPort_; }
  std::string rfc2217() const { return "rfc2217://127.0.0.1:" + std::to_string(telnetPort_); }
  std::string raw() const { return "socket://127.0.0.1:" + std::to_string(rawPort_); }

 private:
  int telnetPort_;
  int rawPort_;
  QProcess process_;
};

}  // namespace tonalis::testing
