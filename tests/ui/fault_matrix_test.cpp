// SPDX-License-Identifier: GPL-3.0-or-later
// Every fault the simulated board can show, at every step of READ and
// PROGRAM, through the real window. Writes the results as a table and checks
// that the table in docs/ still says the same (TONALIS_UPDATE_DOCS=1 rewrites it).
#include <gtest/gtest.h>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <fstream>
#include <sstream>

#include "support/board_sim_process.h"
#include "support/examples.h"
#include "support/recording.h"
#include "support/test_files.h"
#include "tone/portaudio_output.h"
#include "ui/main_window.h"
#include "ui/progress_dialog.h"

namespace tonalis {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

struct Case {
  const char* exchange;  // "READ" or "PROGRAM"
  const char* fault;     // as board-sim takes it
  int requests;          // how many requests the fault lasts, after the one enabling makes
  std::string message;   // in the progress dialog, or the message box for a vanished board
  bool vanishes;
};

const std::string kReadVersion = "FAILED to read version! Please Check Connections / Decoder";
const std::string kReadData = "FAILED to read data!  Please check Connections / Decoder";
const std::string kProgramVersion = "FAILED to get Version!  Unable to program, please check Decoder";
const std::string kProgramData = "FAILED to read data!  Unable to program, please check Decoder";
const std::string kBadSum = "Error reading data from Quorvantelix v3.0";
const std::string kLost = "The connection to COM1 was lost";

const Case kCases[] = {
    {"READ", "none", 0, "Data from Quorvantelix v3.0 successfully read", false},
    {"READ", "no-answer", 1, kReadVersion, false},
    {"READ", "wrong-banner", 1, kReadVersion, false},
    {"READ", "banner-bad-sum", 1, kReadVersion, false},
    {"READ", "late-banner", 1, kReadVersion, false},
    {"READ", "data-bad-sum", 2, kBadSum, false},
    {"READ", "data-out-of-range", 2, kReadData, false},
    {"READ", "late-data", 2, kReadData, false},
    {"READ", "readback-differs", 2, "Data from Quorvantelix v3.0 successfully read", false},
    {"READ", "vanish-on-identify", 1, kLost, true},
    {"READ", "vanish-on-read", 2, kLost, true},
    {"PROGRAM", "none", 0, "Quorvantelix v3.0 successfully programmed", false},
    {"PROGRAM", "no-answer", 1, kProgramVersion, false},
    {"PROGRAM", "wrong-banner", 1, kProgramVersion, false},
    {"PROGRAM", "banner-bad-sum", 1, kProgramVersion, false},
    {"PROGRAM", "late-banner", 1, kProgramVersion, false},
    {"PROGRAM", "data-bad-sum", 3, kBadSum, false},
    {"PROGRAM", "data-out-of-range", 3, kProgramData, false},
    {"PROGRAM", "late-data", 3, kProgramData, false},
    {"PROGRAM", "readback-differs", 3, "Error programming Quorvantelix v3.0", false},
    {"PROGRAM", "vanish-on-identify", 1, kLost, true},
    {"PROGRAM", "vanish-after-block=0", 2, kLost, true},
    {"PROGRAM", "vanish-after-block=1", 2, kLost, true},
    {"PROGRAM", "vanish-after-block=2", 2, kLost, true},
    {"PROGRAM", "vanish-after-block=3", 2, kLost, true},
    {"PROGRAM", "vanish-on-read", 3, kLost, true},
};

// What the window held before the exchange: not what the board holds.
DecoderConfig Before() {
  DecoderConfig c = testing::WorkedExample();
  c.txtMem[2] = "222";
  c.txtCallID = "OLD";
  return c;
}

class FaultMatrix {
 public:
  explicit FaultMatrix(const testing::TempDir& dir) : dir_(dir) {}

