// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/recent_files.h"
#include "ui/accessibility.h"
#include "ui/main_window.h"
#include "journal/journal.h"
#include "ui/commands_dialog.h"
#include "ui/journal_dialog.h"
#include "ui/history_dialog.h"
#include "ui/station_dialog.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <set>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QSignalSpy>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <functional>
#include <sstream>

#include "link/serial_trace.h"
#include "storage/config_file.h"
#include "storage/settings_file.h"
#include "support/alsa_file_device.h"
#include "support/board_sim_process.h"
#include "support/examples.h"
#include "support/recording.h"
#include "support/run_cli.h"
#include "support/test_files.h"
#include "tone/portaudio_output.h"
#include "tone/synthesis.h"
#include "ui/help_viewer.h"
#include "ui/message_boxes.h"
#include "ui/progress_dialog.h"

namespace tonalis {
namespace {

using testing::RecordingMessages;
using testing::TempDir;

std::string S(const QString& s) { return s.toStdString(); }
QString Q(const std::string& s) { return QString::fromStdString(s); }

// Where ALSA's file device writes what the window plays.
std::filesystem::path gScratch;

class WindowTest : public ::testing::Test {
 protected:
  void open() {
    window_ = std::make_unique<FrmTone>(messages_, audio_, Q(dir_.path().string()));
    window_->load();
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }
  const FormControls& c() const { return window_->controls(); }
  std::string settingsFile() const { return testing::ReadAll(dir_.file("Tonalis3.ini")); }
  void writeSettings(const std::string& line) { testing::WriteAll(dir_.file("Tonalis3.ini"), line); }

  void typeInto(QLineEdit* field, const QString& keys) {
    field->setFocus();
    QTest::keyClicks(field, keys);
  }

  // Answers the open file dialog with `path`.
  void chooseFile(const std::string& path) {
    QFileDialog* dialog = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (dialog = window_->findChild<QFileDialog*>()) && dialog->isVisible(); }));
    dialog->selectFile(Q(path));
    // Replacing a file asks first: answer yes.
    QTimer::singleShot(200, [] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
        box->button(QMessageBox::Yes)->click();
    });
    static_cast<QDialog*>(dialog)->accept();
    QTest::qWait(20);
  }

  TempDir dir_;
  RecordingMessages messages_;
  PortAudioOutput audio_;
  std::unique_ptr<FrmTone> window_;
};

TEST_F(WindowTest, FirstStartWritesTheDefaultRecordAndAppliesIt) {
  open();
  EXPECT_EQ(settingsFile(), FormatSettings(DefaultSettings(dir_.path().string())));
  EXPECT_EQ(c().Text1->text(), "0123456789*#ABCD");
  EXPECT_EQ(c().Text2->text(), "60");
  EXPECT_EQ(c().Text3->text(), "40");
  EXPECT_EQ(c().Text4->text(), "300");
  EXPECT_EQ(c().txtPttCom->text(), "1");
  EXPECT_EQ(c().txtPrgComm->text(), "1");
  EXPECT_EQ(c().txtTxd->text(), "200");
  EXPECT_EQ(c().Label3->text(), "Sequence to Send (16 digits)");
  EXPECT_EQ(c().SSTab1->currentIndex(), 0);
  EXPECT_EQ(c().SSTabCmd->currentIndex(), 0);
  EXPECT_EQ(window_->pos(), QPoint(0, 0));
  // Default.prg is not there yet.
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].title, "Unable to load data file " + dir_.file("Default.prg"));
  EXPECT_EQ(messages_.shown[0].text, dir_.file("Default.prg") + "\r\nFile not found.");
  EXPECT_EQ(S(window_->windowTitle()), "Tonalis v3 by Velkaro");
  EXPECT_TRUE(c().chkMorse->isChecked() && c().chkBCheck->isChecked());
  EXPECT_EQ(c().chkOutput[0]->text(), "Output 1 OFF");
  EXPECT_FALSE(c().cmdRead->isEnabled() || c().cmdSend->isEnabled());
  EXPECT_FALSE(window_->dialog()) << "the progress dialog is made on first use";

  // At exit the failed load leaves no configuration file named.
  c().SSTab1->setCurrentIndex(1);
  window_->close();
  AppSettings expected = DefaultSettings(dir_.path().string());
  expected.currentConfigPath = "";
  expected.mainTab = 1;
  expected.windowLeft = window_->pos().x() * 15;
  expected.windowTop = window_->pos().y() * 15;
  EXPECT_EQ(settingsFile(), FormatSettings(expected));
}

TEST_F(WindowTest, SettingsAreRestoredAndBadOnesReplaced) {
  const std::string prg = dir_.file("mine.prg");
  ASSERT_FALSE(WriteConfigFile(prg, {testing::WorkedExample(), "4"}));
  writeSettings("\"" + prg + "\",1500,750,1,\"12 34\",\"\",\"45\",\"500\",\"2\",\"3\",\"300\",\"extra\"\r\n");
  open();
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_EQ(window_->pos(), QPoint(100, 50));
  EXPECT_EQ(c().SSTab1->currentIndex(), 1);
  EXPECT_EQ(c().SSTabCmd->currentIndex(), 0);
  EXPECT_EQ(c().Text1->text(), "12 34");
  EXPECT_EQ(c().Text2->text(), "");
  EXPECT_EQ(c().Label3->text(), "Sequence to Send (5 digits)");
  EXPECT_EQ(c().txtPrgComm->text(), "4") << "the configuration file names its port";
  EXPECT_EQ(window_->readConfig(), testing::WorkedExample());
  EXPECT_EQ(S(window_->windowTitle()), "Tonalis v3.0 - mine.prg");
  window_.reset();

  // A tab that does not exist: the rest applies, the file goes back to the default record.
  writeSettings("\"\",0,0,7,\"1\",\"70\",\"45\",\"500\",\"2\",\"3\",\"300\"\r\n");
  open();
  EXPECT_EQ(c().SSTab1->currentIndex(), 0);
  EXPECT_EQ(c().Text2->text(), "70");
  EXPECT_EQ(settingsFile(), FormatSettings(DefaultSettings(dir_.path().string())));
  window_.reset();

  // A short record, or a position off the 16-bit scale: the defaults.
  for (const char* bad :
       {"\"\",0,0,1,\"1\"\r\n", "\"\",99999,0,1,\"1\",\"70\",\"45\",\"500\",\"2\",\"3\",\"300\"\r\n"}) {
    writeSettings(bad);
    open();
    EXPECT_EQ(c().Text2->text(), "60") << bad;
    EXPECT_EQ(c().SSTab1->currentIndex(), 0);
    window_.reset();
  }

  // A position on no screen comes back onto the main one.
  writeSettings("\"\",-30000,-30000,0,\"1\",\"70\",\"45\",\"500\",\"2\",\"3\",\"300\"\r\n");
  open();
  EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(window_->pos()));
}

