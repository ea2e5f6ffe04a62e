// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/board_link.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <sstream>

#include "link/port_lookup.h"
#include "link/serial_trace.h"
#include "support/board_sim_process.h"
#include "support/examples.h"
#include "support/recording.h"
#include "support/test_files.h"

namespace tonalis {
namespace {

using testing::BoardSimProcess;
using testing::RecordingMessages;
using testing::RecordingProgress;
using testing::TempDir;

const std::string kDetected = "Quorvantelix v3.0 detected.";
const std::string kReadVersionFailed = "FAILED to read version! Please Check Connections / Decoder";
const std::string kReadDataFailed = "FAILED to read data!  Please check Connections / Decoder";
const std::string kProgramVersionFailed = "FAILED to get Version!  Unable to program, please check Decoder";
const std::string kProgramDataFailed = "FAILED to read data!  Unable to program, please check Decoder";

DecoderImage WorkedExampleImage() { return ValidateAndEncode(testing::WorkedExample()).image; }

// Index of the first occurrence of `pattern` in what the board received, at or after `from`.
std::size_t Find(const std::vector<BoardSimProcess::LoggedByte>& log, const Bytes& pattern, std::size_t from = 0) {
  for (std::size_t i = from; i + pattern.size() <= log.size(); ++i) {
    bool match = true;
    for (std::size_t k = 0; k < pattern.size() && match; ++k)
      match = log[i + k].received && log[i + k].value == pattern[k];
    if (match) return i;
  }
  return log.size();
}

// The time of the last byte the board sent before log entry `index`.
double LastSentBefore(const std::vector<BoardSimProcess::LoggedByte>& log, std::size_t index) {
  double t = -1;
  for (std::size_t i = 0; i < index; ++i)
    if (!log[i].received) t = log[i].time;
  return t;
}

// The pauses the board relies on: never shorter (a board still busy would
// lose bytes; the log's clock allows a little), and longer only by what a
// busy machine adds, which harms nothing.
constexpr double kEarly = 0.002;
constexpr double kLate = 0.100;
void ExpectPause(double seconds, double expected, const char* what) {
  EXPECT_GE(seconds, expected - kEarly) << what << " came early";
  EXPECT_LE(seconds, expected + kLate) << what;
}

class BoardLinkTest : public ::testing::Test {
 protected:
  void startBoard(const QStringList& extra = {}) {
    // The one before goes first: it removes its link when it stops.
    link_.reset();
    sim_.reset();
    sim_ = std::make_unique<BoardSimProcess>(dir_.path().string(), extra);
    ASSERT_FALSE(sim_->device().empty()) << "the simulated board did not start";
    link_ = std::make_unique<BoardLink>(progress_, messages_, [this](int) { return sim_->link(); });
    QObject::connect(link_.get(), &BoardLink::configurationRead, [this](const DecoderConfig& c) { read_ = c; });
  }

  // Ticks "Enable" and waits for the board's banner to settle.
  void enable() {
    link_->setProgrammingTicked(true, "1");
    ASSERT_TRUE(link_->portOpen());
    QTest::qWait(150);
  }

  // Runs READ or PROGRAM to its end; the result and whether it ended at all.
  std::optional<bool> run(const std::function<void()>& start) {
    QSignalSpy finished(link_.get(), &BoardLink::exchangeFinished);
    start();
    if (!finished.wait(8000)) return std::nullopt;
    return finished.first().first().toBool();
  }
  std::optional<bool> read() {
    return run([this] { link_->readBoard(); });
  }
  std::optional<bool> program(const DecoderImage& image) {
    return run([this, image] { link_->programBoard(image); });
  }

