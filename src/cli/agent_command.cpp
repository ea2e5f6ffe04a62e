// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>
#include <cstdio>
#include <iostream>
#include <thread>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "radio/signal_quit.h"
#include "site/agent.h"

namespace tonalis::cli {

int RunAgent(const QStringList& args) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      CliTr("The agent at a radio site, for Tonalis elsewhere (tonalis-cli --site, the window's Sites):\n"
            "requests on standard input, events on standard output, one JSON object a line\n"
            "(the README lists them). Reached over SSH; it listens on no port."));
  const QCommandLineOption stdio("stdio", CliTr("Speak on standard input and output (the only way)."));
  parser.addOption(stdio);
  if (auto exit = ParseArguments(parser, args)) return *exit;
  if (!parser.isSet(stdio)) {
    PrintError(CliText("agent: --stdio is required."));
    return kExitUsage;
  }

  // A dropped link or a stop from outside ends the request under way, as
  // the end of the input does; SIGPIPE (the caller gone) is ignored.
  SignalQuit signals;
  Agent agent(QCoreApplication::applicationFilePath(), [](const QByteArray& line) {
    std::cout.write(line.constData(), line.size());
    std::cout << '\n' << std::flush;
  });
  QObject::connect(&agent, &Agent::finished, [] { QCoreApplication::exit(kExitOk); });
  QObject::connect(&signals, &SignalQuit::signalled, &agent, [&agent] { agent.endOfInput(); });
  agent.hello(QCoreApplication::applicationVersion());

  // Lines are read on a thread of their own (a blocking read) and handed to
  // the agent on its thread; one longer than the agent takes is skipped.
  QPointer<Agent> target(&agent);
  std::thread reader([target] {
    QByteArray line;
    bool tooLong = false;
    char buffer[65536];
    auto hand = [&target](QByteArray text, bool cut) {
      QMetaObject::invokeMethod(
          QCoreApplication::instance(), [target, text, cut] { if (target) target->takeLine(text, cut); },
          Qt::QueuedConnection);
    };
    while (std::fgets(buffer, sizeof buffer, stdin)) {
      const QByteArray chunk(buffer);
      const bool complete = chunk.endsWith('\n');
      if (!tooLong) line += complete ? chunk.chopped(1) : chunk;
      if (line.size() > Agent::kMaxLine) {
        tooLong = true;
        line.clear();
      }
      if (!complete) continue;
      if (line.endsWith('\r')) line.chop(1);
      hand(line, tooLong);
      line.clear();
      tooLong = false;
    }
    if (!line.isEmpty()) hand(line, tooLong);
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [target] { if (target) target->endOfInput(); }, Qt::QueuedConnection);
  });
  const int status = QCoreApplication::exec();
  // The reader may still wait on an input that never closes (a stop by signal).
  reader.detach();
  return status;
}

}  // namespace tonalis::cli