TEST_F(WindowTest, KeyRulesOfEachKindOfField) {
  open();
  struct Case {
    QLineEdit* field;
    QString typed;
    QString entered;
  };
  const Case cases[] = {
      {c().txtMem[4], "1a#*e5", "1A#*5"}, {c().txtCallID, "ab1 ?/", "AB1 ?"}, {c().txtBlo, "1..2", "1..2"}, {c().txtBhi, "13,8", "13.8"},
      {c().txtTxd, "1a6", "16"},          {c().txtPrgComm, "1a67", "16"},     {c().txtSeqCmd, "12ab d", "12ABD"},
      {c().txtCrcTag, "x#", "#"},         {c().txtMorseSpeed, "2 0", "20"},
  };
  for (const auto& tc : cases) {
    tc.field->clear();
    typeInto(tc.field, tc.typed);
    EXPECT_EQ(tc.field->text(), tc.entered) << S(tc.field->objectName());
  }
  // The limit holds for typing, not for texts from files or the board.
  c().txtMem[5]->setText("123456789012");
  EXPECT_EQ(c().txtMem[5]->text(), "123456789012");
  c().txtMem[5]->setText("123456789");
  typeInto(c().txtMem[5], "99");
  EXPECT_EQ(c().txtMem[5]->text(), "1234567899");
  // Backspace still works in a full field, of every kind.
  const std::pair<QLineEdit*, QString> fullFields[] = {
      {c().txtMem[5], "1234567899"}, {c().txtTmr2, "255"}, {c().txtBlo, "12.5"}, {c().txtCallID, "ABCDEF"}};
  for (const auto& [full, before] : fullFields) {
    full->setText(before);
    full->setFocus();
    full->end(false);
    QTest::keyClick(full, Qt::Key_Backspace);
    EXPECT_EQ(full->text(), before.chopped(1)) << S(full->objectName());
  }

  // The Checksum ID digit cannot be typed into New.
  typeInto(c().txtSeqNew, "1#2");
  EXPECT_EQ(c().txtSeqNew->text(), "12");

  // Paste and cut are refused by the keyboard; Ctrl+C copies; Ctrl+A and
  // Ctrl+Z, which let no new character in, work as everywhere.
  QApplication::clipboard()->setText("99");
  c().txtMem[4]->deselect();
  QTest::keyClick(c().txtMem[4], Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(c().txtMem[4]->selectedText(), "1A#*5");
  QTest::keyClick(c().txtMem[4], Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "1A#*5");
  QTest::keyClick(c().txtMem[4], Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(c().txtMem[4], Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(c().txtMem[4]->text(), "1A#*5");
  QTest::keyClick(c().txtMem[4], Qt::Key_Z, Qt::ControlModifier);
  const QString undone = c().txtMem[4]->text();
  EXPECT_TRUE(undone.size() < 5 && QString("1A#*5").startsWith(undone)) << undone.toStdString();

  // Sequence to send: upper case, no spaces, a live counter.
  c().Text1->clear();
  typeInto(c().Text1, "1a b");
  EXPECT_EQ(c().Text1->text(), "1AB");
  EXPECT_EQ(c().Label3->text(), "Sequence to Send (3 digits)");
  c().Text1->clear();
  QTest::keyClick(c().Text1, Qt::Key_Backspace);
  EXPECT_EQ(c().Label3->text(), "Sequence to Send (0 digits)");
  EXPECT_FALSE(c().cmdTone->isEnabled());
}

TEST_F(WindowTest, ClicksSelectAndDoubleClicksCopy) {
  open();
  c().txtTxd->setText("200");
  QTest::mouseClick(c().txtTxd, Qt::LeftButton, {}, QPoint(3, 3));
  QTest::qWait(10);
  EXPECT_EQ(c().txtTxd->selectedText(), "200");
  QTest::keyClicks(c().txtTxd, "500");
  EXPECT_EQ(c().txtTxd->text(), "500");

  // An empty command copies nothing.
  c().Text1->setText("777");
  QTest::mouseDClick(c().txtMem[2], Qt::LeftButton);
  EXPECT_EQ(c().Text1->text(), "777");
  EXPECT_EQ(c().SSTab1->currentIndex(), 0);

  c().txtMem[3]->setText("12B");
  QTest::mouseDClick(c().txtMem[3], Qt::LeftButton);
  EXPECT_EQ(c().Text1->text(), "12B");
  EXPECT_EQ(c().Label3->text(), "Sequence to Send (3 digits)");
  EXPECT_EQ(c().SSTab1->currentIndex(), 1);
  EXPECT_EQ(c().Text1->selectedText(), "12B");
  EXPECT_TRUE(c().cmdTone->isEnabled());
}

// Ctrl+R, or a right click on Load: the files last loaded or saved, newest
// first; one that is gone is said and leaves the list.
TEST_F(WindowTest, RecentFilesComeBackFromCtrlROrARightClickOnLoad) {
  for (const char* name : {"a.prg", "b & c.prg"}) {
    ConfigFileContent file{testing::WorkedExample(), "1"};
    file.config.txtCallID = name[0] == 'a' ? "AAA" : "BBB";
    ASSERT_FALSE(WriteConfigFile(dir_.file(name), file));
  }
  open();
  window_->loadConfigFile(Q(dir_.file("a.prg")));
  window_->loadConfigFile(Q(dir_.file("b & c.prg")));
  messages_.shown.clear();
  auto menu = [&](bool rightClick) -> QMenu* {
    if (rightClick)
      Q_EMIT c().cmdLoad->customContextMenuRequested({});
    else
      QTest::keyClick(window_.get(), Qt::Key_R, Qt::ControlModifier);
    QMenu* shown = nullptr;
    EXPECT_TRUE(QTest::qWaitFor([&] { return (shown = window_->findChild<QMenu*>("recentFiles")) && shown->isVisible(); }));
    return shown;
  };
  QMenu* recent = menu(false);
  ASSERT_TRUE(recent);
  ASSERT_EQ(recent->actions().size(), 2);
  EXPECT_EQ(S(recent->actions()[0]->text()), "&1  " + dir_.file("b && c.prg"));
  EXPECT_EQ(S(recent->actions()[1]->text()), "&2  " + dir_.file("a.prg"));
  recent->actions()[1]->trigger();
  recent->close();
  EXPECT_EQ(S(window_->currentConfigPath()), dir_.file("a.prg"));
  EXPECT_EQ(S(c().txtCallID->text()), "AAA");

  std::filesystem::remove(dir_.file("b & c.prg"));
  recent = menu(true);
  ASSERT_TRUE(recent);
  ASSERT_EQ(recent->actions().size(), 2);
  EXPECT_EQ(S(recent->actions()[0]->text()), "&1  " + dir_.file("a.prg")) << "the last loaded first";
  recent->actions()[1]->trigger();
  recent->close();
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].title, "Unable to load data file " + dir_.file("b & c.prg"));
  EXPECT_EQ(S(window_->currentConfigPath()), dir_.file("a.prg")) << "nothing changed";
  EXPECT_EQ(ReadRecentFiles(dir_.path().string()), std::vector<std::string>{dir_.file("a.prg")});
  ASSERT_TRUE(window_->saveConfigFile(Q(dir_.file("saved.prg"))));
  EXPECT_EQ(ReadRecentFiles(dir_.path().string()), (std::vector<std::string>{dir_.file("saved.prg"), dir_.file("a.prg")}))
      << "a file saved counts as one used";
}

TEST_F(WindowTest, SaveAndLoadThroughTheFileDialogs) {
  open();
  messages_.shown.clear();
  const DecoderConfig example = testing::WorkedExample();
  c().chkOutput[0]->click();
  EXPECT_EQ(c().chkOutput[0]->text(), "Output 1 ON");
  c().chkBCheck->setChecked(false);
  for (auto [field, text] : {std::pair{c().txtCrcTag, "#"},
                             {c().txtMorseSpeed, "20"},
                             {c().txtTmr2, "10"},
                             {c().txtBlo, "11.5"},
                             {c().txtBhi, "13.8"},
                             {c().txtMem[0], "11"},
                             {c().txtMem[1], "10"},
                             {c().txtSeqCmd, "1234"},
                             {c().txtCallID, "ABC"}})
    field->setText(text);
  ASSERT_EQ(window_->readConfig(), example);

  const std::string path = dir_.file("saved.prg");
  c().cmdSave->click();
  QFileDialog* dialog = window_->findChild<QFileDialog*>();
  ASSERT_TRUE(dialog);
  EXPECT_EQ(S(dialog->windowTitle()), "Save File");
  EXPECT_EQ(dialog->nameFilters(), QStringList({"Configuration file (*.prg)", "All files (*)"}));
  EXPECT_EQ(S(dialog->directory().absolutePath()), dir_.path().string());
  chooseFile(path);
  EXPECT_EQ(testing::ReadAll(path), FormatConfigFile({example, "1"}));
  EXPECT_EQ(S(window_->windowTitle()), "Tonalis v3.0 - saved.prg");
  // Save again suggests the file in the title, not Default.prg.
  c().cmdSave->click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return window_->findChild<QFileDialog*>() != nullptr; }));
  EXPECT_EQ(window_->findChild<QFileDialog*>()->selectedFiles(), QStringList{Q(path)});
  window_->findChild<QFileDialog*>()->reject();
  QTest::qWait(20);
  // Ctrl+S saves to the file in the title, with no dialog.
  QApplication::setActiveWindow(window_.get());
  const QString before = c().txtMem[2]->text();
  c().txtMem[2]->setText("77");
  QTest::keyClick(c().txtMem[2], Qt::Key_S, Qt::ControlModifier);
  EXPECT_NE(testing::ReadAll(path).find("77"), std::string::npos);
  EXPECT_EQ(S(window_->windowTitle()), "Tonalis v3.0 - saved.prg");
  c().txtMem[2]->setText(before);
  QTest::keyClick(c().txtMem[2], Qt::Key_S, Qt::ControlModifier);
  QTest::qWait(20);
  EXPECT_EQ(window_->findChild<QFileDialog*>(), nullptr);
  EXPECT_EQ(testing::ReadAll(path), FormatConfigFile({example, "1"}));

  // Change everything, then load it back: the edits are marked, and Load asks first.
  c().chkOutput[0]->click();
  c().txtMem[0]->setText("999");
  c().txtPrgComm->setText("5");
  EXPECT_EQ(S(window_->windowTitle()), "Tonalis v3.0 - saved.prg *");
  messages_.answers = {"Discard"};
  QTest::keyClick(c().txtMem[0], Qt::Key_O, Qt::ControlModifier);  // as Load does
  ASSERT_EQ(messages_.asked.size(), 1u);
  EXPECT_EQ(messages_.asked[0].title, "Save changes?");
  EXPECT_EQ(S(window_->findChild<QFileDialog*>()->windowTitle()), "Load File");
  chooseFile(path);
  EXPECT_EQ(S(window_->windowTitle()), "Tonalis v3.0 - saved.prg") << "as loaded: nothing to save";
  EXPECT_EQ(window_->readConfig(), example);
  EXPECT_EQ(c().chkOutput[0]->text(), "Output 1 ON");
  EXPECT_EQ(c().txtPrgComm->text(), "1");
  EXPECT_TRUE(messages_.shown.empty());

  // A file that ends after line 5: nothing of it reaches the fields, only the message.
  std::string partial = testing::ReadAll(path);
  std::size_t at = 0;
  for (int line = 0; line < 5; ++line) at = partial.find("\r\n", at) + 2;
  partial.resize(at);
  partial.replace(0, 1, "0");
  const std::string cut = dir_.file("cut.prg");
  testing::WriteAll(cut, partial);
  c().txtMem[0]->setText("999");
  window_->loadConfigFile(Q(cut));
  EXPECT_EQ(c().chkOutput[0]->text(), "Output 1 ON") << "not even the groups it holds whole";
  EXPECT_EQ(c().txtMem[0]->text(), "999");
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].title, "Unable to load data file " + cut);
  EXPECT_EQ(messages_.shown[0].text, cut + "\r\nThe file ends early: item 14 of 30 is missing.");
  EXPECT_EQ(S(window_->windowTitle()), "Tonalis v3.0 - saved.prg *") << "the edit before it stands";
  EXPECT_EQ(S(window_->currentConfigPath()), path);
}