  std::string run(const Case& k) {
    const std::string image = dir_.file("board.bin");
    const DecoderImage boardImage = ValidateAndEncode(testing::WorkedExample()).image;
    testing::WriteAll(image, std::string(boardImage.begin(), boardImage.end()));
    QStringList args{"--image", Q(image)};
    if (std::string(k.fault) != "none")
      args << "--fault" << k.fault << "--fault-skip"
           << "1"
           << "--fault-requests" << QString::number(k.requests);
    auto board = std::make_unique<testing::BoardSimProcess>(dir_.path().string(), args);
    testing::WriteAll(dir_.file("ports.ini"), "COM1=" + board->link() + "\n");

    testing::RecordingMessages messages;
    PortAudioOutput audio;
    FrmTone window(messages, audio, Q(dir_.path().string()));
    window.show();
    const FormControls& c = window.controls();
    window.loadConfigFile(Q(WriteBefore()));
    c.chkPrg->click();
    QTest::qWait(150);
    messages.shown.clear();

    QSignalSpy finished(&window.link(), &BoardLink::exchangeFinished);
    (std::string(k.exchange) == "READ" ? c.cmdRead : c.cmdSend)->click();
    const bool ended = finished.wait(8000);
    QTest::qWait(50);
    EXPECT_TRUE(ended) << k.exchange << " " << k.fault;

    auto onScreen = [&] {
      return k.vanishes ? (messages.shown.empty() ? "" : messages.shown.front().text)
                        : S(window.dialog()->lblInfo()->text());
    };
    const std::string atEnd = onScreen();
    EXPECT_EQ(atEnd.rfind(k.message, 0), 0u) << k.exchange << " " << k.fault << ": " << atEnd;
    // What the user finally reads: a late answer may still change the dialog.
    QTest::qWait(600);
    const std::string finally = onScreen();
    const std::string shown = finally == atEnd ? Cut(atEnd) : Cut(atEnd) + ", then: " + Cut(finally);
    EXPECT_LE(messages.shown.size(), 1u) << "reported once";
    const DecoderConfig afterFailure = window.readConfig();
    const bool fieldsKept = afterFailure == Before();
    const bool fieldsRead = afterFailure == testing::WorkedExample();
    EXPECT_TRUE(fieldsKept || fieldsRead) << "never a mix";
    const bool buttonsUsable = c.cmdRead->isEnabled() && c.cmdSend->isEnabled();
    EXPECT_EQ(buttonsUsable, !k.vanishes);

    // Anything late arrives, then a clean READ (a fresh board where it vanished).
    QTest::qWait(300);
    if (k.vanishes) {
      board = std::make_unique<testing::BoardSimProcess>(dir_.path().string(), QStringList{"--image", Q(image)});
      testing::WriteAll(dir_.file("ports.ini"), "COM1=" + board->link() + "\n");
      if (c.chkPrg->isChecked()) c.chkPrg->click();
      c.chkPrg->click();
      QTest::qWait(150);
    }
    finished.clear();
    c.cmdRead->click();
    const bool readAgain = finished.wait(8000) && finished.first().first().toBool();
    EXPECT_TRUE(readAgain) << k.exchange << " " << k.fault;
    const std::string stored = testing::ReadAll(image);
    DecoderImage held{};
    std::copy(stored.begin(), stored.begin() + std::min(stored.size(), held.size()), held.begin());
    EXPECT_EQ(window.readConfig(), DecodeImage(held)) << "the fields show the board";
    window.link().shutdown();

    std::ostringstream row;
    row << "| " << k.exchange << " | " << k.fault << " | " << (k.vanishes ? "box: " : "") << shown << " | "
        << (buttonsUsable ? "usable" : "port closed") << " | " << (fieldsKept ? "kept" : "board's") << " | "
        << (readAgain ? "succeeds" : "FAILS") << " |";
    return row.str();
  }

 private:
  std::string WriteBefore() {
    const std::string path = dir_.file("before.prg");
    WriteConfigFile(path, {Before(), "1"});
    return path;
  }
  static std::string Cut(const std::string& text) {
    const auto end = text.find('\n');
    const auto colon = text.find(": ");
    std::string s = text.substr(0, end);
    if (text.rfind("The connection", 0) == 0 && colon != std::string::npos) s = text.substr(0, colon);
    return s;
  }
  const testing::TempDir& dir_;
};

TEST(FaultMatrix, EveryFaultAtEveryStep) {
  testing::TempDir dir;
  FaultMatrix matrix(dir);
  std::string table =
      "# Board faults and what the tool does\n\n"
      "Generated by the fault-matrix test (tests/ui/fault_matrix_test.cpp) against the simulated board:\n"
      "each fault at each step of READ and PROGRAM through the real window, then a clean READ. The message is\n"
      "what the dialog (or the box) says when the exchange ends, and what it says once late answers arrived.\n\n"
      "| Exchange | Fault | Message | Buttons after | Fields after | Next READ |\n"
      "|---|---|---|---|---|---|\n";
  for (const Case& k : kCases) table += matrix.run(k) + "\n";

  const std::string docs = std::string(TONALIS_SOURCE_DIR) + "/docs/fault-matrix.md";
  if (qEnvironmentVariableIsSet("TONALIS_UPDATE_DOCS")) testing::WriteAll(docs, table);
  EXPECT_EQ(testing::ReadAll(docs), table) << "docs/fault-matrix.md is out of date: run the test with "
                                              "TONALIS_UPDATE_DOCS=1";
}

}  // namespace
}  // namespace tonalis
