// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QProcess>
#include <QThread>
#include <cstdint>
#include <optional>
#include <string>

#include "support/free_port.h"

namespace tonalis::testing {

// Hamlib's daemon with its dummy rig, on a free port of this machine, for
// as long as the object lives. `-P RIG` makes the dummy accept PTT (without
// it, it refuses T 1 and T 0 alike); it answers `t` with the PTT state it holds.
class Rigctld {
 public:
  explicit Rigctld(bool acceptsPtt = true) {
    port_ = FreePort();
    QStringList args = {"-m", "1", "-T", "127.0.0.1", "-t", QString::number(port_)};
    if (acceptsPtt) args << "-P" << "RIG";
    process_.start("rigctld", args);
    process_.waitForStarted(5000);
    for (int i = 0; i < 200 && running() && ptt() < 0; ++i) QThread::msleep(50);
  }
  ~Rigctld() {
    process_.terminate();
    if (!process_.waitForFinished(3000)) process_.kill();
    process_.waitForFinished(3000);
  }
  int port() const { return port_; }
  std::string address() const { return "127.0.0.1:" + std::to_string(port_); }
  bool running() const { return process_.state() == QProcess::Running; }

  // The PTT state the rig holds: 1 keyed, 0 not, -1 no answer. rigctld
  // sometimes resets a connection made right after another one closed: a
  // reset or an empty answer is asked again.
  int ptt() const {
    for (int attempt = 0; attempt < 5; ++attempt) {
      if (attempt > 0) QThread::msleep(20);
      const auto answer = ask("t");
      if (answer && (*answer == "0" || *answer == "1")) return *answer == "1" ? 1 : 0;
    }
    return -1;
  }

 private:
  // One command on a connection of its own; the first line of the answer.
  std::optional<std::string> ask(const std::string& command) const {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port_));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    timeval timeout{2, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
      ::close(fd);
      return std::nullopt;
    }
    const std::string line = command + "\n";
    std::string answer;
    if (::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size())) {
      char c = 0;
      while (::read(fd, &c, 1) == 1 && c != '\n') answer += c;
    }
    ::close(fd);
    return answer;
  }

  QProcess process_;
  int port_ = 0;
};

}  // namespace tonalis::testing