TEST_F(WindowTest, NoTextIsClipped) {
  open();
  c().SSTab1->setCurrentIndex(1);
  c().Label8->setText("New Sequence  [cmd 15]");
  c().lblInfoSend->setText("Sequence completed.\nEffective time = 9999mS.");
  for (QWidget* w : window_->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window_.get())) continue;
    const std::string name = S(w->objectName());
    if (auto* label = qobject_cast<QLabel*>(w)) {
      const QRect needed = label->fontMetrics().boundingRect(
          label->rect(), label->alignment() | (label->wordWrap() ? Qt::TextWordWrap : 0), label->text());
      EXPECT_LE(needed.width(), label->width()) << name;
      EXPECT_LE(needed.height(), label->height()) << name;
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 8, button->width()) << name;
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
      EXPECT_LE(box->fontMetrics().horizontalAdvance(box->title()), box->width()) << name;
    }
  }
  for (QLineEdit* command : c().txtMem) {
    command->setText("0123456789");
    EXPECT_LE(command->fontMetrics().horizontalAdvance(command->text()) + 6, command->width());
  }
}

TEST_F(WindowTest, ProgressDialogIsHiddenNotDestroyed) {
  open();
  window_->setMessage("\r\nReading Data.");
  ASSERT_TRUE(window_->dialog());
  EXPECT_FALSE(window_->dialog()->isVisible()) << "a message alone does not show it";
  window_->setMessageColour(ProgressView::Colour::Red);
  window_->showDialog();
  ProgressDialog* dialog = window_->dialog();
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(S(dialog->windowTitle()), "Program Parameters");
  dialog->close();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(window_->dialog(), dialog);
  window_->showDialog();
  EXPECT_EQ(dialog->lblInfo()->text(), "\nReading Data.");
  EXPECT_EQ(dialog->lblInfo()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  // A screen reader hears it as a status line that says its text.
  QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(dialog->lblInfo());
  ASSERT_TRUE(spoken);
  EXPECT_EQ(spoken->role(), QAccessible::StatusBar);
  EXPECT_EQ(spoken->text(QAccessible::Name), "\nReading Data.");
  window_->close();
  EXPECT_FALSE(dialog->isVisible());
}

TEST_F(WindowTest, SendCorrectsTheFieldsPlaysAndReports) {
  open();
  messages_.shown.clear();
  c().SSTab1->setCurrentIndex(1);
  c().Text1->setText("0123456789*#ABCD");
  c().Text2->setText("10");
  c().Text3->setText("5");
  c().Text4->setText("0");
  c().txtTxd->setText("5");
  QSignalSpy finished(&window_->sender(), &SequenceSender::finished);
  c().cmdTone->click();
  EXPECT_EQ(c().Text2->text(), "25");
  EXPECT_EQ(c().Text3->text(), "15");
  EXPECT_EQ(c().Text4->text(), "25");
  EXPECT_EQ(c().txtTxd->text(), "20");
  EXPECT_EQ(c().lblInfoSend->text(), "Sending Sequence.....");
  EXPECT_FALSE(c().cmdTone->isEnabled());
  EXPECT_TRUE(QApplication::overrideCursor());

  // No closing while the sound plays.
  window_->close();
  EXPECT_TRUE(window_->isVisible());
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0], (UserMessage{"Tonalis v3", "Please wait end of sound before closing application.",
                                             UserMessage::Icon::Information}));

  ASSERT_TRUE(finished.wait(10000));
  EXPECT_EQ(S(c().lblInfoSend->text()).rfind("Sequence sent without PTT.\nEffective time = ", 0), 0u)
      << S(c().lblInfoSend->text());
  EXPECT_EQ(S(c().lblInfoSend->text()).substr(S(c().lblInfoSend->text()).size() - 3), "mS.");
  EXPECT_TRUE(c().cmdTone->isEnabled());
  EXPECT_FALSE(QApplication::overrideCursor());

  // Return in the sequence sends too.
  finished.clear();
  c().Text1->setFocus();
  QTest::keyClick(c().Text1, Qt::Key_Return);
  EXPECT_EQ(c().lblInfoSend->text(), "Sending Sequence.....");
  ASSERT_TRUE(finished.wait(10000));
  window_->close();
  EXPECT_FALSE(window_->isVisible());
}

TEST_F(WindowTest, WithoutASoundCardSendWaitsForTheNextEdit) {
  open();
  messages_.shown.clear();
  window_->checkSoundCard(false);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].title, "DTMF");
  EXPECT_FALSE(c().cmdTone->isEnabled());
  c().Text1->setFocus();
  QTest::keyClick(c().Text1, Qt::Key_5);
  EXPECT_TRUE(c().cmdTone->isEnabled());
}

TEST_F(WindowTest, TheMonitorSaysWhatReachedTheAirOrWhyItCannot) {
  // The receiver is a FIFO (an SDR's demodulator), which this test feeds.
  const std::string fifo = dir_.file("receiver");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  testing::WriteAll(dir_.file("station.ini"), "[listen]\nmonitor=true\n[sound]\ninput=" + fifo + "\n");
  open();
  messages_.shown.clear();
  c().SSTab1->setCurrentIndex(1);
  c().Text1->setText("12AB");
  QSignalSpy recorded(&window_->monitor(), &SendMonitor::recorded);
  c().cmdTone->click();
  EXPECT_EQ(window_->replyLabel()->text(), "Monitoring the transmission...");
  // What the air carried, the B lost.
  const RenderedSequence heard = RenderSequence("12A", CalcSampleCounts(0.05, 0.05, 1));
  const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
  ASSERT_GE(writer, 0);
  ASSERT_GT(::write(writer, heard.samples.get(), static_cast<std::size_t>(heard.count) * 2), 0);
  ASSERT_TRUE(recorded.wait(10000));
  ::close(writer);
  const QString line = window_->replyLabel()->text();
  EXPECT_TRUE(line.startsWith(QString::fromUtf8("\u2716 Monitor: 3 of 4 digits heard (digit 4 (B) not heard)")))
      << S(line);
  EXPECT_NE(window_->replyLabel()->toolTip().indexOf("<table"), -1) << "each digit in the tooltip";
  QTest::mouseClick(window_->replyLabel(), Qt::LeftButton);
  ASSERT_TRUE(window_->monitorDialog() && window_->monitorDialog()->isVisible()) << "and in a window of its own";
  const QString table = window_->monitorDialog()->findChild<QTextBrowser*>()->toPlainText();
  EXPECT_NE(table.indexOf("B\n\nnot heard"), -1) << S(table);
  window_->monitorDialog()->close();
  EXPECT_TRUE(messages_.shown.empty());

  // An input that is gone: said in the line every time, in a box once; the send goes on.
  ::unlink(fifo.c_str());
  for (int i = 0; i < 2; ++i) {
    QSignalSpy finished(&window_->sender(), &SequenceSender::finished);
    c().cmdTone->click();
    EXPECT_EQ(S(window_->replyLabel()->accessibleName()),
              "Not monitoring: no sound input device is called " + fifo + ".") << "the whole line, shown cut to fit";
    ASSERT_TRUE(finished.wait(10000));
  }
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text.rfind("Your transmission cannot be monitored: no sound input device", 0), 0u);
}