  TempDir dir_;
  RecordingProgress progress_;
  RecordingMessages messages_;
  std::unique_ptr<BoardSimProcess> sim_;
  std::unique_ptr<BoardLink> link_;
  std::optional<DecoderConfig> read_;
};

TEST_F(BoardLinkTest, EnablingIdentifiesAndDisablingEndsTheSession) {
  startBoard();
  EXPECT_FALSE(link_->controls().cmdReadEnabled);
  enable();
  EXPECT_EQ(progress_.text, kDetected);
  EXPECT_TRUE(progress_.ok);
  EXPECT_GE(progress_.shown, 1);
  const auto on = link_->controls();
  EXPECT_TRUE(on.chkPrg && on.cmdReadEnabled && on.cmdSendEnabled && !on.txtPrgCommEnabled);

  link_->setProgrammingTicked(false, "1");
  QTest::qWait(100);
  const auto off = link_->controls();
  EXPECT_TRUE(!off.chkPrg && !off.cmdReadEnabled && !off.cmdSendEnabled && off.txtPrgCommEnabled);
  EXPECT_EQ(sim_->received(), (Bytes{0xFF, 0xCC, 0xFF, 0x99}));
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(BoardLinkTest, WrongVersionIsAnnouncedInRed) {
  startBoard({"--fault", "wrong-banner"});
  enable();
  EXPECT_EQ(progress_.text, "Wrong version detected: Quorvantelix v2.9\r\nUse Quorvantelix v3.0 !");
  EXPECT_EQ(progress_.colour, ProgressView::Colour::Red);
}

TEST_F(BoardLinkTest, ReadFillsTheConfigurationWithTheSpecifiedPauses) {
  const std::string imageFile = dir_.file("board.bin");
  const DecoderImage image = WorkedExampleImage();
  testing::WriteAll(imageFile, std::string(image.begin(), image.end()));
  startBoard({"--image", QString::fromStdString(imageFile)});
  enable();
  progress_.history.clear();

  ASSERT_EQ(read(), true);
  ASSERT_TRUE(read_);
  EXPECT_EQ(*read_, DecodeImage(image));
  EXPECT_EQ(progress_.history,
            (std::vector<std::string>{"\r\nReading Data.", "\r\nReading Data..", "\r\nReading Data...",
                                      "Data from Quorvantelix v3.0 successfully read"}));
  EXPECT_TRUE(link_->controls().cmdReadEnabled);

  const auto log = sim_->bytes();
  const std::size_t readRequest = Find(log, kReadRequest);
  ASSERT_LT(readRequest, log.size());
  ExpectPause(log[readRequest].time - LastSentBefore(log, readRequest), 0.200, "read request");
}

TEST_F(BoardLinkTest, ProgramWritesFourPacedBlocksAndVerifies) {
  const std::string imageFile = dir_.file("board.bin");
  startBoard({"--image", QString::fromStdString(imageFile)});
  enable();
  progress_.history.clear();
  const DecoderImage image = WorkedExampleImage();
  // The pauses are timed where the tool writes (the simulator may be slow to
  // look under load, which would shorten them in its own log).
  std::ostringstream traced;
  SerialTrace trace(traced);
  link_->setTrace(&trace);

  ASSERT_EQ(program(image), true);
  link_->setTrace(nullptr);
  EXPECT_EQ(progress_.text, "Quorvantelix v3.0 successfully programmed");
  EXPECT_EQ(progress_.history.front(), "\r\nSending data on COM1.");
  EXPECT_EQ(progress_.history[progress_.history.size() - 2], "\r\nSending data on COM1.....");
  EXPECT_EQ(testing::ReadAll(imageFile), std::string(image.begin(), image.end()));

  const auto log = sim_->bytes();
  const auto blocks = ImageBlocks(image);
  const std::size_t header = Find(log, kWriteHeader, Find(log, kIdentifyRequest, 2));
  ASSERT_LT(header, log.size());
  std::vector<double> starts;
  for (std::size_t k = 0; k < kBlockCount; ++k) {
    const std::size_t at = header + 2 + k * blocks[k].size();
    ASSERT_LT(at + blocks[k].size(), log.size());
    for (std::size_t i = 0; i < blocks[k].size(); ++i) ASSERT_EQ(log[at + i].value, blocks[k][i]) << k << ":" << i;
    starts.push_back(log[at].time);
  }
  const std::size_t readBack = Find(log, kReadRequest, header);
  ASSERT_LT(readBack, log.size());

  // The trace: "SECONDS TX|RX HEX" a line; every write is one TX line.
  std::vector<std::pair<double, std::string>> lines;  // time, "TX" or "RX"
  std::istringstream in(traced.str());
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    double t = 0;
    std::string tag;
    if (words >> t >> tag && (tag == "TX" || tag == "RX")) lines.emplace_back(t, tag);
  }
  std::vector<double> writes;
  double lastAnswer = -1;  // the banner before the header
  for (const auto& [t, tag] : lines) {
    if (tag == "RX" && writes.size() <= 1) lastAnswer = t;
    if (tag == "TX") writes.push_back(t);
  }
  // Identify, header, block 0, blocks 1-3, read request.
  ASSERT_GE(writes.size(), 7u) << traced.str();
  ExpectPause(writes[1] - lastAnswer, 0.010, "write header");
  for (std::size_t k = 3; k < 6; ++k) ExpectPause(writes[k] - writes[k - 1], 0.480, "block");
  ExpectPause(writes[6] - writes[5], 0.480 + 0.100, "read-back request");
}

TEST_F(BoardLinkTest, AnswersJustInsideTheWaitsCountAndJustOutsideDoNot) {
  // At 4800 baud the banner frame takes 46 ms and the data frame 406 ms, on
  // top of the board's delay; the tool waits 100 ms for the one and 768 ms
  // for the other.
  struct Case {
    int bannerDelayMs;
    int dataDelayMs;
    bool read;
    std::string message;
  };
  const Case cases[] = {
      {20, 5, true, "Data from Quorvantelix v3.0 successfully read"},  // banner complete at ~70 ms
      {120, 5, false, kReadVersionFailed},                             // ... at ~170 ms
      {5, 250, true, "Data from Quorvantelix v3.0 successfully read"},  // data complete at ~660 ms
      // Late by a margin a busy machine's timers keep (a timer served after
      // the data had come would take data a little late: harmless).
      {5, 520, false, kReadDataFailed},                                 // ... at ~930 ms
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("banner after " + std::to_string(c.bannerDelayMs) + " ms, data after " +
                 std::to_string(c.dataDelayMs) + " ms");
    startBoard({"--banner-delay-ms", QString::number(c.bannerDelayMs), "--data-delay-ms",
                QString::number(c.dataDelayMs)});
    enable();
    QTest::qWait(100);
    EXPECT_EQ(read(), c.read);
    EXPECT_EQ(progress_.text, c.message);
    link_->shutdown();
  }
}

TEST_F(BoardLinkTest, NulBytesAreDroppedOutsideTheDataWindow) {
  // The image itself holds 0x00 bytes (the call's end mark): those are kept.
  const std::string imageFile = dir_.file("board.bin");
  const DecoderImage image = WorkedExampleImage();
  testing::WriteAll(imageFile, std::string(image.begin(), image.end()));
  startBoard({"--fault", "nul-in-banner", "--image", QString::fromStdString(imageFile)});
  enable();
  EXPECT_EQ(progress_.text, kDetected);
  ASSERT_EQ(read(), true) << progress_.text;
  EXPECT_EQ(link_->readImage(), image);
}

TEST_F(BoardLinkTest, OneExchangeAtATime) {
  startBoard();
  enable();
  const auto count = [this](const Bytes& pattern) {
    const Bytes r = sim_->received();
    int n = 0;
    for (auto it = r.begin(); (it = std::search(it, r.end(), pattern.begin(), pattern.end())) != r.end(); ++it) ++n;
    return n;
  };
  const int identifies = count(kIdentifyRequest);
  QSignalSpy finished(link_.get(), &BoardLink::exchangeFinished);
  link_->readBoard();
  link_->readBoard();  // pressed again at once, during the banner wait, and while the data comes
  ASSERT_TRUE(QTest::qWaitFor([&] { return count(kIdentifyRequest) == identifies + 1; }, 5000));
  link_->readBoard();
  ASSERT_TRUE(QTest::qWaitFor([&] { return count({0xAA}) == 1; }, 5000));
  link_->readBoard();
  link_->programBoard(WorkedExampleImage());
  ASSERT_TRUE(finished.wait(5000));
  QTest::qWait(1500);
  EXPECT_EQ(finished.count(), 1);
  EXPECT_EQ(count(kIdentifyRequest), identifies + 1) << "one identify";
  EXPECT_EQ(count({0xAA}), 1) << "one read request";
  EXPECT_EQ(count(kWriteHeader), 0);
}

struct FaultCase {
  const char* fault;
  int requests;  // requests the fault lasts (enabling asks once)
  bool program;
  std::string message;
};

void PrintTo(const FaultCase& c, std::ostream* out) { *out << (c.program ? "PROGRAM " : "READ ") << c.fault; }

class BoardFaultTest : public BoardLinkTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(BoardFaultTest, FailsWithItsMessageAndTheNextReadWorks) {
  const FaultCase& c = GetParam();
  startBoard({"--fault", c.fault, "--fault-requests", QString::number(c.requests)});
  enable();
  const auto result = c.program ? program(WorkedExampleImage()) : read();
  ASSERT_EQ(result, false);
  EXPECT_EQ(progress_.text, c.message);
  EXPECT_TRUE(progress_.ok);
  EXPECT_TRUE(messages_.shown.empty());
  const auto after = link_->controls();
  EXPECT_TRUE(after.cmdReadEnabled && after.cmdSendEnabled);
  if (c.message.rfind("Error", 0) != 0) {
    // A failed exchange sends the fill; a frame that arrived but was wrong does not.
    QTest::qWait(100);
    const Bytes received = sim_->received();
    EXPECT_NE(std::search(received.begin(), received.end(), kFlushFill.begin(), kFlushFill.end()), received.end());
  }
  if (!c.program) {
    EXPECT_FALSE(read_) << "the fields are not touched";
  }

