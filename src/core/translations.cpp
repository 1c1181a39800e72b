#include "translations.h"

#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace lumetra {

namespace {

const QString kFolder = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("lumetra_");

// "de" of "de-DE", "de_DE.UTF-8" or "de@euro".
QString languageCode(const QString &name)
{
    qsizetype end = 0;
    while (end < name.size() && name.at(end).isLetter())
        ++end;
    return name.left(end).toLower();
}

bool install(QCoreApplication &app, const QString &file, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(file, folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

QStringList availableLanguages()
{
    QStringList languages;
    const QStringList files =
        QDir(kFolder).entryList({kPrefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        languages.append(file.mid(kPrefix.size()).chopped(3));
    return languages;
}

QString chooseLanguage(const QStringList &uiLanguages, const QStringList &available)
{
    for (const QString &name : uiLanguages) {
        QString code = languageCode(name);
        if (code == QStringLiteral("en") || code == QStringLiteral("c") || code == QStringLiteral("posix"))
            return {};
        if (available.contains(code))
            return code;
    }
    return {};
}

QString installTranslations(QCoreApplication &app, const QStringList &uiLanguages)
{
    QString language = chooseLanguage(uiLanguages, availableLanguages());
    if (language.isEmpty() || !install(app, kPrefix + language, kFolder))
        return {};
    install(app, QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return language;
}

} // namespace lumetra
