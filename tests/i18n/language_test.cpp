// SPDX-License-Identifier: GPL-3.0-or-later
// The program in Italian: which language is chosen, every text found in the
// translation, the window laid out as in English, and mnemonics that work.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTranslator>
#include <filesystem>
#include <map>
#include <set>

#include "i18n/language.h"
#include "support/recording.h"
#include "support/test_files.h"
#include "tone/portaudio_output.h"
#include "ui/commands_dialog.h"
#include "ui/help_viewer.h"
#include "ui/history_dialog.h"
#include "ui/journal_dialog.h"
#include "ui/main_window.h"
#include "ui/progress_dialog.h"
#include "ui/station_dialog.h"

namespace tonalis {
namespace {

TEST(Language, TheCommandLineThenTheSettingThenTheSystem) {
  const struct {
    const char* option;
    const char* setting;
    const char* system;
    const char* chosen;
  } cases[] = {
      {"", "", "it_IT", "it"},     {"", "", "it_CH", "it"},    {"", "", "de_DE", "en"},   {"", "", "C", "en"},
      {"", "it", "en_US", "it"},   {"", "auto", "it_IT", "it"}, {"en", "it", "it_IT", "en"}, {"it", "en", "en_US", "it"},
      {"", "en", "it_IT", "en"},   {"auto", "", "it_IT", "it"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ChooseLanguage(c.option, c.setting, QLocale(c.system)).toStdString(), c.chosen)
        << c.option << " / " << c.setting << " / " << c.system;
  for (const char* name : {"", "auto", "en", "it"}) EXPECT_TRUE(IsLanguageChoice(name)) << name;
  for (const char* name : {"fr", "IT", "italian", " it", "it_IT"}) EXPECT_FALSE(IsLanguageChoice(name)) << name;
}

TEST(Language, TheManualAndTheLanguageInstalledAndRemoved) {
  ASSERT_FALSE(InstallTranslations(*qApp, "it", TONALIS_BUILT_TRANSLATIONS));
  EXPECT_EQ(ProgramLanguage().toStdString(), "it");
  EXPECT_EQ(Tr("Send Sequence").toStdString(), "Invia sequenza");
  EXPECT_EQ(InLanguage("/a.b/Manual.rtf").toStdString(), "/a.b/Manual_it.rtf");
  EXPECT_EQ(InLanguage("/a.b/Manual").toStdString(), "/a.b/Manual_it");
  // F1 opens the Italian manual, in its own words and accents.
  testing::RecordingMessages messages;
  FrmIstruzioni* viewer =
      FrmIstruzioni::Apri(QString(TONALIS_SOURCE_DIR) + "/docs/manual/" + kHelpFileName, kHelpTitle, messages);
  QApplication::processEvents();
  const QString shown = viewer->findChild<QTextEdit*>()->toPlainText();
  EXPECT_TRUE(shown.contains(QString::fromUtf8("Tonalis è lo strumento dell'operatore"))) << shown.left(200).toStdString();
  delete viewer;
  // English again: the Italian goes, and the English manual is the one.
  ASSERT_FALSE(InstallTranslations(*qApp, "en"));
  EXPECT_EQ(Tr("Send Sequence").toStdString(), "Send Sequence");
  EXPECT_EQ(InLanguage("Manual.rtf").toStdString(), "Manual.rtf");
  EXPECT_TRUE(InstallTranslations(*qApp, "it", "/nonexistent")) << "a translation that is not there is said";
  InstallTranslations(*qApp, "en");
}

// Remembers each of the program's texts that the translation did not have.
class RecordingTranslator : public QTranslator {
 public:
  QString translate(const char* context, const char* source, const char* disambiguation, int n) const override {
    QString found = QTranslator::translate(context, source, disambiguation, n);
    if (found.isEmpty() && QByteArray(context).startsWith("tonalis") && source && *source)
      missed.insert(std::string(context) + ": " + source);
    return found;
  }
  mutable std::set<std::string> missed;
};

// Letters a window's mnemonics use more than once among the controls shown
// together (the window's own, and those of one tab page at a time).
std::vector<std::string> RepeatedMnemonics(QWidget* window) {
  std::map<QWidget*, std::map<QChar, QStringList>> byPage;  // nullptr: the window's own
  auto pageOf = [window](QWidget* w) -> QWidget* {
    for (QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
      if (auto* tabs = qobject_cast<QTabWidget*>(p->parentWidget() ? p->parentWidget()->parentWidget() : nullptr))
        if (tabs->indexOf(p) >= 0) return p;
    return nullptr;
  };
  for (QWidget* w : window->findChildren<QWidget*>()) {
    QString text;
    if (auto* b = qobject_cast<QAbstractButton*>(w)) text = b->text();
    else if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy()) text = l->text();
    else if (auto* g = qobject_cast<QGroupBox*>(w)) text = g->title();
    const int at = QString(text).replace("&&", "__").indexOf('&');
    if (at >= 0 && at + 1 < text.size()) byPage[pageOf(w)][text[at + 1].toLower()] << text;
  }
  std::vector<std::string> repeated;
  for (const auto& [page, letters] : byPage)
    for (const auto& [letter, texts] : letters) {
      QStringList together = texts;
      if (page && byPage.count(nullptr) && byPage[nullptr].count(letter)) together += byPage[nullptr][letter];
      if (together.size() > 1) repeated.push_back(together.join(" / ").toStdString());
    }
  return repeated;
}

// The window and each dialog, opened; `check` sees each.
template <typename Check>
void OpenEverything(const QString& folder, Check check) {
  testing::RecordingMessages messages;
  PortAudioOutput audio;
  FrmTone window(messages, audio, folder);
  window.show();
  check(static_cast<QWidget*>(&window), window);
  for (QWidget* dialog : std::initializer_list<QWidget*>{window.openStationDialog(), window.openHistoryDialog(),
                                                         window.openCommandsDialog(), window.openJournalDialog()}) {
    QApplication::processEvents();
    check(dialog, window);
    dialog->close();
  }
  window.setMessage("\r\nReading Data...");
  window.showDialog();
  check(static_cast<QWidget*>(window.dialog()), window);
  window.dialog()->hide();
}

TEST(ItalianWindow, EveryTextIsTranslatedAndTheWindowKeepsItsLayout) {
  testing::TempDir dir;
  const QString folder = QString::fromStdString(dir.path().u8string());
  // The layout in English first: its scale, and the tab row clear of the buttons beside it.
  double englishScale = 0;
  auto layout = [&englishScale](QWidget* w, FrmTone& window) {
    if (w != &window) return;
    const auto& c = window.controls();
    if (englishScale == 0) englishScale = c.scale;
    EXPECT_EQ(c.scale, englishScale) << "the Italian texts need a larger window, set by " << c.scaleSetBy.toStdString();
    QTabBar* bar = c.SSTab1->tabBar();
    const int tabsEnd = bar->mapTo(&window, bar->tabRect(bar->count() - 1).topRight()).x();
    for (const char* name : {"cmdHistory", "cmdStation"})
      EXPECT_LT(tabsEnd, window.findChild<QWidget*>(name)->geometry().left()) << name << " covers a tab";
  };
  OpenEverything(folder, [&](QWidget* w, FrmTone& window) {
    layout(w, window);
    for (const auto& repeated : RepeatedMnemonics(w))
      ADD_FAILURE() << w->objectName().toStdString() << " (English): " << repeated;
  });

  RecordingTranslator italian;
  ASSERT_TRUE(italian.load("tonalis_it", TONALIS_BUILT_TRANSLATIONS));
  QApplication::installTranslator(&italian);
  OpenEverything(folder, [&](QWidget* w, FrmTone& window) {
    layout(w, window);
    for (const auto& repeated : RepeatedMnemonics(w))
      ADD_FAILURE() << w->objectName().toStdString() << " (Italian): " << repeated;
  });
  QApplication::removeTranslator(&italian);
  for (const auto& miss : italian.missed) ADD_FAILURE() << "not in the translation: " << miss;
  EXPECT_GT(englishScale, 0);
}

}  // namespace
}  // namespace tonalis
