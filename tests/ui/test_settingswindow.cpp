#include "core/settingsform.h"
#include "ui/common/qtdialogs.h"
#include "ui/mainwindowfixture.h"
#include "ui/wall/coverslot.h"
#include "ui/windows/settingswindow.h"

#include <QCheckBox>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

using lumetra::test::PrintTo;

const QByteArray kIni = "/music\r\n2600\r\n120\r\n65280\r\n255\r\n101\r\nDejaVu Serif+11&True\r\n\r\n";

class SettingsWindowTest : public ::testing::Test, public TestLibrary
{
protected:
    void SetUp() override { ASSERT_TRUE(load({})); }

    SettingsWindow &open()
    {
        m_window = std::make_unique<SettingsWindow>(m_app, m_catalogue, m_songs, m_prompter, m_dialogs);
        m_window->setAttribute(Qt::WA_DeleteOnClose, false);
        return *m_window;
    }

    QByteArray ini() const { return readAll(m_app.file(u"jb.ini"_s)); }
    template <typename T> T *child(const char *name) const
    {
        return m_window->findChild<T *>(QString::fromLatin1(name));
    }

    FakePrompter m_prompter;
    FakeDialogs m_dialogs;
    std::unique_ptr<SettingsWindow> m_window;
};

TEST_F(SettingsWindowTest, OkayWritesJbIniAsItOpenedOrWithWhatResetNoImageAndEditsChanged)
{
    ASSERT_TRUE(writeFile(m_app.file(u"jb.ini"_s), kIni));
    SettingsWindow &window = open(); // Okay writes what the fields show
    EXPECT_EQ(child<QLabel>("Label3")->font().family(), u"DejaVu Serif"_s);

    QSignalSpy saved(&window, &SettingsWindow::saved);
    window.okay();
    EXPECT_EQ(saved.size(), 1);
    EXPECT_EQ(ini(), kIni);

    open().resetDefaults();
    child<QCheckBox>("Check3")->setChecked(true);
    child<QLineEdit>("Text5")->setText(u"Albums/../Songs"_s); // relative to the application folder
    m_window->okay();
    const QString vista = m_app.ownFile(u"vista.jpg"_s);
    EXPECT_EQ(ini(), m_app.file(u"Songs"_s).toUtf8() +
                         "\r\n2300\r\n140\r\n14652229\r\n10485760\r\n111\r\nVerdana+8&True\r\n" +
                         vista.toUtf8() + "\r\n");
    open().noImage();
    m_window->okay();
    EXPECT_TRUE(ini().endsWith("Verdana+8&True\r\n\r\n"));
}

TEST_F(SettingsWindowTest, DialogsStartAtTheCurrentSettingAndCancelKeepsIt)
{
    open();
    m_dialogs.colors = {QColor(0, 0, 160)}; // the title colour; the font dialog is then cancelled
    QTest::mouseClick(child<QLabel>("Label3"), Qt::LeftButton);
    EXPECT_EQ(m_dialogs.asked, (QStringList{u"color"_s, u"font Verdana 8 1"_s}));
    EXPECT_EQ(m_window->form().textColor, 10485760);
    EXPECT_EQ(m_window->form().fontName, SettingsForm{}.fontName);

    m_window->backimage(); // cancelled
    EXPECT_TRUE(m_window->form().backgroundPicture.isEmpty());
    EXPECT_TRUE(m_dialogs.asked.last().startsWith(
        u"file All image files (*.bmp,*.jpg,*.pcx)|*.BMP;*.JPG;*.PCX| "_s + m_app.dir()));
    m_dialogs.files = {u"/pics/wall.jpg"_s};
    m_window->backimage();
    EXPECT_EQ(child<QLineEdit>("Text4")->text(), u"/pics/wall.jpg"_s);

    // Verdana is not installed here: the real dialog still starts at 8 points, bold.
    const QFontDialog dialog(QtDialogs::startFont({u"Verdana"_s, 8, true}));
    EXPECT_TRUE(dialog.currentFont().bold());
    EXPECT_EQ(dialog.currentFont().pointSizeF(), 8);
}

