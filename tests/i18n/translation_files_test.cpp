// SPDX-License-Identifier: GPL-3.0-or-later
// The Italian translation file against the sources: every text the program
// shows is there and translated, with its placeholders, mnemonic and spaces.
#include <gtest/gtest.h>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <cstring>
#include <map>
#include <set>
#include <utility>

#include "support/test_files.h"

namespace tonalis {
namespace {

struct Entry {
  QString translation;
  bool unfinished = false;
};
using Entries = std::map<std::pair<QString, QString>, Entry>;  // (context, source)

Entries ReadTs(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QXmlStreamReader xml(&file);
  Entries entries;
  QString context, source;
  while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (xml.name() == QLatin1String("source")) {
      source = xml.readElementText();
    } else if (xml.name() == QLatin1String("translation")) {
      Entry e;
      e.unfinished = xml.attributes().value("type") == QLatin1String("unfinished");
      e.translation = xml.readElementText();
      entries[{context, source}] = e;
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return entries;
}

// "%1", "%2"... in order of number, each as often as it appears.
QStringList Placeholders(const QString& text) {
  QStringList found;
  for (const auto& m : QRegularExpression("%\\d").globalMatch(text)) found << m.captured();
  found.sort();
  return found;
}

int Mnemonics(const QString& text) { return static_cast<int>(QString(text).remove("&&").count('&')); }

TEST(Translations, EveryTextOfTheSourcesIsInTheItalianFileAndTranslated) {
  testing::TempDir dir;
  const QString fresh = QString::fromStdString(dir.file("fresh_it.ts"));
  // The sources' texts now, as the build's lupdate reads them.
  QProcess lupdate;
  QStringList arguments = QString(TONALIS_LUPDATE_OPTIONS).split(' ');
  arguments << "-recursive" << QString(TONALIS_SOURCE_DIR) + "/src" << "-ts" << fresh;
  lupdate.start(TONALIS_LUPDATE, arguments);
  ASSERT_TRUE(lupdate.waitForFinished(120000)) << "lupdate runs";
  ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
  const Entries sources = ReadTs(fresh);
  const Entries italian = ReadTs(QString(TONALIS_SOURCE_DIR) + "/translations/tonalis_it.ts");
  ASSERT_GT(sources.size(), 300u);

  for (const auto& [key, unused] : sources)
    EXPECT_TRUE(italian.count(key)) << "not in tonalis_it.ts (run the update_translations target): "
                                    << key.first.toStdString() << ": " << key.second.toStdString();
  // The classes that translate with tr(): those with Q_OBJECT.
  std::set<QString> translatingClasses;
  QDirIterator sourceFiles(QString(TONALIS_SOURCE_DIR) + "/src", {"*.h", "*.cpp"}, QDir::Files,
                           QDirIterator::Subdirectories);
  const QRegularExpression qobject("class\\s+(\\w+)[^;{]*\\{\\s*Q_OBJECT");
  while (sourceFiles.hasNext()) {
    QFile file(sourceFiles.next());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    for (const auto& m : qobject.globalMatch(QString::fromUtf8(file.readAll())))
      translatingClasses.insert(m.captured(1));
  }
  ASSERT_TRUE(translatingClasses.count("FrmTone"));
  for (const auto& [key, entry] : italian) {
    const std::string where = key.first.toStdString() + ": \"" + key.second.toStdString() + "\"";
    // The context Tr() and tr() look in: a misread declaration gives another.
    EXPECT_TRUE(key.first == "tonalis" || key.first.startsWith("tonalis::")) << where;
    // Tr() and the command line look their texts up in the namespace's
    // context, tr() in its class's: a text marked inside another class (or
    // where lupdate misread a declaration) would never be found.
    EXPECT_TRUE(key.first == "tonalis" || key.first == "tonalis::cli" ||
                translatingClasses.count(key.first.mid(static_cast<int>(std::strlen("tonalis::")))))
        << "mark it TONALIS_TEXT at namespace scope: " << where;
    EXPECT_TRUE(sources.count(key)) << "no longer in the sources: " << where;
    EXPECT_FALSE(entry.unfinished || entry.translation.isEmpty()) << "not translated: " << where;
    if (entry.translation.isEmpty()) continue;
    EXPECT_EQ(Placeholders(entry.translation), Placeholders(key.second)) << where;
    EXPECT_EQ(Mnemonics(entry.translation), Mnemonics(key.second)) << where;
    // A text that is put after another ("  (not found)") keeps its spaces.
    const auto lead = [](const QString& s) { return s.size() - QString(s).remove(QRegularExpression("^ +")).size(); };
    const auto tail = [](const QString& s) { return s.size() - QString(s).remove(QRegularExpression(" +$")).size(); };
    EXPECT_EQ(lead(entry.translation), lead(key.second)) << where;
    EXPECT_EQ(tail(entry.translation), tail(key.second)) << where;
  }
}

}  // namespace
}  // namespace tonalis
