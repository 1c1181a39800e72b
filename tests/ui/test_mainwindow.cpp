#include "ui/common/picturebutton.h"
#include "ui/common/pointerwidgets.h"
#include "ui/mainwindowfixture.h"
#include "ui/wall/collectionspanel.h"
#include "ui/wall/coverslot.h"
#include "ui/wall/letterbar.h"
#include "ui/windows/addtrackswindow.h"
#include "ui/windows/coverartwindow.h"
#include "ui/windows/droplist.h"
#include "ui/windows/helpwindow.h"
#include "ui/windows/newalbumwindow.h"
#include "ui/windows/searchwindow.h"

#include <QClipboard>
#include <QDragEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

TEST_F(MainWindowTest, CatalogueMadeByAnotherToolLoadsListsKeepsTheUsersVolumeAndCloseLeavesOneStateRecord)
{
    ASSERT_TRUE(runSql(
        catalogue(),
        {QStringLiteral("CREATE TABLE songs (ID INTEGER PRIMARY KEY AUTOINCREMENT, Album TEXT, Path TEXT, "
                        "Picture TEXT, Artist TEXT, Probability TEXT)"),
         u"CREATE TABLE opts (folders TEXT, formcolor TEXT)"_s,
         QStringLiteral("INSERT INTO songs (Album, Path, Picture) VALUES ('Alpha', '/nowhere/a/', ''), "
                        "('Beta', '/nowhere/b/', 'x.jpg'), ('Beta', '/nowhere/c/', ''), ('', '/e/', ''), "
                        "('Captain''s Log', '/nowhere/d/', '')"),
         u"INSERT INTO opts VALUES ('35', ''), ('90', 'jukebox')"_s}));
    MainWindow &window = start();
    EXPECT_EQ(window.windowTitle(), u"Lumetra Jukebox: 4 albums loaded."_s);
    EXPECT_EQ(window.slotCount(), 4);
    EXPECT_TRUE(m_prompter.messages.isEmpty());
    EXPECT_EQ(m_player.volume(), 35);
    EXPECT_EQ(accessibleName(window.slot(3)->cover()), u"Captain's Log"_s);
    // A cover file that is missing shows the no-cover picture, not its slot's plain colour.
    const QImage waiting = window.slot(1)->cover()->pixmap().toImage();
    ASSERT_TRUE(coversIn(window));
    EXPECT_NE(window.slot(1)->cover()->pixmap().toImage(), waiting);
    window.listAlbumsInBrowser();
    EXPECT_EQ(m_shell.opened, QStringList{m_app.file(u"albums.htm"_s)});
    EXPECT_TRUE(readAll(m_app.file(u"albums.htm"_s)).contains("Alpha"));

    // The stored volume is applied at start-up only; a rebuild keeps what the user set since.
    m_player.setVolume(72);
    window.unloader();
    EXPECT_EQ(m_player.volume(), 72);
    window.rebuildWall();
    EXPECT_EQ(m_player.volume(), 72);
    EXPECT_EQ(window.slotCount(), 4);
    EXPECT_EQ(window.wall().firstAlbum(), 4);
    window.close();
    EXPECT_EQ(querySql(catalogue(), u"SELECT folders, formcolor FROM opts"_s), QStringList{u"72|"_s});
}

TEST_F(MainWindowTest, ARunThatEndedInJukeboxStartsInJukeboxAfterTheWallFills)
{
    ASSERT_TRUE(writeCatalogue(m_dir.path(), numbered(60)));
    ASSERT_TRUE(runSql(catalogue(), {u"INSERT INTO opts VALUES ('50', 'jukebox')"_s}));
    MainWindow &window = start();
    EXPECT_TRUE(window.playback().jukeMode());
    EXPECT_EQ(window.wallTwips().height(), 16200 - 2100 - 2600);
    EXPECT_EQ(window.slotCount(), 24); // three rows of eight in the shorter wall
    EXPECT_TRUE(window.findChild<QWidget *>(u"List2"_s)->isVisibleTo(&window));
    EXPECT_EQ(window.windowTitle(), u"Lumetra Jukebox: 60 albums loaded."_s);

    trigger("mnunormal");
    EXPECT_EQ(window.wallTwips().height(), 16200 - 2100);
    EXPECT_EQ(window.slotCount(), 32);
    EXPECT_EQ(window.windowTitle(), u"60 albums loaded."_s);
}