TEST_F(WindowTest, TheCommandsDialogSendsACommandAsSendSequenceDoes) {
  open();
  messages_.shown.clear();
  c().txtMem[0]->setText("11");
  c().txtMem[8]->setText("98");
  ASSERT_TRUE(window_->saveConfigFile(Q(dir_.file("site.prg"))));
  CommandsDialog* dialog = window_->openCommandsDialog();
  QTreeWidget* list = dialog->list();
  ASSERT_EQ(list->topLevelItemCount(), 16);
  EXPECT_EQ(list->topLevelItem(8)->text(0), "8: Send Status");
  EXPECT_EQ(list->topLevelItem(15)->text(0), "15: ALL Outputs OFF");
  EXPECT_EQ(list->topLevelItem(8)->text(1), "98");
  EXPECT_TRUE(list->topLevelItem(1)->isDisabled()) << "empty commands are greyed out";
  EXPECT_FALSE(dialog->findChild<QPushButton*>("send1")->isEnabled());
  EXPECT_FALSE(dialog->note()->isVisible());
  EXPECT_EQ(list->currentItem(), list->topLevelItem(0)) << "the first that can be sent";

  // The keyboard: with command 8 current in the list, Enter sends it.
  list->setFocus();
  list->setCurrentItem(list->topLevelItem(8));
  QSignalSpy finished(&window_->sender(), &SequenceSender::finished);
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(c().Text1->text(), "98");
  EXPECT_EQ(c().lblInfoSend->text(), "Sending Sequence.....") << "sent as Send Sequence sends";
  EXPECT_FALSE(dialog->findChild<QPushButton*>("send0")->isEnabled()) << "one send at a time";
  EXPECT_EQ(dialog->result()->text(), "Sending Sequence.....") << "the dialog stands over the status line";
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(finished.count(), 0) << "Enter during a send sends nothing more";
  ASSERT_TRUE(finished.wait(10000));
  EXPECT_EQ(finished.count(), 1);
  EXPECT_TRUE(dialog->findChild<QPushButton*>("send0")->isEnabled());
  EXPECT_EQ(dialog->result()->text().left(26), "Sequence sent without PTT.") << "unkeyed: said where it is seen";
  // Written on a thread of its own: it lands a moment later.
  ASSERT_TRUE(QTest::qWaitFor([&] { return ReadJournal(dir_.file("journal")).size() == 1u; }, 5000));
  const auto journal = ReadJournal(dir_.file("journal"));
  EXPECT_EQ(journal[0].kind, "command");
  EXPECT_EQ(journal[0].what, "command 8: Send Status (98)");
  EXPECT_EQ(journal[0].timing, "digit 60 ms, gap 40 ms, pause 300 ms, TX delay 200 ms") << "the fields' own";
  EXPECT_EQ(journal[0].ptt, "none (PTT not enabled)");
  EXPECT_EQ(journal[0].result, "completed");

  // Ctrl+P: the command card of the fields, through the print dialog.
  QApplication::setActiveWindow(window_.get());
  QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier);
  auto* print = qobject_cast<QPrintDialog*>(window_->findChild<QDialog*>("printDialog"));
  ASSERT_TRUE(print);
  EXPECT_EQ(print->printer()->docName(), "site") << "the card of the configuration in the fields";
  print->reject();

  // An edit the board may not hold is said; the list follows the fields.
  c().txtMem[1]->setText("10");
  EXPECT_EQ(list->topLevelItem(1)->text(1), "10");
  EXPECT_FALSE(list->topLevelItem(1)->isDisabled());
  EXPECT_TRUE(dialog->note()->isVisible());
  EXPECT_EQ(dialog->note()->text(), "The fields hold edits the board may not hold: what is sent is what the fields say.");
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(WindowTest, TheJournalDialogFiltersCopiesAndExports) {
  auto record = [](const char* local, const char* kind, const char* what, const char* result) {
    JournalRecord r;
    r.id = std::string(local) + what;
    r.utc = local;
    r.local = local;
    r.kind = kind;
    r.what = what;
    r.result = result;
    return r;
  };
  const std::string folder = dir_.file("journal");
  ASSERT_FALSE(AppendJournalRecord(folder, record("2026-11-30 10:00:00 +01:00", "send", "0123", "completed")));
  ASSERT_FALSE(AppendJournalRecord(folder, record("2026-12-07 09:00:00 +01:00", "command", "command 8: Send Status (98)",
                                                  "failed")));
  ASSERT_FALSE(AppendJournalRecord(folder, record("2026-12-08 08:00:00 +01:00", "send", "5", "completed")));
  open();
  messages_.shown.clear();
  JournalDialog* dialog = window_->openJournalDialog();
  ASSERT_EQ(dialog->list()->model()->rowCount(), 3);
  EXPECT_EQ(dialog->list()->model()->index(0, 2).data().toString(), "5") << "newest first";
  EXPECT_EQ(dialog->since()->date(), QDate(2026, 11, 30)) << "from the first day there is";

  dialog->filter()->setText("STATUS");
  ASSERT_EQ(dialog->list()->model()->rowCount(), 1);
  dialog->filter()->clear();
  dialog->since()->setDate(QDate(2026, 12, 1));
  ASSERT_EQ(dialog->list()->model()->rowCount(), 2);

  dialog->copyShown();
  EXPECT_EQ(QApplication::clipboard()->text(),
            "2026-12-08 08:00:00 +01:00\tsend\t5\t\t\tcompleted\t\t\t\n"
            "2026-12-07 09:00:00 +01:00\tcommand\tcommand 8: Send Status (98)\t\t\tfailed\t\t\t\n");
  ASSERT_TRUE(dialog->exportTo(Q(dir_.file("out.csv"))));
  EXPECT_EQ(testing::ReadAll(dir_.file("out.csv")),
            "utc,local,kind,what,timing,ptt,result,detail,reply,monitor\r\n"
            "2026-12-07 09:00:00 +01:00,2026-12-07 09:00:00 +01:00,command,command 8: Send Status (98),,,failed,,,\r\n"
            "2026-12-08 08:00:00 +01:00,2026-12-08 08:00:00 +01:00,send,5,,,completed,,,\r\n")
      << "oldest first, as kept";
  EXPECT_FALSE(dialog->exportTo(Q(dir_.file("no/such/folder/out.csv"))));
  ASSERT_EQ(messages_.shown.size(), 1u) << "a failed export is said";
  dialog->close();
}

TEST_F(WindowTest, AFailedSendSaysWhyInTheStatusLine) {
  PortAudioOutput missing("no such device");
  FrmTone window(messages_, missing, Q(dir_.path().string()));
  window.load();
  window.show();
  messages_.shown.clear();
  QSignalSpy finished(&window.sender(), &SequenceSender::finished);
  window.controls().cmdTone->click();
  ASSERT_TRUE(finished.wait(5000));
  EXPECT_EQ(window.controls().lblInfoSend->text(), "Sequence not sent: the sound device could not be opened.");
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, "1. waveOutOpen failed - -9996");
  EXPECT_TRUE(window.controls().cmdTone->isEnabled());
  EXPECT_FALSE(QApplication::overrideCursor());
}

// A journal that cannot be written is said once, and never holds up a send.
TEST_F(WindowTest, AJournalThatCannotBeWrittenIsSaidOnce) {
  std::filesystem::create_directories(dir_.file("journal"));
  ASSERT_EQ(::mkfifo(dir_.file("journal/journal.log").c_str(), 0600), 0);
  open();
  messages_.shown.clear();
  for (int send = 0; send < 2; ++send) {
    QSignalSpy finished(&window_->sender(), &SequenceSender::finished);
    c().cmdTone->click();
    ASSERT_TRUE(finished.wait(5000)) << send;
    EXPECT_TRUE(finished.first().at(1).toBool()) << "the send stands";
    QTest::qWait(100);  // the journal's answer comes from its own thread
  }
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text.rfind("The journal of sends cannot be written: Cannot write ", 0), 0u)
      << messages_.shown[0].text;
}

TEST_F(WindowTest, PastingKeepsToTheLimitAndTheMenuOffersWhatTheFieldAllows) {
  open();
  // The field's own context menu, as a right click opens it.
  auto menuOf = [](QLineEdit* field) {
    field->setFocus();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), field->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(field, &event);
    QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    return menu;
  };
  auto action = [](QMenu* menu, const char* name) { return menu->findChild<QAction*>(name); };

  struct Case {
    QLineEdit* field;
    QString before;
    QString clipboard;
    QString after;
    bool copyShortcut;
  };
  const Case cases[] = {
      {c().txtMem[3], "", "123456789012345", "1234567890", true},
      {c().txtMem[4], "12345678", "ABCD", "12345678AB", true},
      {c().txtTmr2, "", "2550", "255", false},
      {c().txtCallID, "ABCDEF", "Z", "ABCDEF", false},
      {c().Text1, "", QString(1100, '1'), QString(1024, '1'), true},
  };
  for (const auto& tc : cases) {
    tc.field->setText(tc.before);
    tc.field->end(false);
    QApplication::clipboard()->setText(tc.clipboard);
    QMenu* menu = menuOf(tc.field);
    ASSERT_TRUE(menu) << S(tc.field->objectName());
    EXPECT_EQ(action(menu, "edit-copy")->text().contains('\t'), tc.copyShortcut) << S(tc.field->objectName());
    for (const char* refused : {"edit-undo", "edit-cut", "edit-paste", "select-all"})
      EXPECT_FALSE(action(menu, refused)->text().contains('\t')) << refused << " shows a shortcut the field refuses";
    action(menu, "edit-paste")->trigger();
    menu->close();
    EXPECT_EQ(tc.field->text(), tc.after) << S(tc.field->objectName());
  }
  EXPECT_EQ(c().Label3->text(), "Sequence to Send (1024 digits)") << "the counter follows a paste";

  // Shift+Insert pastes without typing a character: the limit holds as well.
  c().txtMem[6]->clear();
  QApplication::clipboard()->setText("99999999999999");
  QTest::keyClick(c().txtMem[6], Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(c().txtMem[6]->text(), "9999999999");

  // Characters, not bytes or UTF-16 units, are counted.
  c().Text1->setText(QString::fromUtf8("1\xC3\xA9\xF0\x9F\x93\xBB"));
  QTest::mouseClick(c().Text1, Qt::LeftButton);
  EXPECT_EQ(c().Label3->text(), "Sequence to Send (3 digits)");
}