TEST_F(SettingsWindowTest, TypingACoverSizeMovesTheSampleTitle)
{
    open();
    QLabel *title = child<QLabel>("Label3");
    auto type = [size = child<QLineEdit>("Text1")](const QString &text) {
        size->setText(text);
        Q_EMIT size->textEdited(text);
    };
    type(u"3100"_s);
    EXPECT_EQ(title->pos(), QPoint(324, 182)); // 4860, 2730 twips
    EXPECT_EQ(child<QLabel>("Image1")->width(), 207);
    type(u"3099"_s);
    EXPECT_EQ(title->pos(), QPoint(24, 220)); // the cover's left, its height + 200
    type(QString());
    EXPECT_EQ(title->pos(), QPoint(24, 220));
}

// Okay that cannot write says why, keeps the window open and leaves jb.ini as it was.
struct RefusedSave {
    const char *name;
    const char *field; // the line edit given a value jb.ini cannot hold; null: jb.ini cannot be written
    const char *value;
    const char *message;
};

class SettingsRefusedSave : public SettingsWindowTest, public ::testing::WithParamInterface<RefusedSave>
{
};

TEST_P(SettingsRefusedSave, SaysWhyAndKeepsTheWindowAndTheFile)
{
    if (GetParam().field)
        ASSERT_TRUE(writeFile(m_app.file(u"jb.ini"_s), kIni));
    else
        QDir().mkpath(m_app.file(u"jb.ini"_s)); // a folder where the file should go
    SettingsWindow &window = open();
    window.show();
    if (GetParam().field)
        child<QLineEdit>(GetParam().field)->setText(QString::fromUtf8(GetParam().value));
    QSignalSpy saved(&window, &SettingsWindow::saved);
    window.okay();
    EXPECT_TRUE(saved.isEmpty());
    ASSERT_EQ(m_prompter.messages.size(), 1);
    EXPECT_TRUE(m_prompter.messages[0].startsWith(QString::fromUtf8(GetParam().message)))
        << m_prompter.messages[0].toStdString();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(ini(), GetParam().field ? kIni : QByteArray());
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsRefusedSave,
                         ::testing::Values(RefusedSave{"JbIniCannotBeWritten", nullptr, nullptr,
                                                       "The settings could not be saved"},
                                           RefusedSave{"MusicFolderWithALineBreak", "Text5",
                                                       "/music\nNewline",
                                                       "Music folder: the value holds a line break"},
                                           RefusedSave{"PictureWithACarriageReturn", "Text4", "/pics/a\r.jpg",
                                                       "Background picture: the value holds a line break"}),
                         [](const auto &info) { return std::string(info.param.name); });

using SettingsScanTest = MainWindowTest;

// A first run says the catalogue is empty, then opens the scan panel on the user's music folder, and one
// scan fills the wall.
TEST_F(SettingsScanTest, AFirstRunScansTheUsersMusicFolderOntoTheWall)
{
    const QString music = m_dir.filePath(u"My Music"_s);
    for (const char *album : {"Abbey Lane", "Blue Train", "Kind of Teal"})
        writeFile(music + u'/' + QString::fromLatin1(album) + u"/01.mp3"_s, {});
    ASSERT_TRUE(
        writeFile(m_dir.filePath(u"config/user-dirs.dirs"_s), "XDG_MUSIC_DIR=\"" + music.toUtf8() + "\"\n"));
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(u"config"_s)));
    start();
    config.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", config);
    EXPECT_EQ(
        m_prompter.messages,
        QStringList{u"Lumetra doesn't yet contain any albums - click on Options > Add New Album to start "
                    "building your collection, or use the options screen where Lumetra can scan your hard "
                    "disk for you..   Once done, you MUST restart Lumetra before these first albums are "
                    "added to teh collection."_s});
    ASSERT_EQ(m_window->slotCount(), 0);
    SettingsWindow *settings = m_window->settingsWindow();
    ASSERT_NE(settings, nullptr);
    EXPECT_TRUE(settings->findChild<QWidget *>(u"Picture2"_s)->isVisibleTo(settings));
    EXPECT_EQ(settings->findChild<QLineEdit *>(u"Text5"_s)->text(), music);
    settings->scan(Scanner::Layout::Flat);
    EXPECT_EQ(settings->findChild<QLabel *>(u"lbltime"_s)->text(),
              u"Done! Time taken: 0 seconds.    Music folders found: 3"_s);
    // Nothing was left out, and the lists and the Close button each have their own place, within what
    // scrolls.
    EXPECT_FALSE(settings->findChild<QWidget *>(u"lstleftout"_s)->isVisible());
    QWidget *content = settings->findChild<QScrollArea *>()->widget();
    auto place = [content](const char *name) {
        const QWidget *w = content->findChild<QWidget *>(QString::fromLatin1(name));
        return QRect(w->mapTo(content, QPoint(0, 0)), w->size());
    };
    EXPECT_FALSE(place("Command10").intersects(place("ScanFrame")));
    EXPECT_TRUE(content->rect().contains(place("Command10")));
    QTest::mouseClick(settings->findChild<QWidget *>(u"Command1"_s), Qt::LeftButton); // Okay, enabled again
    EXPECT_TRUE(QTest::qWaitFor([this] { return !m_window->settingsWindow(); })); // closed, not just hidden
    EXPECT_EQ(m_window->windowTitle(), u"Lumetra Jukebox: 3 albums loaded."_s);
    EXPECT_EQ(m_window->slotCount(), 3);
    EXPECT_TRUE(
        readAll(m_app.file(u"jb.ini"_s)).startsWith(QDir::toNativeSeparators(music).toUtf8() + "\r\n"));
}

