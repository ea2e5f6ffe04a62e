// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDir>
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

// The environment for a program a test runs: unless the test chose a
// settings folder, one of this test process's own, so that no test writes
// into the build folder (scripts/run's settings folder).
inline QProcessEnvironment ProgramEnvironment() {
  struct Scratch {
    Scratch() : dir(QDir::temp().filePath(QString("tonalis-settings-%1").arg(QCoreApplication::applicationPid()))) {
      QDir().mkpath(dir);
    }
    ~Scratch() { QDir(dir).removeRecursively(); }
    QString dir;
  };
  static Scratch scratch;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  if (!env.contains("TONALIS_SETTINGS_DIR")) env.insert("TONALIS_SETTINGS_DIR", scratch.dir);
  return env;
}

// Runs `program` with `args` and waits for it, with nothing on its stdin.
inline CliRun RunProgram(const QString& program, const QStringList& args, int timeoutMs = 30000) {
  QProcess p;
  p.setProcessEnvironment(ProgramEnvironment());
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
