#include "core/translations.h"
#include "ui/mainwindowfixture.h"

#include <QMenu>
#include <QTranslator>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

// What the window shows in one language: the Mode menu, the title with three albums, Qt's own Cancel, and the
// cover menu's Shuffle items (leave out / take back).
const QStringList kEnglish{u"Normal Play, Shuffle All, Jukebox, Collections"_s,
                           u"Lumetra Jukebox: 3 albums loaded."_s, u"Cancel"_s,
                           u"Skip this album when in shuffle mode / Play this album when in Shuffle mode"_s};
const QStringList kGerman{
    u"Normale Wiedergabe, Alles zufällig, Jukebox, Sammlungen"_s, u"Lumetra Jukebox: 3 Alben geladen."_s,
    u"Abbrechen"_s,
    u"Dieses Album im Zufallsmodus überspringen / Dieses Album im Zufallsmodus wieder berücksichtigen"_s};
const QStringList kFrench{
    u"Lecture normale, Tout aléatoire, Jukebox, Collections"_s, u"Lumetra Jukebox\u00a0: 3 albums chargés."_s,
    u"Annuler"_s,
    u"Exclure cet album de la lecture aléatoire / Réintégrer cet album à la lecture aléatoire"_s};

struct LanguageCase {
    QStringList languages; // the user's, most wanted first, as QLocale::uiLanguages gives them
    QString installed;     // what installTranslations reports
    const QStringList *shown;
};

void PrintTo(const LanguageCase &c, std::ostream *os)
{
    *os << c.languages.join(u':').toStdString();
}

// The window in the user's language: the translations the program ships, chosen from the user's languages as
// at start-up, with Qt's own for the same language. (The program reads them from LANGUAGE, LC_ALL, LANG
// through QLocale; Program.HelpSpeaksTheUsersLanguage runs it so.)
class Languages : public MainWindowTest, public ::testing::WithParamInterface<LanguageCase>
{
protected:
    void TearDown() override
    {
        MainWindowTest::TearDown();
        for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
};

TEST_P(Languages, TheWindowSpeaksTheFirstLanguageTheUserWantsThatItHas)
{
    const LanguageCase &c = GetParam();
    EXPECT_EQ(installTranslations(*qApp, c.languages), c.installed);
    MainWindow &window = start(numbered(3));

    QStringList modes;
    for (const QAction *action : window.menu(u"mnuMode"_s)->actions()) {
        if (action->isVisible()) // as the menu shows
            modes.append(action->text());
    }
    const QStringList shown{modes.join(u", "_s), window.windowTitle(),
                            QCoreApplication::translate("QPlatformTheme", "Cancel"),
                            window.findChild<QAction *>(u"mnuskip"_s)->text() + u" / "_s +
                                window.findChild<QAction *>(u"mnuplay"_s)->text()};
    EXPECT_EQ(shown, *c.shown);
}

INSTANTIATE_TEST_SUITE_P(Table, Languages,
                         ::testing::Values(LanguageCase{{u"fr-CA"_s, u"de"_s}, u"fr"_s, &kFrench},
                                           LanguageCase{{u"es"_s, u"de_AT.UTF-8"_s}, u"de"_s, &kGerman},
                                           // English is the program's own language: a user who puts it
                                           // first reads it.
                                           LanguageCase{{u"en-GB"_s, u"de"_s}, QString(), &kEnglish},
                                           LanguageCase{{u"C"_s}, QString(), &kEnglish},
                                           LanguageCase{{u"es"_s}, QString(), &kEnglish}));

} // namespace
