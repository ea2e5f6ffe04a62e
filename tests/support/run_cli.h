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

// Runs tonalis-cli with `args` and waits for it; `input` goes to its stdin.
inline CliRun RunCli(const QStringList& args, int timeoutMs = 30000) {
  QProcess p;
  p.start(QStringLiteral(TONALIS_CLI), args);
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

}  // namespace tonalis::testing