  QTest::qWait(900);  // let anything late arrive first
  read_.reset();
  EXPECT_EQ(read(), true) << progress_.text;
  EXPECT_TRUE(read_);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, BoardFaultTest,
    ::testing::Values(
        FaultCase{"no-answer", 2, false, kReadVersionFailed}, FaultCase{"wrong-banner", 2, false, kReadVersionFailed},
        FaultCase{"banner-bad-sum", 2, false, kReadVersionFailed},
        FaultCase{"late-banner", 2, false, kReadVersionFailed},
        FaultCase{"data-bad-sum", 3, false, "Error reading data from Quorvantelix v3.0"},
        FaultCase{"data-out-of-range", 3, false, kReadDataFailed}, FaultCase{"late-data", 3, false, kReadDataFailed},
        FaultCase{"no-answer", 2, true, kProgramVersionFailed},
        FaultCase{"wrong-banner", 2, true, kProgramVersionFailed}, FaultCase{"late-data", 4, true, kProgramDataFailed},
        FaultCase{"data-bad-sum", 4, true, "Error reading data from Quorvantelix v3.0"},
        FaultCase{"readback-differs", 4, true, "Error programming Quorvantelix v3.0"}),
    [](const auto& info) {
      std::string name = std::string(info.param.program ? "Program_" : "Read_") + info.param.fault;
      std::replace(name.begin(), name.end(), '-', '_');
      return name;
    });

TEST_F(BoardLinkTest, ABoardThatVanishesEndsTheExchangeOnce) {
  struct Case {
    const char* fault;
    bool program;
    const char* title;
  };
  for (const Case& c : {Case{"vanish-after-block=1", true, "COM1"}, Case{"vanish-on-read", false, "Tonalis"},
                        Case{"vanish-on-identify", false, "Tonalis"}}) {
    SCOPED_TRACE(c.fault);
    messages_.shown.clear();
    startBoard({"--fault", c.fault, "--fault-requests", "1000"});
    // A PTT keyed another way (CM108, CAT, rigctld) is not this port's.
    link_->setPttUsesPort(false);
    link_->setPttTicked(true, "1");
    link_->setProgrammingTicked(true, "1");
    if (std::string(c.fault) == "vanish-on-identify") {
      // Enabling already asks the board to identify.
      ASSERT_TRUE(QTest::qWaitFor([&] { return !link_->portOpen(); }, 3000));
      EXPECT_EQ(messages_.shown.size(), 1u);
      continue;
    }
    QTest::qWait(150);
    const auto result = c.program ? program(WorkedExampleImage()) : read();
    ASSERT_EQ(result, false);
    QTest::qWait(200);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].title, c.title);
    EXPECT_EQ(messages_.shown[0].text.rfind("The connection to COM1 was lost", 0), 0u) << messages_.shown[0].text;
    // After a block went out, the board may hold some of it: never "unchanged".
    if (c.program) {
      EXPECT_NE(messages_.shown[0].text.find("\r\nThe board may now hold part or all of the new configuration"),
                std::string::npos);
    }
    const auto after = link_->controls();
    EXPECT_TRUE(!after.chkPrg && !after.cmdReadEnabled && !after.cmdSendEnabled && after.txtPrgCommEnabled);
    EXPECT_TRUE(after.chkPtt) << "sends stay keyed";
    EXPECT_FALSE(link_->portOpen());
    link_->setPttTicked(false, "1");
  }
}

