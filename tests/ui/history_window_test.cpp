// SPDX-License-Identifier: GPL-3.0-or-later
// The board history through the real window and the simulated board: read,
// change, program, then put the first content back from the history.
#include <gtest/gtest.h>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "support/board_sim_process.h"
#include "support/examples.h"
#include "support/recording.h"
#include "support/test_files.h"
#include "tone/portaudio_output.h"
#include "ui/history_dialog.h"
#include "ui/main_window.h"

namespace tonalis {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

DecoderImage BoardImage(const std::string& path) {
  const std::string bytes = testing::ReadAll(path);
  DecoderImage image{};
  std::copy(bytes.begin(), bytes.begin() + std::min(bytes.size(), image.size()), image.begin());
  return image;
}

TEST(HistoryWindow, AnEarlierContentGoesBackByteForByte) {
  testing::TempDir dir;
  // What the board holds: bytes the fields cannot carry (a Morse timing of
  // 61, which reads as 20 WPM, and a reserved byte) must come back too.
  DecoderImage original = ValidateAndEncode(testing::WorkedExample()).image;
  original[layout::kMorseTiming.offset] = 61;
  original[170] = 0x12;
  const std::string memory = dir.file("board.bin");
  testing::WriteAll(memory, std::string(original.begin(), original.end()));
  testing::BoardSimProcess board(dir.path().string(), {"--image", Q(memory)});
  testing::WriteAll(dir.file("ports.ini"), "COM1=" + board.link() + "\n");

  testing::RecordingMessages messages;
  PortAudioOutput audio;
  FrmTone window(messages, audio, Q(dir.path().string()));
  window.load();
  window.show();
  const FormControls& c = window.controls();
  QSignalSpy finished(&window.link(), &BoardLink::exchangeFinished);
  auto exchange = [&](QPushButton* button) {
    finished.clear();
    button->click();
    return finished.wait(8000) && finished.first().first().toBool();
  };
  c.chkPrg->click();
  QTest::qWait(200);
  ASSERT_TRUE(exchange(c.cmdRead));

  // Three changes, programmed.
  c.txtMem[3]->setText("456");
  c.txtCallID->setText("IK1XYZ");
  c.chkOutput[1]->click();
  ASSERT_TRUE(exchange(c.cmdSend));
  ASSERT_NE(BoardImage(memory), original);

  // From the history: the READ entry back into the fields, then PROGRAM.
  HistoryDialog* history = window.openHistoryDialog();
  ASSERT_EQ(history->list()->topLevelItemCount(), 2);
  QTreeWidgetItem* programmed = history->list()->topLevelItem(0);
  EXPECT_EQ(programmed->text(1), "PROGRAM");
  EXPECT_EQ(programmed->text(4), "5") << "three fields, the timing and the reserved byte";
  EXPECT_NE(history->details()->toPlainText().indexOf("Command 3 (Output 2 OFF): (empty) \u2192 456"), -1);
  EXPECT_NE(history->details()->toPlainText().indexOf("nothing: the fields show this content"), -1);
  history->list()->setCurrentItem(history->list()->topLevelItem(1));
  EXPECT_EQ(history->list()->currentItem()->text(1), "READ");
  EXPECT_NE(history->details()->toPlainText().indexOf("Output 2 at power-on: ON \u2192 OFF"), -1)
      << "how the entry differs from the fields";
  history->loadButton()->click();
  EXPECT_TRUE(history->findChild<QLabel*>("historyStatus")->text().startsWith("Loaded into the fields at "))
      << "the load is confirmed";
  history->reject();
  EXPECT_EQ(c.txtCallID->text(), "ABC");
  EXPECT_TRUE(window.windowTitle().endsWith(" *")) << "an entry put back is a change of the fields";
  EXPECT_EQ(c.txtMem[3]->text(), "");
  ASSERT_TRUE(exchange(c.cmdSend));
  EXPECT_EQ(BoardImage(memory), original) << "the board holds its first 192 bytes again";

  // Both programs listed, each with what it changed.
  HistoryDialog* again = window.openHistoryDialog();
  ASSERT_EQ(again->list()->topLevelItemCount(), 3);
  EXPECT_EQ(again->list()->topLevelItem(0)->text(1), "PROGRAM");
  EXPECT_EQ(again->list()->topLevelItem(0)->text(4), "5");
  EXPECT_NE(again->details()->toPlainText().indexOf("CW call: IK1XYZ \u2192 ABC"), -1);
  EXPECT_NE(again->details()->toPlainText().indexOf("Byte 170 (no field shows it): FF \u2192 12"), -1);
  again->reject();
  EXPECT_TRUE(messages.shown.empty() || messages.shown[0].title.rfind("Unable to load", 0) == 0);
  window.link().shutdown();
}

}  // namespace
}  // namespace tonalis
