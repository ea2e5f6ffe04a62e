// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <optional>
#include <string>

#include "i18n/text.h"

class QCoreApplication;

namespace tonalis {

// The languages the program speaks; English is the source.
inline constexpr const char* kLanguages[] = {"en", "it"};

// `text` in the program's language, for texts outside a window class (marked
// with Tr() or TONALIS_TEXT()).
QString Tr(const char* text);
std::string TrStd(const char* text);
// ... with %1, %2, ... filled in at once (an argument's own "%1" stays as it is); up to four.
QString Tr(const char* text, std::initializer_list<QString> args);

// The value of --language (or --language=) in `arguments`, taken out of them
// with the option: it is read before the translations that the rest of the
// command line is understood and answered in. Empty when not given.
QString TakeLanguageOption(QStringList& arguments);

// Whether `name` is a language the program speaks ("en", "it"); an empty
// name or "auto" means the system's.
bool IsLanguageChoice(const QString& name);

// The language to speak: the command line's choice, else the setting's,
// else the system's when it is one the program speaks, else English.
QString ChooseLanguage(const QString& option, const QString& setting, const QLocale& system);

// The language the program speaks: the one InstallTranslations installed.
QString ProgramLanguage();
// `fileName` in the program's language: "Manual.rtf" is "Manual_it.rtf" in
// Italian (whether or not there is one); itself in English.
QString InLanguage(const QString& fileName);

// Installs the program's and Qt's own translations for `language` into
// `app`, in place of those it installed before; English needs none. The reason when the program's cannot be loaded
// (the program then speaks English).
// `folder`, when given, is looked in first.
std::optional<std::string> InstallTranslations(QCoreApplication& app, const QString& language,
                                               const QString& folder = QString());

}  // namespace tonalis
