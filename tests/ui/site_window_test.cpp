// SPDX-License-Identifier: GPL-3.0-or-later
// The window working on two sites: this computer's board, and a board behind
// OpenSSH's own server on loopback reached through the site's agent.
#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>
#include <QDialog>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

#include "config/decoder_image.h"
#include "storage/config_file.h"
#include "support/board_sim_process.h"
#include "support/dtmf_decode.h"
#include "support/examples.h"
#include "support/free_port.h"
#include "support/real_time_fifo.h"
#include "support/recording.h"
#include "support/run_cli.h"
#include "support/shots.h"
#include "support/sshd.h"
#include "support/test_files.h"
#include "tone/portaudio_output.h"
#include "ui/commands_dialog.h"
#include "ui/main_window.h"
#include "ui/progress_dialog.h"
#include "ui/site_bar.h"
#include "ui/sites_panel.h"
#include "ui/station_dialog.h"

namespace tonalis {
namespace {

using testing::TempDir;
using testing::WriteAll;

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The READ or PROGRAM shown in the progress dialog has ended.
bool WaitForOk(FrmTone& window) {
  return QTest::qWaitFor([&] { return window.dialog() && window.dialog()->okButton()->isVisible(); }, 60000);
}

// The dialog a site's journal or history is shown in, once its text holds `part`.
QPlainTextEdit* SiteText(const QString& title, const QString& part) {
  QPlainTextEdit* text = nullptr;
  const bool found = QTest::qWaitFor(
      [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
          if (w->isVisible() && w->windowTitle() == title) text = w->findChild<QPlainTextEdit*>();
        return text && text->toPlainText().contains(part);
      },
      30000);
  if (!found && text) ADD_FAILURE() << text->toPlainText().toStdString();
  return found ? text : nullptr;
}

TEST(SiteWindow, ReadsBothSitesProgramsAndSendsAtTheChosenOne) {
  TempDir dir;
  testing::Sshd sshd(dir.file("sshd"), TONALIS_CLI);
  if (!sshd.missing().empty()) GTEST_SKIP() << sshd.missing();
  ASSERT_TRUE(sshd.running()) << sshd.output();
  sshd.trust();
  // The site's board on its COM2; this computer's on COM1.
  std::filesystem::create_directories(dir.file("remote-board"));
  std::filesystem::create_directories(dir.file("local-board"));
  testing::BoardSimProcess remote(dir.file("remote-board"));
  testing::BoardSimProcess local(dir.file("local-board"));
  WriteAll(sshd.site() + "/ports.ini", "COM2=" + remote.link() + "\n");
  WriteAll(dir.file("ports.ini"), "COM1=" + local.link() + "\n");
  const std::string prg = dir.file("hilltop.prg");
  const DecoderConfig example = testing::WorkedExample();
  ASSERT_FALSE(WriteConfigFile(prg, {example, "2"}));
  ASSERT_EQ(testing::RunCli({"program", Q(prg), "--port", Q(remote.link())}).exitCode, 0);

  testing::RecordingMessages messages;
  PortAudioOutput audio;
  qputenv("TONALIS_SSH", QByteArray::fromStdString(sshd.sshCommand()));
  FrmTone window(messages, audio, Q(dir.path().string()));
  window.load();
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  messages.shown.clear();  // no configuration file yet
  const auto& c = window.controls();
  SiteBar* bar = window.siteBar();
  // Without a site, the window is as it always was.
  const QSize alone = window.size();
  const QRect tabs = c.SSTab1->geometry();
  EXPECT_FALSE(bar->isVisible());

  WriteAll(dir.file("sites.ini"), "[Hilltop]\nwhere=" + sshd.address() + "\nconfig=" + prg +
                                      "\n[Valley]\nwhere=ssh://127.0.0.1:" + std::to_string(testing::FreePort()) +
                                      "\n[Shack]\nwhere=this computer\n");
  bar->reload();
  ASSERT_TRUE(bar->isVisible());
  EXPECT_EQ(bar->chooser()->count(), 3) << "this computer, then Hilltop and Valley";
  EXPECT_EQ(window.width(), alone.width());
  EXPECT_GT(window.height(), alone.height());
  EXPECT_EQ(c.SSTab1->geometry(), tabs) << "no specified control moves";
  EXPECT_GE(bar->geometry().top(), tabs.bottom());

  // This computer: as ever, on the local port.
  c.txtPrgComm->setText("1");
  c.chkPrg->click();
  ASSERT_TRUE(c.cmdRead->isEnabled());
  c.cmdRead->click();
  ASSERT_TRUE(WaitForOk(window));
  EXPECT_EQ(window.dialog()->lblInfo()->text().indexOf("Hilltop"), -1);
  window.dialog()->okButton()->click();

  // The site: the local port is let go, the title and the status line name it.
  ASSERT_TRUE(bar->choose("Hilltop"));
  EXPECT_FALSE(c.chkPrg->isChecked());
  EXPECT_FALSE(c.chkPrg->isEnabled());
  EXPECT_FALSE(c.chkPtt->isEnabled());
  EXPECT_TRUE(window.windowTitle().contains(" - at Hilltop")) << window.windowTitle().toStdString();
  EXPECT_TRUE(c.lblInfoSend->text().startsWith("At Hilltop:")) << c.lblInfoSend->text().toStdString();
  c.txtPrgComm->setText("2");
  c.cmdRead->click();
  EXPECT_FALSE(c.cmdRead->isEnabled()) << "one READ at a time";
  ASSERT_TRUE(WaitForOk(window));
  const QString readText = window.dialog()->lblInfo()->text();
  EXPECT_NE(readText.indexOf("READ at Hilltop\nReaching Hilltop..."), -1) << readText.toStdString();
  EXPECT_NE(readText.indexOf("Quorvantelix v3.0 detected."), -1) << readText.toStdString();
  EXPECT_NE(readText.indexOf("Done at Hilltop."), -1) << readText.toStdString();
  EXPECT_EQ(window.readConfig().txtMem, DecodeImage(ValidateAndEncode(example).image).txtMem);
  testing::Shot(&window, "window-at-hilltop-read");
  window.dialog()->okButton()->click();

  // PROGRAM at the site writes what the fields hold there; closing meanwhile asks first.
  c.txtMem[3]->setText("4444");
  c.cmdSend->click();
  EXPECT_FALSE(bar->chooser()->isEnabled()) << "the site stays chosen while it works";
  messages.answers = {"Wait"};
  window.close();
  ASSERT_EQ(messages.asked.size(), 1u);
  EXPECT_NE(messages.asked[0].text.find("PROGRAM is writing the board."), std::string::npos);
  EXPECT_TRUE(window.isVisible());
  ASSERT_TRUE(WaitForOk(window));
  EXPECT_TRUE(bar->chooser()->isEnabled());
  EXPECT_NE(window.dialog()->lblInfo()->text().indexOf("successfully programmed"), -1)
      << window.dialog()->lblInfo()->text().toStdString();
  window.dialog()->okButton()->click();
  const std::string back = dir.file("back.prg");
  ASSERT_EQ(testing::RunCli({"read", "--port", Q(remote.link()), "-o", Q(back)}).exitCode, 0);
  EXPECT_EQ(ReadConfigFile(back).content.config.txtMem[3], "4444");

  // Send Sequence: played by the site's card, the status line says how it ended there.
  c.SSTab1->setCurrentIndex(1);
  c.Text1->setText("159D");
  c.cmdTone->click();
  EXPECT_FALSE(c.cmdTone->isVisible()) << "Stop in its place while the site sends";
  ASSERT_TRUE(QTest::qWaitFor([&] { return c.cmdTone->isVisible(); }, 60000));
  EXPECT_TRUE(c.lblInfoSend->text().startsWith("Hilltop: ")) << c.lblInfoSend->text().toStdString();
  EXPECT_EQ(testing::DecodeDtmfRaw(sshd.played()), "159D");
  testing::Shot(&window, "window-at-hilltop-sent");
  // The Commands dialog's Send: the command of the fields, at the site.
  QPushButton* send3 = window.openCommandsDialog()->findChild<QPushButton*>("send3");
  ASSERT_TRUE(send3);
  send3->click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return c.cmdTone->isVisible() && !bar->busy(); }, 60000));
  EXPECT_EQ(testing::DecodeDtmfRaw(sshd.played()), "4444") << "command 3 as the fields hold it";
  send3->window()->close();

  // The site's journal and history, read from here.
  EXPECT_EQ(window.openJournalDialog(), nullptr) << "not this computer's";
  QPlainTextEdit* journal = SiteText("Journal at Hilltop", "command 3");
  ASSERT_TRUE(journal);
  EXPECT_TRUE(journal->toPlainText().contains("159D")) << journal->toPlainText().toStdString();
  journal->window()->close();
  EXPECT_EQ(window.openHistoryDialog(), nullptr);
  QPlainTextEdit* history = SiteText("History at Hilltop", "PROGRAM");
  ASSERT_TRUE(history) << "the READ and PROGRAM at the site";
  history->window()->close();

  // Escape stops a send at the site, which says when its transmitter is released.
  testing::RealTimeFifo card(sshd.site());
  WriteAll(sshd.site() + "/asound.conf", testing::ReadAll(card.conf()));
  c.Text1->setText(QString(60, '1'));  // 6 s
  c.cmdTone->click();
  // Once the site's card plays it.
  ASSERT_TRUE(QTest::qWaitFor([&] { return card.drained() > 0; }, 30000));
  ASSERT_FALSE(c.cmdTone->isVisible()) << c.lblInfoSend->text().toStdString();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(c.Text1, Qt::Key_Escape);
  ASSERT_TRUE(QTest::qWaitFor([&] { return c.cmdTone->isVisible(); }, 10000));
  EXPECT_TRUE(c.lblInfoSend->text().startsWith("Hilltop: Sequence stopped")) << c.lblInfoSend->text().toStdString();

  // A site that cannot be reached: said in the dialog, in red, nothing changed here.
  ASSERT_TRUE(bar->choose("Valley"));
  const DecoderConfig before = window.readConfig();
  c.cmdRead->click();
  ASSERT_TRUE(WaitForOk(window));
  EXPECT_NE(window.dialog()->lblInfo()->text().indexOf("Cannot reach 127.0.0.1"), -1)
      << window.dialog()->lblInfo()->text().toStdString();
  EXPECT_EQ(window.readConfig(), before);
  window.dialog()->okButton()->click();

  // A site whose address cannot be used: said, and nothing done here instead.
  WriteAll(dir.file("sites.ini"), testing::ReadAll(dir.file("sites.ini")) + "[Odd]\nwhere=ssh://-oProxyCommand=x\n");
  bar->reload();
  ASSERT_TRUE(bar->choose("Odd"));
  EXPECT_TRUE(window.windowTitle().contains(" - at Odd"));
  c.cmdRead->click();
  EXPECT_EQ(window.openJournalDialog(), nullptr);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_NE(messages.shown[0].text.find("Odd cannot be reached: "), std::string::npos) << messages.shown[0].text;
  messages.shown.clear();

  // Back here: the local port is this computer's again.
  ASSERT_TRUE(bar->choose(""));
  EXPECT_TRUE(c.chkPrg->isEnabled());
  EXPECT_FALSE(window.windowTitle().contains(" - at "));

  // Every site in one view.
  StationDialog* station = window.openStationDialog();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(station));
  SitesPanel* sites = station->sitesPanel();
  station->findChild<QTabWidget*>()->setCurrentWidget(sites);
  sites->checkAllButton()->click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !sites->checking(); }, 180000));
  EXPECT_EQ(sites->table()->item(0, SitesPanel::LastRead)->text(), "1 field(s) differ from hilltop.prg");
  EXPECT_TRUE(sites->table()->item(0, SitesPanel::LastSend)->text().contains(" " + QString(60, '1') + ": Sequence stopped"))
      << "the window's last send there";
  testing::Shot(station, "station-two-sites");
  QTest::keyClick(station, Qt::Key_Escape);
  qunsetenv("TONALIS_SSH");
  // What was learnt is shown again next time, without a check.
  StationDialog* again = window.openStationDialog();
  EXPECT_EQ(again->sitesPanel()->table()->item(0, SitesPanel::Board)->text(), "Quorvantelix v3.0");
  EXPECT_EQ(again->sitesPanel()->table()->item(1, SitesPanel::State)->text(), "not reachable");
  QTest::keyClick(again, Qt::Key_Escape);
  EXPECT_TRUE(messages.shown.empty()) << messages.shown[0].text;
}

}  // namespace
}  // namespace tonalis