TEST_F(MainWindowTest,
       FullScreenWallShowsOnePageOfSlotsNamedByTitleAndACoverSizeUnder16PixelsKeepsTheOneBefore)
{
    writeIni("(Lumetra default)\r\n2400\r\n150\r\n0\r\n16777215\r\n001\r\nDejaVu Sans+9.75&False\r\n\r\n");
    MainWindow &window = start(numbered(40));
    ASSERT_EQ(window.slotCount(), 32);
    EXPECT_EQ(window.slot(0)->cover()->geometry(), QRect(10, 10, 160, 160));
    EXPECT_EQ(window.slot(8)->cover()->geometry().topLeft(), QPoint(10, 213));

    window.nextPage(); // the last page, no wrap-around: 8 albums then empty slots
    EXPECT_EQ(accessibleName(window.slot(8)->cover()), u"Empty slot"_s);
    EXPECT_TRUE(window.slot(8)->title().isEmpty());

    // A size under 16 pixels counts as unconvertible; the gap after it is read.
    writeIni("(Lumetra default)\r\n232\r\n0\r\n");
    window.rebuildWall();
    EXPECT_EQ(window.settings().coverSize, 2400);
    EXPECT_EQ(window.slotCount(), 9 * 4); // 2400-twip covers without gaps
    writeIni("(Lumetra default)\r\n233\r\n0\r\n");
    window.rebuildWall();
    EXPECT_EQ(window.slotCount(), 40); // 233 twips are 16 pixels; the catalogue bounds the slots
}

TEST_F(MainWindowTest, UnusableCatalogueIsReportedOnceNeverWrittenAndListsNoAlbums)
{
    const QByteArray text("this is not a catalogue\r\n");
    ASSERT_TRUE(writeFile(catalogue(), text));
    MainWindow &window = start();
    ASSERT_EQ(m_prompter.messages.size(), 1);
    EXPECT_TRUE(m_prompter.messages[0].contains(u"left exactly as it was"_s));
    EXPECT_EQ(window.windowTitle(), u"Lumetra Jukebox: 0 albums loaded."_s);
    window.listAlbumsInBrowser();
    EXPECT_FALSE(QFileInfo::exists(m_app.file(u"albums.htm"_s)));
    EXPECT_TRUE(m_shell.opened.isEmpty());
    window.close();
    EXPECT_EQ(readAll(catalogue()), text);
}

TEST_F(MainWindowTest, PointerHighlightsButtonsBouncesCoversAndShowsTheLetterBarThatJumps)
{
    writeIni("(Lumetra default)\r\n2400\r\n150\r\n0\r\n16777215\r\n100\r\nDejaVu Sans+9.75&False\r\n\r\n");
    QList<TestAlbum> albums = numbered(40);
    albums.append({u"zebra crossing"_s});
    MainWindow &window = start(albums);
    window.show();
    PictureButton *mode = window.button(u"Image8"_s);
    PictureButton *options = window.button(u"Image10"_s);
    PictureButton *next = window.button(u"Image4"_s);
    pointAt(mode);
    pointAt(next);
    EXPECT_TRUE(mode->isHighlighted());
    EXPECT_TRUE(next->isHighlighted());
    pointAt(options);
    EXPECT_FALSE(mode->isHighlighted());
    EXPECT_TRUE(options->isHighlighted());
    QWidget *strip = window.findChild<QWidget *>(u"Frame1"_s);
    QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), strip->mapToGlobal(QPointF(1, 1)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(strip, &move);
    EXPECT_FALSE(options->isHighlighted());
    EXPECT_FALSE(next->isHighlighted());

    const QRect rest = window.slot(2)->cover()->geometry();
    pointAt(window.slot(2)->cover());
    EXPECT_TRUE(window.slot(2)->isBounced());
    EXPECT_EQ(window.overCover(), 2);
    EXPECT_NE(window.slot(2)->cover()->geometry(), rest);
    pointAt(window.findChild<QWidget *>(u"Image13"_s));
    EXPECT_FALSE(window.slot(2)->isBounced());
    EXPECT_EQ(window.slot(2)->cover()->geometry(), rest);

    LetterBar *bar = window.letterBar();
    EXPECT_FALSE(bar->isVisible());
    pointAt(window.findChild<QWidget *>(u"Label6"_s));
    pointAt(bar->letter(25));
    EXPECT_EQ(bar->highlighted(), 25);
    press(bar->letter(25), Qt::LeftButton);
    EXPECT_EQ(window.slot(0)->title(), u"zebra crossing"_s);
    pointAt(window.slot(3)->cover());
    EXPECT_FALSE(bar->isVisible());
}

