// SPDX-License-Identifier: GPL-3.0-or-later
// The rig through a running rigctld, in its own text protocol ("T 1",
// answered "RPRT 0"): Hamlib itself is not part of the Windows build, so CAT
// straight to the rig is not either.
#include <QTcpSocket>
#include <chrono>
#include <thread>

#include "radio/rig_connection.h"

#include "i18n/language.h"

namespace tonalis {
namespace {

// As long as Hamlib waits for a rig.
constexpr int kTimeoutMs = 1500;
constexpr int kReconnectPauseMs = 50;

// Hamlib's words for its error codes, as rigctld sends them (RPRT -n).
std::string HamlibWords(int code) {
  static const char* const kWords[] = {"Command completed successfully",
                                       "Invalid parameter",
                                       "Invalid configuration",
                                       "Memory shortage",
                                       "Feature not implemented",
                                       "Communication timed out",
                                       "IO error",
                                       "Internal Hamlib error",
                                       "Protocol error",
                                       "Command rejected by the rig",
                                       "Command performed, but arg truncated",
                                       "Function not available",
                                       "VFO not targetable",
                                       "Error talking on the bus",
                                       "Collision on the bus",
                                       "NULL RIG handle or invalid pointer parameter",
                                       "Invalid VFO",
                                       "Argument out of domain of func"};
  const int n = code < 0 ? -code : code;
  if (n < static_cast<int>(sizeof kWords / sizeof *kWords)) return kWords[n];
  return "error " + std::to_string(code);
}

class RigctldConnection : public RigConnection {
 public:
  explicit RigctldConnection(std::unique_ptr<QTcpSocket> socket) : socket_(std::move(socket)) {}
  ~RigctldConnection() override {
    socket_->disconnectFromHost();
    if (socket_->state() != QAbstractSocket::UnconnectedState) socket_->waitForDisconnected(kTimeoutMs);
  }
  Answer setPtt(bool on) override {
    socket_->write(on ? "T 1\n" : "T 0\n");
    if (!socket_->waitForBytesWritten(kTimeoutMs)) return {false, HamlibWords(5), false};
    QByteArray line;
    while (!line.endsWith('\n')) {
      if (!socket_->canReadLine() && !socket_->waitForReadyRead(kTimeoutMs)) return {false, HamlibWords(5), false};
      if (socket_->canReadLine()) line = socket_->readLine();
      else if (socket_->bytesAvailable() > 200) break;  // no line at all: garbled
    }
    const QByteArray answer = line.trimmed();
    bool number = false;
    const int code = answer.startsWith("RPRT ") ? answer.mid(5).toInt(&number) : 0;
    if (!number) return {false, HamlibWords(8), false};  // garbled: a protocol error
    if (code == 0) return {true, {}, false};
    return {false, HamlibWords(code), code == -1};
  }

 private:
  std::unique_ptr<QTcpSocket> socket_;
};

}  // namespace

constexpr const char* kNoCat = TONALIS_TEXT(
    "CAT through Hamlib is not part of the Windows build: run rigctld (Hamlib for Windows) for the rig and choose "
    "rigctld in the Station setup.");
constexpr const char* kRigctldSilent = TONALIS_TEXT("rigctld does not answer at %1 (%2). Is it running?");

void SetRigLibraryVerbose(bool) {}

std::unique_ptr<RigConnection> ConnectRig(const PttChoice& choice, std::string& failure) {
  if (choice.method != PttMethod::Rigctld) {
    failure = TrStd(kNoCat);
    return nullptr;
  }
  const std::string path = choice.rigctldHost + ":" + std::to_string(choice.rigctldPort);
  for (int attempt = 0; attempt < 2; ++attempt) {
    auto socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(QString::fromStdString(choice.rigctldHost), static_cast<quint16>(choice.rigctldPort));
    if (socket->waitForConnected(kTimeoutMs)) return std::make_unique<RigctldConnection>(std::move(socket));
    failure = Fill(TrStd(kRigctldSilent), {path, socket->errorString().toStdString()});
    // As with Hamlib's own client: one more try after a short pause.
    std::this_thread::sleep_for(std::chrono::milliseconds(kReconnectPauseMs));
  }
  return nullptr;
}

std::vector<RigModel> HamlibRigModels() { return {}; }

}  // namespace tonalis
