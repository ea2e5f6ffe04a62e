// SPDX-License-Identifier: GPL-3.0-or-later
// READ and PROGRAM of a board at a site: the simulated board behind Debian's
// ser2net, as a site exports its serial port, reached over loopback.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <filesystem>

#include "config/decoder_image.h"
#include "storage/config_file.h"
#include "support/board_sim_process.h"
#include "support/delaying_proxy.h"
#include "support/examples.h"
#include "support/free_port.h"
#include "support/run_cli.h"
#include "support/ser2net.h"
#include "support/test_files.h"

namespace tonalis {
namespace {

using namespace std::chrono_literals;
using testing::BoardSimProcess;
using testing::DelayingProxy;
using testing::ReadAll;
using testing::RunCli;
using testing::Ser2net;
using testing::TempDir;

QString Q(const std::string& s) { return QString::fromStdString(s); }

ConfigFileContent Example() {
  ConfigFileContent f;
  f.config = testing::WorkedExample();
  f.config.txtMem[5] = "5A";
  f.config.txtCallID = "IZ1";
  return f;
}

Bytes Cat(const Bytes& a, const Bytes& b) {
  Bytes out = a;
  out.insert(out.end(), b.begin(), b.end());
  return out;
}

// Whether the board received `pattern` whole, in one run of bytes.
bool BoardReceived(const BoardSimProcess& board, const Bytes& pattern) {
  const Bytes received = board.received();
  return std::search(received.begin(), received.end(), pattern.begin(), pattern.end()) != received.end();
}

struct LinkCase {
  const char* what;
  bool rfc2217;
  int delayMs;  // each way, 0: none
};
class Ser2netLink : public ::testing::TestWithParam<LinkCase> {};

TEST_P(Ser2netLink, ReadAndProgramByteForByte) {
  const LinkCase& c = GetParam();
  {
    TempDir dir;
    BoardSimProcess board(dir.path().string());
    Ser2net server(board.device(), dir.path().string());
    ASSERT_TRUE(server.running()) << server.output();
    std::unique_ptr<DelayingProxy> proxy;
    std::string port = c.rfc2217 ? server.rfc2217() : server.raw();
    if (c.delayMs > 0) {
      proxy = std::make_unique<DelayingProxy>(c.rfc2217 ? server.telnetPort() : server.rawPort(),
                                              std::chrono::milliseconds(c.delayMs));
      port = std::string(c.rfc2217 ? "rfc2217" : "socket") + "://127.0.0.1:" + std::to_string(proxy->port());
    }

    const std::string prg = dir.file("new.prg");
    ASSERT_FALSE(WriteConfigFile(prg, Example()));
    const std::string trace = dir.file("trace.txt");
    const auto program = RunCli({"program", Q(prg), "--port", Q(port), "--trace", Q(trace)});
    EXPECT_EQ(program.exitCode, 0) << program.out << program.err;
    EXPECT_EQ(program.out, "Quorvantelix v3.0 detected.\nSending data on " + port +
                               ".....\nQuorvantelix v3.0 successfully programmed\n");
    // Each block reached the board as it left here: every FF in it once.
    const auto blocks = ImageBlocks(ValidateAndEncode(Example().config).image);
    EXPECT_TRUE(BoardReceived(board, Cat(kWriteHeader, Bytes(blocks[0].begin(), blocks[0].end()))));
    for (const auto& block : blocks) EXPECT_TRUE(BoardReceived(board, Bytes(block.begin(), block.end())));
    // The trace holds the board's bytes as they are, not as the wire had them.
    EXPECT_NE(ReadAll(trace).find("RX FF AA 51 75 6F"), std::string::npos) << ReadAll(trace);

    // ser2net lets go of the line a moment after the client closes.
    QThread::msleep(static_cast<unsigned long>(100 + 2 * c.delayMs));
    const std::string back = dir.file("back.prg");
    const auto read = RunCli({"read", "--port", Q(port), "-o", Q(back)});
    EXPECT_EQ(read.exitCode, 0) << read.out << read.err;
    ConfigFileContent expected;
    expected.config = DecodeImage(ValidateAndEncode(Example().config).image);
    EXPECT_EQ(ReadAll(back), FormatConfigFile(expected));
    // The session ended at the board, though the connection closed at once.
    auto ended = [&board] {
      const Bytes received = board.received();
      return received.size() >= 2 && Bytes(received.end() - 2, received.end()) == kEndSession;
    };
    for (int i = 0; i < 40 && !ended(); ++i) QThread::msleep(50);
    EXPECT_TRUE(ended());
  }
}

INSTANTIATE_TEST_SUITE_P(Kinds, Ser2netLink,
                         // 250 ms each way: the board's data (0.4 s on the line) arrives past the local wait.
                         ::testing::Values(LinkCase{"Rfc2217", true, 0}, LinkCase{"Socket", false, 0},
                                           LinkCase{"Rfc2217_150msEachWay", true, 150},
                                           LinkCase{"Socket_250msEachWay", false, 250}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(Ser2net, APortNumberMappedToASite) {
  TempDir dir;
  BoardSimProcess board(dir.path().string());
  Ser2net server(board.device(), dir.path().string());
  ASSERT_TRUE(server.running()) << server.output();
  const std::string settings = dir.file("settings");
  std::filesystem::create_directories(settings);
  testing::WriteAll(settings + "/ports.ini", "COM7=" + server.rfc2217() + "\n");
  qputenv("TONALIS_SETTINGS_DIR", QByteArray::fromStdString(settings));
  const auto identify = RunCli({"identify", "--port", "7"});
  qunsetenv("TONALIS_SETTINGS_DIR");
  EXPECT_EQ(identify.exitCode, 0) << identify.err;
  EXPECT_EQ(identify.out, "Quorvantelix v3.0 detected.\n");
}

TEST(Ser2net, Ser2netKilledInTheMiddle) {
  struct Case {
    const char* command;
    int killAfterMs;  // into the exchange: the read's data wait, the program's blocks
    const char* said;
  };
  for (const Case& c : {Case{"read", 700, ""},
                        Case{"program", 1500,
                             "The board may now hold part or all of the new configuration, not verified: read it, "
                             "or program it again, once the port is back."}}) {
    SCOPED_TRACE(c.command);
    TempDir dir;
    BoardSimProcess board(dir.path().string());
    Ser2net server(board.device(), dir.path().string());
    ASSERT_TRUE(server.running()) << server.output();
    const std::string prg = dir.file("new.prg");
    ASSERT_FALSE(WriteConfigFile(prg, Example()));
    QStringList args = {c.command, "--port", Q(server.rfc2217())};
    if (std::string(c.command) == "program") args.insert(1, Q(prg));
    QProcess cli;
    cli.setProcessEnvironment(testing::ProgramEnvironment());
    cli.start(TONALIS_CLI, args);
    ASSERT_TRUE(cli.waitForStarted(5000));
    QThread::msleep(static_cast<unsigned long>(c.killAfterMs));
    ASSERT_EQ(cli.state(), QProcess::Running) << "still in the exchange";
    QElapsedTimer clock;
    clock.start();
    server.kill();
    ASSERT_TRUE(cli.waitForFinished(5000)) << "a hang";
    EXPECT_LT(clock.elapsed(), 1500) << "it fails at once";
    EXPECT_EQ(cli.exitCode(), 1);
    const std::string err = cli.readAllStandardError().toStdString();
    const std::string out = cli.readAllStandardOutput().toStdString();
    EXPECT_EQ(out.find("successfully"), std::string::npos) << out;
    EXPECT_NE(err.find("The connection to " + server.rfc2217() + " was lost: the serial server at 127.0.0.1:" +
                       std::to_string(server.telnetPort()) + " closed the connection."),
              std::string::npos)
        << err;
    EXPECT_NE(err.find(c.said), std::string::npos) << err;
  }
}

TEST(Ser2net, RefusalsInWords) {
  TempDir dir;
  BoardSimProcess board(dir.path().string());
  Ser2net server(board.device(), dir.path().string());
  ASSERT_TRUE(server.running()) << server.output();
  const std::string nobody = "127.0.0.1:" + std::to_string(testing::FreePort());
  struct Case {
    QStringList args;
    int exit;
    std::string errPart;
  };
  const Case cases[] = {
      {{"read", "--port", Q("rfc2217://" + nobody)}, 1,
       "Not able to open rfc2217://" + nobody + ": Cannot connect to " + nobody + ": connection refused"},
      {{"identify", "--port", "rfc2217://nosuchhost.invalid:2001"}, 1,
       "Not able to open rfc2217://nosuchhost.invalid:2001: Cannot connect to nosuchhost.invalid:2001: "},
      {{"identify", "--port", "rfc2217://site-pi.lan"}, 2,
       "rfc2217://site-pi.lan is not a network port: write rfc2217://HOST:PORT or socket://HOST:PORT"},
      {{"ptt-test", "--ptt", Q(server.rfc2217()), "--seconds", "1"}, 1,
       "a port reached over the network cannot key a transmitter"},
  };
  for (const auto& c : cases) {
    const auto run = RunCli(c.args, 15000);
    EXPECT_FALSE(run.crashed) << c.args.join(' ').toStdString();
    EXPECT_EQ(run.exitCode, c.exit) << c.args.join(' ').toStdString() << "\n" << run.out << run.err;
    EXPECT_NE(run.err.find(c.errPart), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace tonalis