TEST_F(MainWindowTest, CollectionsModeListsFilesAndBuildsANewCollectionFromCoverClicks)
{
    ASSERT_TRUE(writeFile(m_app.file(u"Road trip.ply"_s), "Album 001\r\nAlbum 001\r\nAlbum 002\r\n"));
    MainWindow &window = start(numbered(4));
    window.show();
    trigger("mnucoll");
    CollectionsPanel *panel = window.collectionsPanel();
    ASSERT_NE(panel->rowLabel(0), nullptr);
    EXPECT_EQ(accessibleName(panel->rowLabel(0)), u"Road trip"_s);
    EXPECT_EQ(panel->rowLabel(1), nullptr);
    EXPECT_FALSE(panel->scrollBar()->isEnabled());
    EXPECT_TRUE(panel->frame()->isVisible());
    // A right click on the frame is its own menu's alone; on the panel's background the Options menu's.
    press(panel->frame(), Qt::RightButton);
    EXPECT_FALSE(window.menu(u"mnuoptions"_s)->isVisible());
    press(window.findChild<QWidget *>(u"RtFrame"_s), Qt::RightButton);
    EXPECT_TRUE(window.menu(u"mnuoptions"_s)->isVisible());
    window.menu(u"mnuoptions"_s)->hide();
    press(window.slot(0)->cover(), Qt::LeftButton); // covers ignore clicks in the list state
    EXPECT_TRUE(window.playback().trackNames().isEmpty());

    m_prompter.inputs = {u"Fresh"_s};
    panel->frame()->findChild<QPushButton *>(u"NewColl"_s)->click();
    for (int k : {2, 0, 2}) {
        press(window.slot(k)->cover(), Qt::LeftButton);
        QApplication::processEvents();
    }
    panel->frame()->findChild<QPushButton *>(u"CollSave"_s)->click();
    EXPECT_EQ(readAll(m_app.file(u"Fresh.ply"_s)), "Album 002\r\nAlbum 000\r\nAlbum 002\r\n");
    EXPECT_EQ(panel->rowLabel(0)->text(), u"Fresh"_s);
    press(panel->rowLabel(0), Qt::LeftButton); // chosen: no new one until My Colls. lists them again
    panel->frame()->findChild<QPushButton *>(u"Command1"_s)->click();
    EXPECT_TRUE(panel->frame()->findChild<QPushButton *>(u"NewColl"_s)->isEnabled());
    EXPECT_EQ(window.windowTitle(), u"Collections Mode"_s);
}

TEST_F(MainWindowTest, APlaylistChosenFromTheOptionsMenuBecomesACollectionOnScreen)
{
    const QString list = m_dir.filePath(u"Party.m3u8"_s);
    ASSERT_TRUE(writeFile(list, "#EXTM3U\nMusic/album1/b.ogg\n"));
    MainWindow &window = start({{u"Alpha"_s, false, {u"a.mp3"_s}}, {u"Beta"_s, false, {u"b.ogg"_s}}});
    window.show();
    QAction *import = window.menu(u"mnuoptions"_s)->findChild<QAction *>(u"mnuimport"_s);
    ASSERT_NE(import, nullptr);
    import->trigger(); // cancelled
    EXPECT_FALSE(window.playback().collMode());
    m_dialogs.files = {list};
    import->trigger();
    EXPECT_EQ(m_dialogs.asked.last(), u"file Playlists (*.m3u;*.m3u8)|*.m3u;*.m3u8| "_s + QDir::homePath());
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.playback().collMode(); })); // read on a worker thread
    ASSERT_NE(window.collectionsPanel()->rowLabel(0), nullptr);
    EXPECT_EQ(window.collectionsPanel()->rowLabel(0)->text(), u"Party"_s);
    EXPECT_TRUE(window.collectionsPanel()->frame()->isVisible());
    // Opened again while a collection is loaded: imported, and the loaded one stays.
    window.collections().collpicclick(0);
    m_dialogs.files = {list};
    import->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(m_app.file(u"Party (2).ply"_s)); }));
    EXPECT_TRUE(window.collections().chosen());
}

