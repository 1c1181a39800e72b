#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace lumetra {

// The program speaks English (the texts in the code) or one of the languages it has a translation for.

// The languages the program has a translation for ("de", "fr"), from the compiled-in translations.
QStringList availableLanguages();

// The first of the user's languages (most wanted first, as QLocale::uiLanguages gives them: "de-DE", "fr",
// "en-GB", "C") that is available; empty when English, C or POSIX comes first or none is available, so a
// user who puts English before German reads English.
QString chooseLanguage(const QStringList &uiLanguages, const QStringList &available);

// Installs on `app` the program's translation for the first of `uiLanguages` it has (chooseLanguage) and,
// when Qt's own translations are installed, Qt's for the same language (standard buttons, the command line's
// help). Returns the language installed, empty for English.
QString installTranslations(QCoreApplication &app, const QStringList &uiLanguages);

} // namespace lumetra