// A scan with the jukebox playing: it plays on from the old catalogue while the scan runs, and the wall and
// the pickers take the new one as soon as it has landed, with the settings window still open.
TEST_F(SettingsScanTest, TheNewCatalogueReachesTheWallAndTheJukeboxAtOnceWhichNeverFallsSilent)
{
    for (const char *album : {"Abbey Lane", "Blue Train", "Kind of Teal"})
        writeFile(m_dir.filePath(u"New/"_s + QString::fromLatin1(album) + u"/01.mp3"_s), {});
    start({{u"Old One"_s, true, {u"o1.mp3"_s}}, {u"Old Two"_s, true, {u"o2.mp3"_s}}});
    trigger("mnuparty"); // party mode: the next pick is shown ahead
    m_window->playback().jukeboxmode();
    m_window->playback().play(); // the refill: one of the old albums
    m_window->openSettings();
    SettingsWindow *settings = m_window->settingsWindow();
    settings->scanDisk();
    settings->findChild<QLineEdit *>(u"Text5"_s)->setText(m_dir.filePath(u"New"_s));
    auto endTrack = [this] {
        Q_EMIT m_player.playStateChanged(MediaPlayer::MediaEnded);
        Q_EMIT m_player.playStateChanged(MediaPlayer::Transitioning);
    };
    // A track ends while the scan runs: the refill draws from the catalogue the wall still shows.
    QTimer::singleShot(0, m_window.get(), endTrack);
    const int plays = m_player.plays;
    settings->scan(Scanner::Layout::Flat);
    EXPECT_EQ(m_player.plays, plays + 1);
    EXPECT_TRUE(m_player.url().contains(u"/Music/album"_s)) << m_player.url().toStdString();
    EXPECT_EQ(m_window->windowTitle(), u"Lumetra Jukebox: 3 albums loaded."_s);
    EXPECT_EQ(m_window->slot(2)->title(), u"Kind of Teal"_s);
    ASSERT_TRUE(m_window->playback().upNext());
    EXPECT_TRUE(m_window->playback().upNext()->folder.contains(u"/New/"_s));
    endTrack();
    EXPECT_TRUE(m_player.url().contains(u"/New/"_s)) << m_player.url().toStdString();
    EXPECT_TRUE(m_prompter.messages.isEmpty()) << m_prompter.messages.join(u'|').toStdString();
}

TEST_F(SettingsScanTest, ClosingTheProgramDuringAScanKeepsTheOldCatalogue)
{
    for (int i = 0; i < 200; ++i)
        writeFile(m_dir.filePath(u"Big/Album %1/t.mp3"_s.arg(i)), {});
    start({{u"Kept"_s}}).show();
    m_window->openSettings();
    QPointer<SettingsWindow> settings = m_window->settingsWindow();
    settings->findChild<QLineEdit *>(u"Text5"_s)->setText(m_dir.filePath(u"Big"_s));
    bool closed = false;
    QObject::connect(m_window.get(), &MainWindow::closed, [&] { closed = true; });
    QTimer::singleShot(0, m_window.get(), [this] { m_window->close(); });
    settings->scan(Scanner::Layout::Flat);
    EXPECT_TRUE(closed);
    EXPECT_EQ(querySql(catalogue(), u"SELECT Album FROM songs"_s), QStringList{u"Kept"_s});
    EXPECT_EQ(querySql(catalogue(), u"SELECT count(*) FROM opts"_s), QStringList{u"1"_s});
}

} // namespace