TEST_F(MainWindowTest, AlbumsGrowByDropsAndByTheAddTracksWindowForTheAlbumItOpenedOn)
{
    MainWindow &window = start(numbered(3));
    window.show();
    const QString incoming = m_dir.filePath(u"incoming/"_s);
    writeFile(incoming + u"dropped.mp3"_s, "d");
    writeFile(incoming + u"added.ogg"_s, "a");
    const QString first = window.albumCommands().album(0)->path;

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(incoming + u"dropped.mp3"_s)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.slot(0)->cover(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.slot(0)->cover(), &drop);
    EXPECT_EQ(readAll(first + u"dropped.mp3"_s), "d");

    window.playback().setOverCover(0);
    window.addSongs();
    AddTracksWindow *add = window.addTracksWindow();
    ASSERT_NE(add, nullptr);
    press(window.slot(2)->cover(), Qt::RightButton); // the main window moves on meanwhile
    EXPECT_EQ(window.overCover(), 2);
    ASSERT_TRUE(window.menu(u"mnurt"_s)->isVisible()) << "a right click opens the cover menu";
    window.menu(u"mnurt"_s)->hide();
    add->addEntries({incoming + u"added.ogg"_s});
    add->okay();
    EXPECT_EQ(readAll(first + u"added.ogg"_s), "a");
}

TEST_F(MainWindowTest, TheHelpButtonOpensTheHelpPageAndTheNewAlbumWindowMakesAnAlbumThatShowsAtOnce)
{
    QDir().mkpath(m_app.defaultMusicFolder());
    MainWindow &window = start(numbered(2));
    window.button(u"Image12"_s)->click();
    ASSERT_NE(window.helpWindow(), nullptr);
    EXPECT_EQ(window.helpWindow()->windowTitle(), u"Help -[Lumetra 1.5.0]"_s);
    EXPECT_EQ(window.helpWindow()->browser()->url(), QUrl::fromLocalFile(m_app.ownFile(u"lumetra.htm"_s)));

    window.openNewAlbum();
    NewAlbumWindow *form = window.newAlbumWindow();
    ASSERT_NE(form, nullptr);
    form->chooseCopy();
    QLineEdit *name = form->findChild<QLineEdit *>(u"Text2"_s);
    name->setText(u"AC"_s);
    QTest::keyClick(name, '/');
    EXPECT_EQ(name->text(), u"AC-"_s);
    EXPECT_EQ(m_prompter.messages.last(),
              u"This character not allowed in the name - a hyphen will be substituted"_s);
    writeFile(m_dir.filePath(u"incoming/t.mp3"_s), "t");
    Q_EMIT form->findChild<DropList *>(u"List1"_s)->filesDropped({m_dir.filePath(u"incoming/t.mp3"_s)});
    form->create();
    EXPECT_EQ(window.windowTitle(), u"Lumetra Jukebox: 3 albums loaded."_s);
    EXPECT_TRUE(QFileInfo::exists(m_app.defaultMusicFolder() + u"/AC-/t.mp3"_s));
}

// Runs the search in the box and returns when its last results are in.
void search(SearchWindow *window, const QString &text)
{
    window->setText(text);
    QSignalSpy finished(window, &SearchWindow::searchFinished);
    window->finder();
    EXPECT_EQ(window->status(), u"Searching..."_s);
    EXPECT_TRUE(finished.wait(10000));
}

TEST_F(MainWindowTest, SearchJumpsTheWallToTheFirstAlbumOfThatTitle)
{
    QList<TestAlbum> albums = numbered(40);
    albums.append({u"Album 033"_s, true, {u"Hey Jude.mp3"_s}}); // a second album of that title
    MainWindow &window = start(albums);
    trigger("mnufind");
    SearchWindow *found = window.searchWindow();
    ASSERT_NE(found, nullptr);
    search(found, u"JUDE"_s);
    EXPECT_EQ(found->results(), QStringList{u"Hey Jude --- Album 033"_s});
    EXPECT_EQ(found->status(), u"Double-click on any result to move to that album..."_s);
    // The status line reads out what it shows; what it is for is its description.
    QLabel *status = found->findChild<QLabel *>(u"Label1"_s);
    EXPECT_EQ(accessibleName(status), found->status());
    EXPECT_EQ(status->accessibleDescription(), u"Search status"_s);

    // Nothing selected: no album to go to.
    auto *list = found->findChild<QListView *>(u"List3"_s);
    found->resize(600, 500);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, list->viewport()->height() - 5));
    EXPECT_EQ(m_prompter.messages.last(), u"Error - not found!"_s);
    EXPECT_EQ(window.searchWindow(), found);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                       list->visualRect(list->model()->index(0, 0)).center());
    EXPECT_EQ(window.slot(0)->title(), u"Album 033"_s);
    EXPECT_EQ(window.slot(1)->title(), u"Album 033"_s); // the second album of that title follows
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window.searchWindow(), nullptr);

    window.openSearch();
    search(window.searchWindow(), u"nothing like this"_s);
    EXPECT_EQ(window.searchWindow()->status(), u"No matches found! Try a simpler search perhaps?"_s);
}