TEST_F(BoardLinkTest, ClosingThePortStopsARunningExchange) {
  startBoard();
  enable();
  QSignalSpy finished(link_.get(), &BoardLink::exchangeFinished);
  link_->readBoard();
  QTest::qWait(250);
  link_->setProgrammingTicked(false, "1");
  ASSERT_TRUE(finished.count() == 1 || finished.wait(1000));
  EXPECT_FALSE(finished.first().first().toBool());
  EXPECT_EQ(progress_.text, "Stopped: the port was closed before the exchange ended.");
  QTest::qWait(100);
  const Bytes received = sim_->received();
  EXPECT_EQ(Bytes(received.end() - 2, received.end()), kEndSession);
}

TEST_F(BoardLinkTest, APortInUseElsewhereIsSaidSo) {
  startBoard();
  enable();
  RecordingMessages other;
  BoardLink second(progress_, other, [this](int) { return sim_->link(); });
  second.setProgrammingTicked(true, "1");
  EXPECT_FALSE(second.portOpen());
  ASSERT_EQ(other.shown.size(), 1u);
  EXPECT_NE(other.shown[0].text.find("in use by another program"), std::string::npos) << other.shown[0].text;
}

TEST_F(BoardLinkTest, PortChoiceAndMutualExclusion) {
  startBoard();
  // Invalid numbers: the box stays ticked, nothing opens or goes out.
  for (const char* text : {"0", "17", "", "x"}) {
    messages_.shown.clear();
    link_->setProgrammingTicked(true, text);
    ASSERT_EQ(messages_.shown.size(), 1u) << text;
    EXPECT_EQ(messages_.shown[0],
              (UserMessage{"Warning", "Please enter a valid Comm number.", UserMessage::Icon::None}));
    EXPECT_TRUE(link_->controls().chkPrg);
    EXPECT_FALSE(link_->controls().cmdReadEnabled);
    link_->setProgrammingTicked(false, text);
    EXPECT_FALSE(link_->controls().chkPrg);
  }
  QTest::qWait(50);
  EXPECT_TRUE(sim_->received().empty());

  // A port that is not there.
  messages_.shown.clear();
  BoardLink missing(progress_, messages_, [](int) { return std::string("/dev/tonalis-no-such-port"); });
  missing.setProgrammingTicked(true, "5");
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text.rfind("Not able to open COM5\r\n/dev/tonalis-no-such-port: ", 0), 0u);
  EXPECT_EQ(messages_.shown[0].icon, UserMessage::Icon::Information);
  EXPECT_FALSE(missing.controls().chkPrg);
  EXPECT_TRUE(missing.controls().txtPrgCommEnabled);

  // Programming, then PTT on the same port: the session ends first.
  enable();
  link_->setPttTicked(true, "1");
  QTest::qWait(50);
  auto c = link_->controls();
  EXPECT_TRUE(c.chkPtt && !c.chkPrg && !c.cmdReadEnabled && c.txtPrgCommEnabled && !c.txtPttComEnabled);
  EXPECT_TRUE(link_->portOpen());
  EXPECT_EQ(sim_->received(), (Bytes{0xFF, 0xCC, 0xFF, 0x99}));

  // A pseudo-terminal has no RTS line: keying fails, and says so once.
  messages_.shown.clear();
  EXPECT_FALSE(link_->keySerialLine(true));
  EXPECT_FALSE(link_->keySerialLine(true));
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text.rfind("Cannot key the transmitter: COM1 cannot drive its RTS line.", 0), 0u);

  // Back to programming: the PTT port closes silently, FF CC goes out.
  link_->setProgrammingTicked(true, "1");
  QTest::qWait(150);
  c = link_->controls();
  EXPECT_TRUE(c.chkPrg && !c.chkPtt && c.cmdReadEnabled && c.txtPttComEnabled);
  EXPECT_EQ(sim_->received(), (Bytes{0xFF, 0xCC, 0xFF, 0x99, 0xFF, 0xCC}));

  // At exit the session ends before the port closes.
  link_->shutdown();
  QTest::qWait(100);
  EXPECT_FALSE(link_->portOpen());
  EXPECT_EQ(sim_->received(), (Bytes{0xFF, 0xCC, 0xFF, 0x99, 0xFF, 0xCC, 0xFF, 0x99}));

  // Lines of ports.ini it does not understand are said once, where a port is
  // opened, and the lines it does understand still apply.
  messages_.shown.clear();
  testing::WriteAll(dir_.file("ports.ini"), "\xEF\xBB\xBF" "COM2=" + sim_->link() + "\nCOM3=\"/dev/ttyUSB0\" radio\n");
  BoardLink mapped(progress_, messages_, [this](int n) { return PortFromPortsIni(dir_.path().string(), n); });
  for (int twice = 0; twice < 2; ++twice) {
    mapped.setProgrammingTicked(true, "2");
    EXPECT_TRUE(mapped.portOpen());
    mapped.setProgrammingTicked(false, "2");
  }
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text,
            "Some lines of ports.ini are not understood and are ignored:\r\n"
            "line 2: COM3=\"/dev/ttyUSB0\" radio (text after the quoted device path)");

  // A ports.ini that cannot be read maps no port, not even to the system's default.
  std::filesystem::remove(dir_.file("ports.ini"));
  ASSERT_EQ(::mkfifo(dir_.file("ports.ini").c_str(), 0600), 0);
  const BoardLink::PortTarget unread = PortFromPortsIni(dir_.path().string(), 1);
  EXPECT_EQ(unread.device, "");
  EXPECT_EQ(unread.refused.rfind("COM1 cannot be opened: ports.ini cannot be read (", 0), 0u) << unread.refused;
  EXPECT_EQ(unread.refused.find(".)"), std::string::npos) << "one full stop: " << unread.refused;
}