TEST_F(WindowTest, ReplacementFrame) {
  open();
  messages_.shown.clear();
  c().txtSeqCmd->setText("99");
  EXPECT_EQ(c().lblSeqCmd->text(), "[99]");
  c().txtCrcTag->setText("#");
  EXPECT_EQ(c().lblCrcTag->text(), "[#]");
  c().txtMem[14]->setText("12");
  c().txtMem[15]->setText("5");
  struct Case {
    const char* original;
    const char* fresh;
    const char* sent;
    const char* counter;
  };
  for (const Case& k : {Case{"12", "345", "1299345#D#", "Sequence to Send (10 digits)"},
                        Case{"5", "1234567890", "5991234567890#37", "Sequence to Send (16 digits)"}}) {
    c().txtSeqOri->setText(k.original);
    c().txtSeqNew->setText(k.fresh);
    c().cmdSeqCalc->click();
    EXPECT_EQ(c().Text1->text(), k.sent);
    EXPECT_EQ(c().Label3->text(), k.counter);
  }
  EXPECT_TRUE(messages_.shown.empty());

  // The offending end is selected for the user.
  c().SSTab1->setCurrentIndex(1);
  c().txtSeqOri->setText("1299");
  c().cmdSeqCalc->click();
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].title, "Warning");
  EXPECT_EQ(messages_.shown[0].icon, UserMessage::Icon::Information);
  EXPECT_TRUE(c().txtSeqOri->hasFocus());
  EXPECT_EQ(c().txtSeqOri->selectionStart(), 2);
  EXPECT_EQ(c().txtSeqOri->selectedText(), "99");
  EXPECT_EQ(c().Text1->text(), "5991234567890#37") << "a refusal changes nothing";

  // Notes for sequences that are commands.
  c().txtMem[12]->setText("777");
  c().txtMem[3]->setText("152");
  c().txtSeqOri->setText("777");
  EXPECT_EQ(c().Label6->text(), "Original Sequence [cmd 12]");
  c().txtSeqOri->clear();
  EXPECT_EQ(c().Label6->text(), "Original Sequence");
  c().txtSeqNew->setText("152");
  EXPECT_EQ(c().Label8->text(), "New Sequence  [cmd 3]");

  // A Checksum ID used in a command is warned about once, and kept.
  messages_.shown.clear();
  c().txtMem[7]->setText("55");
  c().txtCrcTag->setText("5");
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, "Digit 5 already used in command sequences.\r\nPlease choose another digit.");
  EXPECT_EQ(c().txtCrcTag->text(), "5");
  EXPECT_EQ(c().txtCrcTag->selectedText(), "5");
  EXPECT_EQ(c().lblCrcTag->text(), "[5]");
}

TEST_F(WindowTest, FailedSavesKeepThePreviousFileAndTheToolGoesOn) {
  open();
  const std::string path = dir_.file("kept.prg");
  ASSERT_FALSE(WriteConfigFile(path, {testing::WorkedExample(), "1"}));
  const std::string before = testing::ReadAll(path);
  c().txtMem[0]->setText("4321");

  struct Case {
    const char* name;
    std::string target;
    std::function<void()> arrange, restore;
    const char* part;
  };
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  const Case cases[] = {
      {"a full disk", path,
       [] {
         std::signal(SIGXFSZ, SIG_IGN);
         rlimit tiny{};
         ::getrlimit(RLIMIT_FSIZE, &tiny);
         tiny.rlim_cur = 100;
         ::setrlimit(RLIMIT_FSIZE, &tiny);
       },
       [&saved] { ::setrlimit(RLIMIT_FSIZE, &saved); }, "Cannot write"},
      {"a folder nobody can write", "/proc/tonalis-test.prg", [] {}, [] {}, "Cannot create a file in /proc"},
      {"a folder that vanished", dir_.file("gone/x.prg"), [] {}, [] {}, "Cannot create a file in"},
  };
  for (const auto& k : cases) {
    messages_.shown.clear();
    // The dialog itself refuses a folder that is not there; the save after it must cope too.
    k.arrange();
    window_->saveConfigFile(Q(k.target));
    k.restore();
    ASSERT_EQ(messages_.shown.size(), 1u) << k.name;
    EXPECT_EQ(messages_.shown[0].title, "Warning") << k.name;
    EXPECT_NE(messages_.shown[0].text.find(k.part), std::string::npos) << k.name << ": " << messages_.shown[0].text;
    EXPECT_EQ(testing::ReadAll(path), before) << k.name;
    EXPECT_EQ(S(window_->windowTitle()), "Tonalis v3 by Velkaro *") << "no success claimed";
  }
  // And the next save works, once the user agrees to replace the file.
  c().cmdSave->click();
  chooseFile(path);
  EXPECT_NE(testing::ReadAll(path).find("\"4321\""), std::string::npos);
}

TEST_F(WindowTest, HostileFilesAreRefusedQuickly) {
  open();
  std::string binary;
  for (int i = 0; i < 5000; ++i) binary.push_back(static_cast<char>(i * 31));
  const std::pair<const char*, std::string> files[] = {
      {"empty", ""},
      {"binary", binary},
      {"NUL bytes", std::string(300, '\0')},
      {"a very long line", std::string(200000, '7')},
      {"non-ASCII only", "\xC3\xA9\xE2\x82\xAC\r\n\xFF\xFE"},
  };
  for (const auto& [name, content] : files) {
    messages_.shown.clear();
    const std::string path = dir_.file("hostile.prg");
    testing::WriteAll(path, content);
    window_->loadConfigFile(Q(path));
    ASSERT_EQ(messages_.shown.size(), 1u) << name;
    EXPECT_EQ(messages_.shown[0].title, "Unable to load data file " + path) << name;
    EXPECT_FALSE(messages_.shown[0].text.empty()) << name;
  }
  // Hundreds of megabytes (a sparse file): refused without reading it all.
  const std::string huge = dir_.file("huge.prg");
  testing::WriteAll(huge, "");
  std::filesystem::resize_file(huge, 600u << 20);
  messages_.shown.clear();
  QElapsedTimer timer;
  timer.start();
  window_->loadConfigFile(Q(huge));
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, huge + "\r\nitem 1 on line 1 is too long.");
  RecordProperty("huge_file_ms", static_cast<int>(timer.elapsed()));
  EXPECT_TRUE(window_->isVisible());
}

TEST_F(WindowTest, SettingsThatCannotBeSavedAreSaidOnce) {
  // A settings folder that is a file: nothing can be written in it.
  const std::string blocked = dir_.file("not-a-folder");
  testing::WriteAll(blocked, "x");
  window_ = std::make_unique<FrmTone>(messages_, audio_, Q(blocked));
  window_->load();
  window_->show();
  messages_.shown.clear();
  window_->close();
  EXPECT_TRUE(window_->isVisible());
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text.rfind("The settings could not be saved: ", 0), 0u) << messages_.shown[0].text;
  window_->close();
  EXPECT_FALSE(window_->isVisible());
  EXPECT_EQ(messages_.shown.size(), 1u);
}

// Every button of a question has a mnemonic, and Alt and its letter answer it.
TEST(MessageBoxes, AQuestionsButtonsHaveMnemonics) {
  const std::pair<std::vector<QString>, std::vector<QString>> rows[] = {
      {{"Save", "Discard", "Cancel"}, {"&Save", "&Discard", "&Cancel"}},
      {{"Wait", "Close anyway"}, {"&Wait", "&Close anyway"}},
      {{"Cancel", "Close anyway"}, {"&Cancel", "C&lose anyway"}},
      {{"Salva", "&Scarta", "Annulla"}, {"S&alva", "&Scarta", "A&nnulla"}},
      {{"OK", "123"}, {"&OK", "123"}},
  };
  for (const auto& [captions, expected] : rows) EXPECT_EQ(WithMnemonics(captions), expected) << captions[0].toStdString();

  QWidget window;
  window.show();
  QtMessageBoxes boxes;
  boxes.setWindow(&window);
  int answer = -1;
  boxes.ask({"Save changes?", "Save them?", UserMessage::Icon::Exclamation}, {"Save", "Discard", "Cancel"},
            [&](int chosen) { answer = chosen; });
  ASSERT_TRUE(QTest::qWaitFor([&] { return boxes.current() && boxes.current()->isVisible(); }));
  QStringList texts;
  for (QAbstractButton* b : boxes.current()->buttons()) texts << b->text();
  texts.sort();
  EXPECT_EQ(texts, (QStringList{"&Cancel", "&Discard", "&Save"}));
  QApplication::setActiveWindow(boxes.current());
  QTest::keyClick(boxes.current(), Qt::Key_D, Qt::AltModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return answer != -1; }));
  EXPECT_EQ(answer, 1);
}