// The list lays out the first 10,000 results and says how many there are; the rest come as it is scrolled to
// its end.
TEST(SearchWindow, TheStatusLineStandsOffItsBackgroundAndManyResultsAreCountedAndShownAsTheListIsScrolled)
{
    FakePrompter prompter;
    for (const auto &[text, background, expected] :
         {std::tuple{QColor(Qt::white), QColor(Qt::darkBlue), QColor(Qt::darkBlue)},
          std::tuple{QColor(Qt::white), QColor(250, 250, 240), QColor(Qt::black)},
          std::tuple{QColor(20, 20, 20), QColor(Qt::black), QColor(Qt::white)}}) {
        SearchWindow window(u"nowhere/tracks.lum"_s, prompter, [](const QString &) { return false; },
                            {background, text, QString()});
        const QPalette colours = window.findChild<QLabel *>(u"Label1"_s)->palette();
        EXPECT_EQ(colours.color(QPalette::Window), expected) << background.name().toStdString();
        EXPECT_EQ(colours.color(QPalette::WindowText), text);
    }

    // 101 albums in one folder of 100 tracks.
    QTemporaryDir dir;
    QStringList tracks;
    for (int i = 0; i < 100; ++i)
        tracks.append(u"Track %1.mp3"_s.arg(i, 2, 10, QLatin1Char('0')));
    ASSERT_TRUE(writeCatalogue(dir.path(), {{u"Many 000"_s, false, tracks}}));
    ASSERT_TRUE(runSql(dir.filePath(u"tracks.lum"_s),
                       {u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100) "
                        "INSERT INTO songs (Album, Path) SELECT printf('Many %03d', i), "
                        "(SELECT Path FROM songs WHERE ID = 1) FROM n"_s}));
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    SearchWindow many(dir.filePath(u"tracks.lum"_s), prompter, [](const QString &) { return true; },
                      {Qt::black, Qt::white, QString()});
    search(&many, u"track"_s);
    EXPECT_EQ(many.results().size(), 10000);
    EXPECT_EQ(many.countText(), u"10,100 results; showing the first 10,000"_s);
    QAbstractItemModel *rows = many.findChild<QListView *>(u"List3"_s)->model();
    ASSERT_TRUE(rows->canFetchMore({}));
    rows->fetchMore({});
    EXPECT_EQ(many.results().size(), 10100);
    EXPECT_EQ(many.results().last(), u"Track 99 --- Many 100"_s);
    EXPECT_EQ(many.countText(), u"10,100 results"_s);
    QLocale::setDefault(saved);
}

TEST_F(MainWindowTest, APastedCoverIsSavedAndShownOnTheWallAtOnce)
{
    MainWindow &window = start({{u"Abbey"_s, false}, {u"Blue"_s}});
    window.playback().setOverCover(0);
    trigger("mnuart");
    CoverArtWindow *art = window.coverArtWindow();
    ASSERT_NE(art, nullptr);
    EXPECT_EQ(art->browser()->url(), QUrl::fromLocalFile(m_app.ownFile(u"copy.htm"_s)));
    art->google();
    EXPECT_EQ(art->browser()->url().toString(),
              u"https://images.google.com/images?svnum=10&hl=en&lr=&q=Abbey"_s);

    QImage green(50, 50, QImage::Format_RGB32);
    green.fill(Qt::green);
    QGuiApplication::clipboard()->setImage(green);
    art->pasteFromClipboard();
    art->okay();
    EXPECT_EQ(querySql(catalogue(), u"SELECT Picture FROM songs WHERE Album = 'Abbey'"_s),
              QStringList{u"aa-cover.jpg"_s});
    ASSERT_TRUE(coversIn(window));
    const QImage shown = window.slot(0)->cover()->pixmap().toImage();
    EXPECT_EQ(qGreen(shown.pixel(shown.width() / 2, shown.height() / 2)), 255);
}

} // namespace
