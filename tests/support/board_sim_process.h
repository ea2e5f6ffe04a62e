// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QStringList>
#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "link/protocol.h"

namespace tonalis::testing {

// The simulated board, run as its own process on a pseudo-terminal, as a
// user runs it.
class BoardSimProcess {
 public:
  BoardSimProcess(const std::string& dir, const QStringList& extra = {})
      : link_(dir + "/board"), log_(dir + "/sim.log") {
    process_.start(QStringLiteral(TONALIS_CLI), QStringList{"board-sim", "--link", QString::fromStdString(link_),
                                                            "--log", QString::fromStdString(log_)} +
                                                    extra);
    process_.waitForReadyRead(5000);
    device_ = process_.readLine().trimmed().toStdString();
  }
  ~BoardSimProcess() { stop(); }

  // Ends it as a user's SIGTERM does: what it printed on standard error
  // unless it went cleanly (exit 0, nothing said).
  std::string stop() {
    if (process_.state() == QProcess::NotRunning) return {};
    process_.terminate();
    if (!process_.waitForFinished(3000)) process_.kill();
    process_.waitForFinished(3000);
    const std::string err = process_.readAllStandardError().toStdString();
    if (process_.exitStatus() != QProcess::NormalExit || process_.exitCode() != 0 || !err.empty())
      return "exit " + std::to_string(process_.exitCode()) + ": " + err;
    return {};
  }
  bool running() const { return process_.state() == QProcess::Running; }

  const std::string& device() const { return device_; }
  const std::string& link() const { return link_; }

  // Every byte of the log with its time and direction.
  struct LoggedByte {
    double time;
    bool received;  // by the board
    std::uint8_t value;
  };
  std::vector<LoggedByte> bytes() const {
    std::vector<LoggedByte> out;
    std::ifstream in(log_);
    std::string line;
    while (std::getline(in, line)) {
      std::istringstream fields(line);
      double time = 0;
      std::string tag;
      fields >> time >> tag;
      if (tag != "RX" && tag != "TX") continue;
      unsigned value = 0;
      while (fields >> std::hex >> value) out.push_back({time, tag == "RX", static_cast<std::uint8_t>(value)});
    }
    return out;
  }
  // What the board heard over the air and did, from its log: "heard 12 -> ...".
  std::vector<std::string> heard() const {
    std::vector<std::string> out;
    std::ifstream in(log_);
    std::string line;
    while (std::getline(in, line)) {
      const auto at = line.find(" -- heard ");
      if (at != std::string::npos) out.push_back(line.substr(at + 4));
    }
    return out;
  }
  Bytes received() const {
    Bytes out;
    for (const auto& b : bytes())
      if (b.received) out.push_back(b.value);
    return out;
  }

 private:
  QProcess process_;
  std::string link_;
  std::string log_;
  std::string device_;
};

}  // namespace tonalis::testing
