// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/language.h"

#include "storage/program_folder.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <algorithm>

namespace tonalis {

QString Tr(const char* text) { return QCoreApplication::translate("tonalis", text); }
std::string TrStd(const char* text) { return Tr(text).toStdString(); }

QString Tr(const char* text, std::initializer_list<QString> args) {
  const QString t = Tr(text);
  const QString* a = args.begin();
  switch (args.size()) {
    case 0: return t;
    case 1: return t.arg(a[0]);
    case 2: return t.arg(a[0], a[1]);
    case 3: return t.arg(a[0], a[1], a[2]);
    default: return t.arg(a[0], a[1], a[2], a[3]);
  }
}

namespace {
bool Speaks(const QString& name) {
  return std::any_of(std::begin(kLanguages), std::end(kLanguages), [&name](const char* l) { return name == l; });
}
}  // namespace

QString TakeLanguageOption(QStringList& arguments) {
  QString value;
  for (int i = 0; i < arguments.size();) {
    if (arguments[i] == "--language") {
      // Without a value it is none of the languages, and is said so.
      value = i + 1 < arguments.size() ? arguments[i + 1] : arguments[i];
      arguments.remove(i, std::min<qsizetype>(2, arguments.size() - i));
    } else if (arguments[i].startsWith("--language=")) {
      value = arguments.takeAt(i).mid(11);
    } else {
      ++i;
    }
  }
  return value;
}

bool IsLanguageChoice(const QString& name) { return name.isEmpty() || name == "auto" || Speaks(name); }

QString ChooseLanguage(const QString& option, const QString& setting, const QLocale& system) {
  for (const QString& chosen : {option, setting})
    if (Speaks(chosen)) return chosen;
  // The first of the system's languages (LANGUAGE=it:en, Windows' list) that the program speaks.
  for (const QString& name : system.uiLanguages()) {
    const QString language = name.section('-', 0, 0).section('_', 0, 0).toLower();
    if (Speaks(language)) return language;
  }
  return "en";
}

namespace {
QString gLanguage = "en";
constexpr const char* kTranslatorName = "tonalisTranslator";
}  // namespace

QString ProgramLanguage() { return gLanguage; }

QString InLanguage(const QString& fileName) {
  if (gLanguage == "en") return fileName;
  const int dot = fileName.lastIndexOf('.');
  const int slash = std::max(fileName.lastIndexOf('/'), fileName.lastIndexOf('\\'));
  return dot > slash ? fileName.left(dot) + "_" + gLanguage + fileName.mid(dot) : fileName + "_" + gLanguage;
}

std::optional<std::string> InstallTranslations(QCoreApplication& app, const QString& language, const QString& folder) {
  // The language installed before goes (a test speaks one, then another).
  for (QTranslator* before : app.findChildren<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly)) {
    QCoreApplication::removeTranslator(before);
    delete before;
  }
  gLanguage = "en";
  if (language == "en") return std::nullopt;
  // Beside the program (the build tree, Windows), then where the package puts them.
  QStringList folders = {ProgramFolder() + "/translations",
                         QStringLiteral(TONALIS_TRANSLATIONS_DIR)};
  if (!folder.isEmpty()) folders.prepend(folder);
  auto* own = new QTranslator(&app);
  own->setObjectName(kTranslatorName);
  bool loaded = false;
  for (const QString& place : folders)
    if ((loaded = own->load("tonalis_" + language, place))) break;
  if (!loaded) {
    delete own;
    return "The " + language.toStdString() + " translation (tonalis_" + language.toStdString() +
           ".qm) is not installed; the program speaks English.";
  }
  app.installTranslator(own);
  gLanguage = language;
  // Qt's own texts (file dialogs, standard buttons): from Qt, or beside the program.
  auto* qt = new QTranslator(&app);
  qt->setObjectName(kTranslatorName);
  folders.prepend(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  for (const QString& place : folders)
    if (qt->load("qtbase_" + language, place)) {
      app.installTranslator(qt);
      return std::nullopt;
    }
  delete qt;
  return std::nullopt;
}

}  // namespace tonalis
