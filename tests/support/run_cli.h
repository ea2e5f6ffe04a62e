// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QStringList>
#include <string>

namespace tonalis::testing {

struct CliRun {
  int exitCode = -1;
  bool crashed = false;
  std::string out;
  std::string err;
};

// Runs `program` with `args` and waits for it, with nothing on its stdin.
inline CliRun RunProgram(const QString& program, const QStringList& args, int timeoutMs = 30000) {
  QProcess p;
  p.start(program, args);
  p.closeWriteChannel();
  CliRun r;
  if (!p.waitForFinished(timeoutMs)) {
    p.kill();
    p.waitForFinished();
    r.crashed = true;
  }
  r.crashed = r.crashed || p.exitStatus() != QProcess::NormalExit;
  r.exitCode = p.exitCode();
  r.out = p.readAllStandardOutput().toStdString();
  r.err = p.readAllStandardError().toStdString();
  return r;
}

inline CliRun RunCli(const QStringList& args, int timeoutMs = 30000) {
  return RunProgram(QStringLiteral(TONALIS_CLI), args, timeoutMs);
}

}  // namespace tonalis::testing