TEST_F(BoardLinkTest, TheChosenLineKeysAtItsLevel) {
  // A pseudo-terminal has no modem lines: the calls the port would get are recorded.
  struct Call {
    SerialLine line;
    bool asserted;
    bool operator==(const Call& o) const { return line == o.line && asserted == o.asserted; }
  };
  struct Case {
    SerialLine line;
    bool invert;
    std::vector<Call> opening, keying, releasing;
  };
  const Case cases[] = {
      {SerialLine::Rts, false, {}, {{SerialLine::Rts, true}}, {{SerialLine::Rts, false}}},
      {SerialLine::Dtr, false, {}, {{SerialLine::Dtr, true}}, {{SerialLine::Dtr, false}}},
      // Inverted: high at rest from the moment the port opens, low to transmit.
      {SerialLine::Rts, true, {{SerialLine::Rts, true}}, {{SerialLine::Rts, false}}, {{SerialLine::Rts, true}}},
      {SerialLine::Dtr, true, {{SerialLine::Dtr, true}}, {{SerialLine::Dtr, false}}, {{SerialLine::Dtr, true}}},
  };
  startBoard();
  for (const auto& c : cases) {
    std::vector<Call> calls;
    link_->setLineDriver([&calls](SerialLine line, bool asserted, QString*) {
      calls.push_back({line, asserted});
      return true;
    });
    link_->setPttLine(c.line, c.invert);
    link_->setPttTicked(true, "1");
    EXPECT_TRUE(calls == c.opening);
    calls.clear();
    link_->setPtt(true, {});
    EXPECT_TRUE(calls == c.keying);
    calls.clear();
    link_->setPtt(false, {});
    EXPECT_TRUE(calls == c.releasing);
    link_->setPttTicked(false, "1");
  }
  EXPECT_TRUE(messages_.shown.empty());
}

TEST(PortEvents, Messages) {
  const std::pair<int, const char*> cases[] = {{1001, "Comm Break Detected"},
                                               {1004, "Comm Frame Error"},
                                               {1006, "Comm OverRun Error"},
                                               {1008, "Comm OverFlow Error"},
                                               {1009, "Comm Parity Error"},
                                               {1010, "Comm Tx Buffer Full"},
                                               {1011, "Comm Device Control Block Error"},
                                               {3, "Error no.3 on COM1"},
                                               {1002, "Error no.1002 on COM1"}};
  for (const auto& [code, text] : cases) EXPECT_EQ(PortEventMessage(code, "COM1"), text);
}

}  // namespace
}  // namespace tonalis