// A title longer than the box's text (a file's path) is never cut short.
TEST(MessageBoxes, ABoxIsAsWideAsItsTitle) {
  QWidget window;
  window.show();
  QtMessageBoxes boxes;
  boxes.setWindow(&window);
  const std::string path = "/home/operator/.local/share/tonalis/sites/the-hill-above-the-valley/Default.prg";
  boxes.showMessage({"Unable to load data file " + path, "File not found.", UserMessage::Icon::None});
  ASSERT_TRUE(QTest::qWaitFor([&] { return boxes.current() && boxes.current()->isVisible(); }));
  // Beside the text, a window manager's title bar has its icon and three buttons (openbox: about 120 px).
  const QFontMetrics title(QApplication::font("QMdiSubWindowTitleBar"));
  EXPECT_GE(boxes.current()->width(), title.horizontalAdvance(boxes.current()->windowTitle()) + 120);
}

// A box over a dialog of the window's (READ's progress) gives the focus back
// to that dialog, not to the window beneath it.
TEST(MessageBoxes, TheFocusGoesBackWhereItWas) {
  QWidget window;
  window.show();
  QDialog progress(&window);
  progress.show();
  QApplication::setActiveWindow(&progress);
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &progress; }));
  QtMessageBoxes boxes;
  boxes.setWindow(&window);
  boxes.showMessage({"Tonalis", "The board looks unprogrammed.", UserMessage::Icon::Information});
  ASSERT_TRUE(QTest::qWaitFor([&] { return boxes.current() && boxes.current()->isVisible(); }));
  QApplication::setActiveWindow(boxes.current());
  QTest::keyClick(boxes.current(), Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.current(); }));
  EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &progress; }))
      << (QApplication::activeWindow() ? QApplication::activeWindow()->metaObject()->className() : "none");
}

TEST(MessageBoxes, OneAtATimeModalToTheWindowAndNeverBeforeItIsShown) {
  QWidget window;
  QtMessageBoxes boxes;
  boxes.setWindow(&window);
  boxes.showMessage({"Unable to load data file /x/Default.prg", "/x/Default.prg\r\nFile not found.",
                     UserMessage::Icon::None});
  boxes.showMessage({"DTMF", "This PC has no sound card.", UserMessage::Icon::Error});
  QTest::qWait(20);
  EXPECT_FALSE(boxes.current()) << "a box shown before its window ends up beneath it";

  window.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return boxes.current() && boxes.current()->isVisible(); }));
  QMessageBox* first = boxes.current();
  EXPECT_EQ(first->windowTitle(), "Unable to load data file /x/Default.prg");

  EXPECT_EQ(first->text(), "/x/Default.prg\nFile not found.");
  EXPECT_EQ(first->windowModality(), Qt::WindowModal);
  EXPECT_EQ(first->parentWidget(), &window);
  EXPECT_EQ(boxes.waiting(), 1u) << "the second waits for the first";

  // Escape dismisses a box, Enter too; the next one follows.
  QTest::keyClick(first, Qt::Key_Escape);
  ASSERT_TRUE(QTest::qWaitFor([&] { return boxes.current() && boxes.current()->windowTitle() == "DTMF"; }));
  EXPECT_EQ(boxes.current()->icon(), QMessageBox::Critical);
  QTest::keyClick(boxes.current(), Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.current(); }));
  EXPECT_EQ(boxes.waiting(), 0u);
}

class HelpViewerTest : public WindowTest {
 protected:
  void SetUp() override {
    saved_ = QDir::currentPath();
    QDir::setCurrent(Q(dir_.path().string()));
  }
  void TearDown() override {
    if (FrmIstruzioni::Instance()) delete FrmIstruzioni::Instance();
    QDir::setCurrent(saved_);
  }
  QString saved_;
};

TEST_F(HelpViewerTest, F1OpensTheManualAndReloadsItOnActivation) {
  testing::WriteAll(dir_.file("Manuale_Tonalis2.rtf"), "{\\rtf1 First {\\b edition}}");
  open();
  QTest::keyClick(c().txtMem[0], Qt::Key_F1);
  FrmIstruzioni* viewer = FrmIstruzioni::Instance();
  ASSERT_TRUE(viewer);
  EXPECT_EQ(S(viewer->windowTitle()), " Tonalis v2");
  EXPECT_FALSE(viewer->parent()) << "not owned by the main window";
  ASSERT_TRUE(QTest::qWaitFor([&] { return viewer->rtfIstruzioni()->toPlainText() == "First edition"; }));
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_NEAR(viewer->frameGeometry().center().x(), screen.center().x(), 2);

  // The text area fills the window, whatever frame the window manager draws.
  viewer->resize(600, 400);
  QTest::qWait(0);
  EXPECT_EQ(viewer->rtfIstruzioni()->geometry(), viewer->rect());

  // F1 again: the same viewer, to the front, read again.
  testing::WriteAll(dir_.file("Manuale_Tonalis2.rtf"), "{\\rtf1 Second}");
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  QTest::keyClick(c().txtMem[0], Qt::Key_F1);
  EXPECT_EQ(FrmIstruzioni::Instance(), viewer);
  ASSERT_TRUE(QTest::qWaitFor([&] { return viewer->rtfIstruzioni()->toPlainText() == "Second"; }));

  // A damaged manual says so in the viewer.
  testing::WriteAll(dir_.file("Manuale_Tonalis2.rtf"), "{\\rtf1 cut off");
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  QTest::keyClick(c().txtMem[0], Qt::Key_F1);
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return viewer->rtfIstruzioni()->toPlainText().startsWith("The manual cannot be shown."); }));
  EXPECT_TRUE(messages_.shown.size() <= 1u) << "only the start-up message";

  // Closing the main window leaves the viewer open.
  window_->close();
  EXPECT_TRUE(viewer->isVisible());
}

TEST_F(HelpViewerTest, TheManualFromEveryDialogReadableAndClosedByTheKeyboard) {
  std::string manual = "{\\rtf1 ";
  for (int line = 0; line < 400; ++line) manual += "Line " + std::to_string(line) + "\\par ";
  testing::WriteAll(dir_.file("Manuale_Tonalis2.rtf"), manual + "}");
  open();
  const std::function<QDialog*()> openers[] = {[this] { return window_->openStationDialog(); },
                                               [this] { return window_->openHistoryDialog(); }};
  for (const auto& openDialog : openers) {
    QDialog* d = openDialog();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(d));
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
    QTest::keyClick(d, Qt::Key_F1);
    ASSERT_TRUE(FrmIstruzioni::Instance()) << d->objectName().toStdString() << ": F1 opens the manual";
    FrmIstruzioni* viewer = FrmIstruzioni::Instance();
    EXPECT_GE(viewer->width(), 700) << "a readable size";
    ASSERT_TRUE(QTest::qWaitFor([&] { return viewer->rtfIstruzioni()->toPlainText().startsWith("Line 0"); }));
    // Read on, leave, come back: the place is kept.
    QScrollBar* bar = viewer->rtfIstruzioni()->verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    const int place = bar->value();
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
    viewer->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(viewer));
    EXPECT_EQ(bar->value(), place);
    QTest::keyClick(viewer, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !FrmIstruzioni::Instance(); })) << "Escape closes it";
    d->reject();
  }
  // Ctrl+W too.
  FrmIstruzioni::Apri(kHelpFileName, kHelpTitle, messages_);
  ASSERT_TRUE(QTest::qWaitForWindowActive(FrmIstruzioni::Instance()));
  QTest::keyClick(FrmIstruzioni::Instance(), Qt::Key_W, Qt::ControlModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !FrmIstruzioni::Instance(); }));
}

