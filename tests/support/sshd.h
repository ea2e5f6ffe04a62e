// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/prctl.h>
#include <unistd.h>

#include <QProcess>
#include <QTcpSocket>
#include <QThread>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/free_port.h"

namespace tonalis::testing {

// A radio site on this machine: OpenSSH's server on a free port of
// 127.0.0.1, its host key and the caller's keys made in `dir`. The key
// `agentKey()` may only run `program agent --stdio` (as the README tells a
// site to restrict it); `bareKey()` logs in to a site where no tonalis-cli
// can be found. The site's settings folder is `dir`/site; its sound card
// plays into `played()`. The known hosts start empty of it (trust() adds its
// key). The server ends with the object, or with the test process.
class Sshd {
 public:
  Sshd(const std::string& dir, const std::string& program) : dir_(dir), port_(FreePort()) {
    std::filesystem::create_directories(site());
    for (const char* key : {"host_key", "agent_key", "bare_key"}) keygen(file(key));
    std::ofstream(file("authorized_keys"))
        << "command=\"" << program << " agent --stdio\",restrict " << read(file("agent_key.pub"))
        << "command=\"PATH=/nonexistent; $SSH_ORIGINAL_COMMAND\",restrict " << read(file("bare_key.pub"));
    std::ofstream(site() + "/asound.conf") << "pcm.!default { type asym\n"
                                              "  playback.pcm { type file slave.pcm { type null } file \""
                                           << played()
                                           << "\" format \"raw\" }\n"
                                              "  capture.pcm { type null } }\n";
    std::ofstream(file("sshd_config")) << "Port " << port_ << "\nListenAddress 127.0.0.1\n"
                                       << "HostKey " << file("host_key") << "\n"
                                       << "AuthorizedKeysFile " << file("authorized_keys") << "\n"
                                       << "PasswordAuthentication no\nKbdInteractiveAuthentication no\n"
                                       << "UsePAM no\nStrictModes no\nPidFile " << file("sshd.pid") << "\n"
                                       << "SetEnv TONALIS_SETTINGS_DIR=" << site()
                                       << " ALSA_CONFIG_PATH=" << site() << "/asound.conf LANGUAGE=en\n";
    std::ofstream(file("known_hosts"));
    const QString sshd = "/usr/sbin/sshd -D -e -f " + QString::fromStdString(file("sshd_config"));
    process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process_.setProcessChannelMode(QProcess::MergedChannels);
    // As root, sshd needs /run/sshd: a /run of its own, in a mount namespace
    // of its own, leaves the machine's alone.
    if (::geteuid() != 0 || std::filesystem::is_directory("/run/sshd"))
      process_.start("sh", {"-c", "exec " + sshd});
    else if (QProcess::execute("unshare", {"-m", "true"}) == 0)
      process_.start("unshare", {"-m", "sh", "-c", "mount -t tmpfs none /run && mkdir -m 755 /run/sshd && exec " + sshd});
    else {
      missing_ = "sshd as root needs /run/sshd, and this machine allows no mount namespace to make one in";
      return;
    }
    process_.waitForStarted(5000);
    for (int i = 0; i < 100 && running(); ++i) {
      QTcpSocket probe;
      probe.connectToHost("127.0.0.1", static_cast<quint16>(port_));
      if (probe.waitForConnected(100)) return;
      QThread::msleep(50);
    }
  }
  ~Sshd() {
    process_.terminate();
    if (!process_.waitForFinished(3000)) process_.kill();
    process_.waitForFinished(3000);
  }

  bool running() const { return process_.state() == QProcess::Running; }
  // Why no server could be started here (a test is then skipped), or empty.
  const std::string& missing() const { return missing_; }
  std::string output() { return process_.readAll().toStdString(); }
  std::string address() const { return "ssh://127.0.0.1:" + std::to_string(port_); }
  std::string site() const { return dir_ + "/site"; }
  std::string played() const { return site() + "/played.raw"; }
  // TONALIS_SSH for a caller with this key, knowing the hosts it was told of.
  std::string sshCommand(const char* key = "agent_key") const {
    return "ssh -F /dev/null -o UserKnownHostsFile=" + file("known_hosts") + " -o IdentitiesOnly=yes -i " + file(key);
  }
  void trust() const {
    std::ofstream(file("known_hosts")) << "[127.0.0.1]:" << port_ << ' ' << read(file("host_key.pub"));
  }

 private:
  std::string file(const char* name) const { return dir_ + "/" + name; }
  static std::string read(const std::string& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  static void keygen(const std::string& path) {
    QProcess::execute("ssh-keygen", {"-q", "-t", "ed25519", "-N", "", "-f", QString::fromStdString(path)});
  }

  std::string dir_;
  std::string missing_;
  int port_;
  QProcess process_;
};

}  // namespace tonalis::testing