// F1 in a dialog opens the manual at the section that tells of it.
TEST_F(HelpViewerTest, F1InADialogOpensTheManualAtItsSection) {
  std::string manual = "{\\rtf1 ";
  for (const char* heading : {"1. The board", "5. The station", "5a. The board history", "6. Over the air"}) {
    manual += std::string(heading) + "\\par ";
    for (int line = 0; line < 120; ++line) manual += "Text " + std::to_string(line) + "\\par ";
  }
  testing::WriteAll(dir_.file("Manuale_Tonalis2.rtf"), manual + "}");
  open();
  const std::pair<std::function<QDialog*()>, const char*> cases[] = {
      {[this] { return window_->openStationDialog(); }, "5. The station"},
      {[this] { return window_->openHistoryDialog(); }, "5a. The board history"},
      {[this] { return window_->openJournalDialog(); }, "5. The station"},
  };
  for (const auto& [openDialog, heading] : cases) {
    QDialog* d = openDialog();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(d));
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
    QTest::keyClick(d, Qt::Key_F1);
    ASSERT_TRUE(FrmIstruzioni::Instance());
    QTextEdit* text = FrmIstruzioni::Instance()->rtfIstruzioni();
    ASSERT_TRUE(QTest::qWaitFor([&] {
      return text->cursorForPosition(QPoint(4, 4)).block().text().toStdString() == heading;
    })) << heading << ": the view starts at " << text->cursorForPosition(QPoint(4, 4)).block().text().toStdString();
    FrmIstruzioni::Instance()->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !FrmIstruzioni::Instance(); }));
    d->close();
  }
}

// Tab reaches every control of each dialog and leaves a list or table after
// it (the arrows move inside one; its own buttons are reached by them).
TEST_F(HelpViewerTest, TabReachesEveryControlOfEachDialog) {
  open();
  const std::function<QDialog*()> openers[] = {[this] { return window_->openStationDialog(); },
                                               [this] { return window_->openHistoryDialog(); },
                                               [this] { return window_->openJournalDialog(); },
                                               [this] { return window_->openCommandsDialog(); }};
  for (const auto& openDialog : openers) {
    QDialog* d = openDialog();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(d));
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
    const std::string name = d->objectName().toStdString();
    std::set<QWidget*> reached;
    for (int press = 0; press < 80; ++press) {
      if (QWidget* focus = QApplication::focusWidget()) reached.insert(focus);
      if (getenv("TABDEBUG") && QApplication::focusWidget()) fprintf(stderr, "%s %s %s\n", QApplication::focusWidget()->metaObject()->className(), qPrintable(QApplication::focusWidget()->objectName()), qobject_cast<QAbstractButton*>(QApplication::focusWidget()) ? qPrintable(qobject_cast<QAbstractButton*>(QApplication::focusWidget())->text()) : "");
      QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : d, Qt::Key_Tab);
    }
    for (QWidget* w : d->findChildren<QWidget*>()) {
      if (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus)) continue;
      bool inList = false;
      for (QWidget* up = w->parentWidget(); up && up != d; up = up->parentWidget())
        inList = inList || qobject_cast<QAbstractItemView*>(up) || qobject_cast<QComboBox*>(up) ||
                 qobject_cast<QAbstractSpinBox*>(up);
      if (inList) continue;
      QWidget* takes = w->focusProxy() ? w->focusProxy() : w;
      EXPECT_TRUE(reached.count(takes)) << name << ": " << w->metaObject()->className() << " "
                                    << w->objectName().toStdString() << " "
                                    << w->accessibleName().toStdString() << " is never reached";
    }
    d->close();
  }
}

TEST_F(HelpViewerTest, AMissingManualIsReportedAndNothingStays) {
  open();
  messages_.shown.clear();
  FrmIstruzioni::Apri("Nessun_Manuale.rtf", kHelpTitle, messages_);
  QPointer<FrmIstruzioni> viewer = FrmIstruzioni::Instance();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !viewer; }));
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0],
            (UserMessage{"Sonabel v3r", "The help file Nessun_Manuale.rtf is missing", UserMessage::Icon::Error}));
}

class BoardWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    board_ = std::make_unique<testing::BoardSimProcess>(dir_.path().string(),
                                                        QStringList{"--image", Q(dir_.file("board.bin"))});
    testing::WriteAll(dir_.file("ports.ini"), "COM1=" + board_->link() + "\n");
  }
  std::unique_ptr<testing::BoardSimProcess> board_;
};

TEST_F(BoardWindowTest, EnableReadEditProgramAndReadBack) {
  open();
  std::ostringstream traced;
  SerialTrace trace(traced);
  window_->link().setTrace(&trace);
  // ports.ini is read from the program's settings folder; this one uses the test's.
  window_->link().setProgrammingTicked(false, "1");
  c().chkPrg->click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return window_->dialog() && window_->dialog()->isVisible(); }, 3000))
      << (messages_.shown.empty() ? "" : messages_.shown.back().text);
  EXPECT_EQ(window_->dialog()->lblInfo()->text(), "Quorvantelix v3.0 detected.");
  EXPECT_TRUE(c().cmdRead->isEnabled() && c().cmdSend->isEnabled() && !c().txtPrgComm->isEnabled());

  // Validation refuses before anything is sent.
  c().cmdSend->click();
  ASSERT_FALSE(messages_.shown.empty());
  EXPECT_EQ(messages_.shown.back().text, "Checksum ID empty.");

  QSignalSpy finished(&window_->link(), &BoardLink::exchangeFinished);
  c().cmdRead->click();
  EXPECT_FALSE(c().cmdRead->isEnabled() || c().cmdSend->isEnabled()) << "one exchange at a time";
  ASSERT_TRUE(finished.wait(15000));
  ASSERT_TRUE(finished.first().first().toBool());
  EXPECT_EQ(window_->dialog()->lblInfo()->text(), "Data from Quorvantelix v3.0 successfully read");
  EXPECT_EQ(c().txtCallID->text(), "") << "a board never programmed: no call of 'ÿ'";
  EXPECT_EQ(c().txtMorseSpeed->text(), "");
  EXPECT_EQ(messages_.shown.back().text.rfind("The board looks unprogrammed", 0), 0u);

  const DecoderConfig example = testing::WorkedExample();
  for (auto [field, text] : {std::pair{c().txtCrcTag, "#"},
                             {c().txtMorseSpeed, "20"},
                             {c().txtTmr2, "10"},
                             {c().txtBlo, "11.5"},
                             {c().txtBhi, "13.8"},
                             {c().txtSeqCmd, "1234"},
                             {c().txtCallID, "ABC"}})
    field->setText(text);
  for (int n = 0; n < kCommandCount; ++n)
    c().txtMem[static_cast<std::size_t>(n)]->setText(Q(example.txtMem[static_cast<std::size_t>(n)]));
  c().chkOutput[0]->setChecked(true);
  c().chkOutput[1]->setChecked(false);
  c().chkOutput[2]->setChecked(false);
  c().chkOutput[3]->setChecked(false);
  c().chkBCheck->setChecked(false);
  ASSERT_EQ(window_->readConfig(), example);
  finished.clear();
  c().cmdSend->click();
  ASSERT_TRUE(finished.wait(15000));
  EXPECT_TRUE(finished.first().first().toBool());
  EXPECT_EQ(window_->dialog()->lblInfo()->text(), "Quorvantelix v3.0 successfully programmed");

  c().txtMem[0]->setText("5");
  c().chkOutput[0]->setChecked(false);
  finished.clear();
  c().cmdRead->click();
  // Generous on a busy machine: the board's own pacing sets the pace, not this wait.
  ASSERT_TRUE(finished.count() == 1 || finished.wait(15000));
  ASSERT_TRUE(finished.first().first().toBool()) << "the read-back succeeded: "
                                                 << window_->dialog()->lblInfo()->text().toStdString();
  EXPECT_EQ(window_->dialog()->lblInfo()->text(), "Data from Quorvantelix v3.0 successfully read");
  EXPECT_EQ(window_->readConfig(), example);
  EXPECT_EQ(c().chkOutput[0]->text(), "Output 1 ON");

  // Loading a file that names another port closes this one.
  const std::string other = dir_.file("port3.prg");
  ASSERT_FALSE(WriteConfigFile(other, {example, "3"}));
  window_->loadConfigFile(Q(other));
  EXPECT_FALSE(c().chkPrg->isChecked());
  EXPECT_EQ(c().txtPrgComm->text(), "3");
  EXPECT_FALSE(window_->link().portOpen());

  // Closing with the port open ends the session first.
  c().txtPrgComm->setText("1");
  c().chkPrg->click();
  ASSERT_TRUE(window_->link().portOpen());
  QTest::qWait(100);
  messages_.answers = {"Discard"};  // what was read and edited is not kept
  window_->close();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window_->isVisible(); }, 1000));
  QTest::qWait(100);
  const Bytes received = board_->received();
  EXPECT_EQ(Bytes(received.end() - 2, received.end()), kEndSession);
  EXPECT_NE(settingsFile().find("\"1\",\"200\""), std::string::npos);
  EXPECT_NE(traced.str().find(" TX FF CC\n"), std::string::npos) << traced.str().substr(0, 400);
  EXPECT_NE(traced.str().find(" RX FF"), std::string::npos);
}

TEST(WindowProgram, RefusesWhatItCannotUseBeforeOpening) {
  const auto version = testing::RunProgram(QStringLiteral(TONALIS_GUI), {"--version"});
  EXPECT_EQ(version.exitCode, 0) << version.err;
  EXPECT_EQ(version.out, "tonalis 3.0\n");

  const auto refused = testing::RunProgram(QStringLiteral(TONALIS_GUI), {"--serial-trace", "/nonexistent/trace.txt"});
  EXPECT_FALSE(refused.crashed);
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_NE(refused.err.find("Cannot write the trace file /nonexistent/trace.txt."), std::string::npos) << refused.err;

  const auto noDevice = testing::RunProgram(QStringLiteral(TONALIS_GUI), {"--audio-device", "No Such Card"});
  EXPECT_FALSE(noDevice.crashed);
  EXPECT_EQ(noDevice.exitCode, 2);
  EXPECT_NE(noDevice.err.find("No sound output device is called No Such Card."), std::string::npos) << noDevice.err;

  // A device that is there: the window opens and stays.
  QProcess window;
  window.setProcessEnvironment(testing::ProgramEnvironment());
  window.start(QStringLiteral(TONALIS_GUI), {"--audio-device", "default"});
  ASSERT_TRUE(window.waitForStarted());
  EXPECT_FALSE(window.waitForFinished(1500)) << window.readAllStandardError().toStdString();
  window.kill();
  window.waitForFinished();
}

TEST_F(BoardWindowTest, ClosingDuringProgramAsksAndSaysWhatTheBoardMayHold) {
  open();
  ASSERT_FALSE(WriteConfigFile(dir_.file("site1.prg"), {testing::WorkedExample(), "1"}));
  window_->loadConfigFile(Q(dir_.file("site1.prg")));
  window_->link().setProgrammingTicked(false, "1");
  c().chkPrg->click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return window_->dialog() && window_->dialog()->isVisible(); }, 3000));
  c().cmdSend->click();
  ASSERT_TRUE(window_->link().exchangeRunning());
  messages_.answers = {"Wait"};
  window_->close();
  QTest::qWait(50);
  EXPECT_TRUE(window_->isVisible());
  EXPECT_TRUE(window_->link().exchangeRunning()) << "waiting leaves PROGRAM alone";
  messages_.answers = {"Close anyway"};
  window_->close();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window_->isVisible(); }, 1000));
  ASSERT_EQ(messages_.asked.size(), 2u);
  EXPECT_EQ(messages_.asked[1].text.rfind("PROGRAM is writing the board.", 0), 0u);
  ASSERT_FALSE(messages_.shown.empty());
  EXPECT_EQ(messages_.shown.back().text.rfind("PROGRAM was stopped: the board may now hold part", 0), 0u);
}

TEST_F(WindowTest, UnsavedEditsAreNeverLostWithoutAQuestion) {
  struct Case {
    const char* answer;
    bool closes;
    bool saved;
  };
  const std::string path = dir_.file("site1.prg");
  for (const Case& c : {Case{"Cancel", false, false}, Case{"Discard", true, false}, Case{"Save", true, true}}) {
    ASSERT_FALSE(WriteConfigFile(path, {testing::WorkedExample(), "1"}));
    open();
    window_->loadConfigFile(Q(path));
    window_->controls().txtMem[5]->setText("5555");
    messages_.asked.clear();
    messages_.answers = {c.answer};
    window_->close();
    ASSERT_EQ(messages_.asked.size(), 1u) << c.answer;
    EXPECT_NE(messages_.asked[0].text.find("site1.prg"), std::string::npos);
    QTest::qWait(50);
    EXPECT_EQ(window_->isVisible(), !c.closes) << c.answer;
    EXPECT_EQ(testing::ReadAll(path).find("5555") != std::string::npos, c.saved) << c.answer;
    window_.reset();
  }
}

TEST_F(WindowTest, ATerminationSignalStopsTheSendAndKeepsTheSettings) {
  open();
  c().Text1->setText("147");
  c().Text2->setText("5000");
  QSignalSpy finished(&window_->sender(), &SequenceSender::finished);
  c().cmdTone->click();
  window_->close();
  EXPECT_TRUE(window_->isVisible()) << "the close button still waits for the sound";
  window_->quitForSignal(15);
  ASSERT_TRUE(finished.count() == 1 || finished.wait(3000)) << "stopped at once, not after 15 s of tones";
  EXPECT_EQ(finished.first().at(0).toString(), "Sequence stopped: stopped by signal 15.");
  EXPECT_NE(settingsFile().find("147"), std::string::npos) << "the settings are saved";
}

// Each of the main buttons is reached by Alt and a letter, its caption as it was.
TEST_F(WindowTest, TheMainButtonsHaveMnemonics) {
  open();
  const std::pair<QAbstractButton*, const char*> buttons[] = {
      {c().cmdLoad, "Load"},   {c().cmdSave, "Save"},       {c().chkPrg, "Enable"},
      {c().cmdRead, "READ"},   {c().cmdSend, "PROGRAM"},    {c().chkPtt, "Enable"},
      {c().cmdTone, "Send Sequence"}, {c().cmdSeqCalc, "Calculate Sequence to Send"},
  };
  for (const auto& [button, caption] : buttons) {
    EXPECT_FALSE(QKeySequence::mnemonic(button->text()).isEmpty()) << caption;
    EXPECT_EQ(QString(button->text()).remove('&').toStdString(), caption);
  }
  QApplication::setActiveWindow(window_.get());
  QTest::keyClick(window_.get(), Qt::Key_L, Qt::AltModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return window_->findChild<QFileDialog*>() != nullptr; }, 2000))
      << "Alt+L loads";
  window_->findChild<QFileDialog*>()->reject();
}

// A send under way stops with Escape, or with the Stop button that stands in
// Send Sequence's place meanwhile.
TEST_F(WindowTest, EscapeOrStopEndsASend) {
  open();
  messages_.shown.clear();
  for (const bool escape : {true, false}) {
    c().Text1->setText("147");
    c().Text2->setText("5000");
    QSignalSpy finished(&window_->sender(), &SequenceSender::finished);
    c().cmdTone->click();
    auto* stop = window_->findChild<QPushButton*>("cmdStop");
    ASSERT_TRUE(stop);
    EXPECT_FALSE(stop->isHidden());
    EXPECT_TRUE(c().cmdTone->isHidden());
    EXPECT_EQ(stop->geometry(), c().cmdTone->geometry()) << "in its place, which does not move";
    if (escape)
      QTest::keyClick(c().Text1, Qt::Key_Escape);
    else
      stop->click();
    ASSERT_TRUE(finished.count() == 1 || finished.wait(3000)) << "stopped at once, not after 15 s of tones";
    EXPECT_EQ(finished.first().at(0).toString(), "Sequence stopped: Stop was pressed.");
    EXPECT_TRUE(stop->isHidden());
    EXPECT_FALSE(c().cmdTone->isHidden());
    EXPECT_TRUE(c().cmdTone->isEnabled());
  }
  QTest::keyClick(c().Text1, Qt::Key_Escape);  // nothing to stop: nothing happens
  EXPECT_TRUE(messages_.shown.empty());
  // Ctrl+Q closes, as the close button does.
  QApplication::setActiveWindow(window_.get());
  QTest::keyClick(c().Text1, Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(window_->isVisible());
}

// ALSA's file device on a FIFO nobody reads blocks in its opening, as a hung
// sound server does.
TEST_F(WindowTest, ASoundDeviceThatHangsNeverFreezesTheWindow) {
  const std::string played = (gScratch / "played.raw").string();
  std::filesystem::remove(played);
  ASSERT_EQ(::mkfifo(played.c_str(), 0600), 0);
  open();
  window_->player().setDeviceTimeout(std::chrono::milliseconds(1000));
  c().Text1->setText("1");
  QSignalSpy finished(&window_->sender(), &SequenceSender::finished);
  c().cmdTone->click();  // returns: the opening is not on this thread
  QTest::qWait(200);
  EXPECT_FALSE(window_->grab().isNull()) << "the window repaints while the device hangs";
  EXPECT_EQ(c().lblInfoSend->text(), "Sending Sequence.....");
  ASSERT_TRUE(finished.wait(5000));
  EXPECT_EQ(c().lblInfoSend->text(), "Sequence not sent: the sound device does not respond.");
  ASSERT_FALSE(messages_.shown.empty());
  EXPECT_NE(messages_.shown.back().text.find("does not respond"), std::string::npos);
  window_->close();
  EXPECT_FALSE(window_->isVisible()) << "and it closes";

  // A reader lets the opening go.
  const int reader = ::open(played.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window_->player().deviceBusy(); }, 5000));
  ::close(reader);
  std::filesystem::remove(played);
}

}  // namespace
}  // namespace tonalis

int main(int argc, char** argv) {
  const auto scratch = std::filesystem::temp_directory_path() / ("tonalis-window-" + std::to_string(::getpid()));
  tonalis::gScratch = scratch;
  tonalis::testing::UseAlsaFileDevice(scratch);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  const int status = RUN_ALL_TESTS();
  std::filesystem::remove_all(scratch);
  return status;
}
