// The window as a desktop meets it: its layout at every size, the keyboard and the wheel on the wall, full
// screen, the Mode menu's check mark and pictures at the screen's own pixels.
#include "core/vbcolor.h"
#include "ui/common/pointerwidgets.h"
#include "ui/common/widgethelpers.h"
#include "ui/main/childwindows.h"
#include "ui/mainwindowfixture.h"
#include "ui/wall/coverslot.h"
#include "ui/wall/letterbar.h"
#include "ui/windows/helpwindow.h"
#include "ui/windows/searchwindow.h"
#include "ui/windows/settingswindow.h"
#include "wall/slotlayout.h"

#include <QAbstractSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QScopeGuard>
#include <QScreen>
#include <QWheelEvent>
#include <qpa/qwindowsysteminterface.h>

#include <iostream>

using namespace lumetra;
using namespace lumetra::test;

namespace {

using lumetra::test::PrintTo;

// Twips at 96 dpi: 15 to the pixel.
constexpr int kTwipsPerPixel = 15;

QRect inWindow(const QWidget *widget, const QWidget *window)
{
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

const QStringList kTrack{u"t.mp3"_s};

using WindowTest = MainWindowTest;

// --- Geometry -----------------------------------------------------------------------------------------

struct SizeCase {
    const char *name;
    QSize screen;
    QSize window; // empty: full screen; else the window is resized to this after it shows
    QSize shown;  // what the window's size then is
};

using WindowGeometry = MainWindowTestWith<std::tuple<SizeCase, bool>>;

TEST_P(WindowGeometry, EveryControlIsInsideTheWindowNoneOverlapsAndResizedSlotsWaitForTheSizeToSettle)
{
    const auto &[size, jukebox] = GetParam();
    MainWindow &window = startActive(numbered(60), size.screen);
    if (!size.window.isEmpty()) {
        window.resize(size.window);
        // The panels follow at once; the slots only when the size has stayed put.
        EXPECT_EQ(child("RtFrame")->x(), (size.shown.width() * kTwipsPerPixel - 5000 + 400) / kTwipsPerPixel);
        EXPECT_EQ(window.slotCount(), 32);
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return window.wallTwips().width() == size.shown.width() * kTwipsPerPixel - 5000 &&
                   window.slotCount() ==
                       static_cast<int>(layoutSlots(window.wallTwips().width(), window.wallTwips().height(),
                                                    window.settings().coverSize, window.settings().coverGap,
                                                    window.albums().size())
                                            .size());
        }));
    }
    if (jukebox)
        trigger("mnuplaylist");
    ASSERT_EQ(window.size(), size.shown);

    QStringList controls = {u"albumframe"_s, u"Image4"_s,   u"Image6"_s,    u"Image8"_s, u"Image10"_s,
                            u"Image12"_s,    u"position"_s, u"playPause"_s, u"Image2"_s, u"List1"_s};
    if (jukebox)
        controls << u"List2"_s << u"Image15"_s;
    QList<QRect> rects;
    for (const QString &name : controls) {
        auto *control = window.findChild<QWidget *>(name);
        ASSERT_NE(control, nullptr) << name.toStdString();
        EXPECT_TRUE(control->isVisibleTo(&window)) << name.toStdString();
        rects.append(inWindow(control, &window));
        EXPECT_TRUE(window.rect().contains(rects.last())) << name.toStdString();
    }
    for (int i = 0; i < rects.size(); ++i) {
        for (int j = i + 1; j < rects.size(); ++j)
            EXPECT_FALSE(rects[i].intersects(rects[j]))
                << controls[i].toStdString() << " overlaps " << controls[j].toStdString();
        // The strip's buttons (Image4 to Image12) stand in one row.
        EXPECT_TRUE(i < 1 || i > 5 || rects[i].top() == rects[1].top()) << controls[i].toStdString();
    }

    const QRect wall = rects.front();
    ASSERT_GT(window.slotCount(), 0);
    int right = 0;
    for (int k = 0; k < window.slotCount(); ++k) {
        EXPECT_TRUE(wall.contains(inWindow(window.slot(k)->cover(), &window))) << "cover " << k;
        EXPECT_TRUE(wall.contains(inWindow(window.slot(k)->titleLabel(), &window))) << "title " << k;
        right = std::max(right, inWindow(window.slot(k)->cover(), &window).right());
    }
    // The columns use the wall's width: no cover's worth of it is left empty at the right.
    EXPECT_LT(wall.right() - right, window.slot(0)->cover()->width() / 2);
    pointAt(child("Label6"));
    LetterBar *bar = window.letterBar();
    ASSERT_TRUE(bar->isVisible());
    EXPECT_TRUE(wall.contains(inWindow(bar, &window)));
    EXPECT_EQ(bar->palette().color(QPalette::Window), colorFromStored(window.settings().backColor));
    for (int j = 0; j < LetterBar::kLetters; ++j) {
        EXPECT_TRUE(bar->rect().contains(bar->letter(j)->geometry())) << "letter " << j;
        // The design lets neighbouring letters' boxes touch; a caption must clear the letter before it.
        if (j > 0) {
            EXPECT_GT(bar->letter(j)->geometry().center().x(), bar->letter(j - 1)->geometry().right()) << j;
        }
    }
}

const SizeCase kSizes[] = {
    {"Screen1024x768", {1024, 768}, {}, {1024, 768}},
    {"Screen1920x1080", {1920, 1080}, {}, {1920, 1080}},
    {"Screen3840x2160", {3840, 2160}, {}, {3840, 2160}},
    {"WindowShrunkToTheLeastItTakes", {1920, 1080}, {500, 400}, {880, 680}},
};
INSTANTIATE_TEST_SUITE_P(Sizes, WindowGeometry,
                         ::testing::Combine(::testing::ValuesIn(kSizes), ::testing::Bool()),
                         [](const auto &info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "Jukebox" : "NormalPlay");
                         });

// --- Keys and the wheel -----------------------------------------------------------------------------

// One thing the user does: a key (with its text for letters), a turn of the wheel, or a click on the track
// list or on the wall's background, which takes the keyboard with it.
enum class Click { None, TrackList, Wall };
struct Step {
    int key = 0;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    char letter = 0;
    QPoint wheel = {};
    Click click = Click::None;
};
constexpr Step kClickTrackList{.click = Click::TrackList};
constexpr Step kClickWall{.click = Click::Wall};
enum class Outcome { Nothing, Plays, Pauses, CoverMenu, Search, Help, Notice, FullScreen };

struct KeyCase {
    const char *name;
    std::vector<Step> steps;
    int firstAlbum; // the album in slot 0 afterwards
    int focus;
    Outcome outcome = Outcome::Nothing;
};

using WallKeysTest = MainWindowTestWith<KeyCase>;

// 41 albums on 32 slots in rows of 8, wrap-around on, autoplay on: pages start at 0, 32, and Previous page
// from the first page starts at 9.
TEST_P(WallKeysTest, KeysAndTheWheelPageFocusAndAct)
{
    const KeyCase &c = GetParam();
    QList<TestAlbum> albums = numbered(40, kTrack);
    albums.append({u"zebra crossing"_s, false, {u"t.mp3"_s}});
    writeIni("(Lumetra default)\r\n2400\r\n150\r\n0\r\n16777215\r\n010\r\nDejaVu Sans+9.75&False\r\n\r\n");
    MainWindow &window = startActive(albums);
    QWidget *wall = child("albumframe");
    ASSERT_EQ(QApplication::focusWidget(), wall);
    QWidget *frame = wall->findChild<QWidget *>(u"focusframe"_s);

    for (const Step &step : c.steps) {
        if (step.click == Click::TrackList) {
            QTest::mouseClick(child<QListWidget>("List1")->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        } else if (step.click == Click::Wall) {
            // Left of the first cover, on the background picture.
            QTest::mouseClick(child("Image13"), Qt::LeftButton, {}, QPoint(3, 100));
        } else if (!step.wheel.isNull()) {
            // A real wheel over a cover reaches the wall too, as covers leave it (the end-to-end run checks).
            const QPointF at(5, 5);
            QWheelEvent turn(at, wall->mapToGlobal(at), QPoint(), step.wheel, Qt::NoButton, Qt::NoModifier,
                             Qt::NoScrollPhase, false);
            QApplication::sendEvent(wall, &turn);
        } else if (step.letter) {
            QTest::keyClick(QApplication::focusWidget(), step.letter);
        } else {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(step.key), step.modifiers);
        }
    }
    EXPECT_EQ(window.slot(0)->title(), numbered(40)[c.firstAlbum].title);
    if (QApplication::focusWidget() == wall) {
        ASSERT_TRUE(frame->isVisible());
        EXPECT_EQ(frame->geometry().center(), window.slot(c.focus)->cover()->geometry().center());
    }

    QMenu *coverMenu = window.menu(u"mnurt"_s);
    EXPECT_EQ(coverMenu->isVisible(), c.outcome == Outcome::CoverMenu);
    if (c.outcome == Outcome::CoverMenu) {
        EXPECT_EQ(window.overCover(), c.focus);
        coverMenu->hide();
    }
    const bool played = m_player.plays > 0;
    EXPECT_EQ(played, c.outcome == Outcome::Plays || c.outcome == Outcome::Pauses);
    if (played) {
        EXPECT_EQ(m_player.url(), window.albumCommands().album(c.focus)->path + u"t.mp3"_s);
    }
    EXPECT_EQ(m_player.isPlaying(), c.outcome == Outcome::Plays);
    EXPECT_EQ(window.searchWindow() != nullptr, c.outcome == Outcome::Search);
    EXPECT_EQ(window.helpWindow() != nullptr, c.outcome == Outcome::Help);
    EXPECT_EQ(window.isFullScreen(), c.outcome == Outcome::FullScreen);
    EXPECT_EQ(action("mnufullscreen")->isChecked(), window.isFullScreen());
    auto *notice = wall->findChild<QLabel *>(u"wallnotice"_s);
    EXPECT_EQ(notice->isVisible(), c.outcome == Outcome::Notice);
    if (c.outcome == Outcome::Notice) {
        EXPECT_EQ(notice->text(), u"No albums found"_s);
        EXPECT_EQ(window.letterBar()->letter('Q' - 'A')->toolTip(), u"No albums found"_s);
    }
}

const KeyCase kKeys[] = {
    {"RightMovesTheFocus", {{Qt::Key_Right}}, 0, 1},
    {"RightFromTheLastCoverPages", {{Qt::Key_Left}, {Qt::Key_Right}}, 0, 0},
    {"LeftFromTheFirstCoverPagesBack", {{Qt::Key_Left}}, 9, 31},
    {"DownFromTheBottomRowPages", {{Qt::Key_Down}, {Qt::Key_Down}, {Qt::Key_Down}, {Qt::Key_Down}}, 32, 0},
    {"UpFromTheTopRowPagesBackToTheLastRow", {{Qt::Key_Right}, {Qt::Key_Up}}, 9, 25},
    {"PageDownIsNextPage", {{Qt::Key_Right}, {Qt::Key_PageDown}}, 32, 1},
    {"PageUpIsPreviousPage", {{Qt::Key_PageUp}}, 9, 0},
    {"EndIsTheLastPage", {{Qt::Key_End}}, 32, 0},
    {"HomeIsTheFirstPage", {{Qt::Key_End}, {Qt::Key_Home}}, 0, 0},
    {"ALetterWithoutAlbumsSaysSo", {{Qt::Key_Right}, {.letter = 'q'}}, 0, 1, Outcome::Notice},
    {"EnterPlaysTheFocusedCover", {{Qt::Key_Right}, {Qt::Key_Right}, {Qt::Key_Return}}, 0, 2, Outcome::Plays},
    {"SpacePauses", {{Qt::Key_Return}, {Qt::Key_Space}}, 0, 0, Outcome::Pauses},
    {"TheMenuKeyOpensTheCoverMenu", {{Qt::Key_Right}, {Qt::Key_Menu}}, 0, 1, Outcome::CoverMenu},
    {"ShiftF10OpensTheCoverMenu", {{Qt::Key_F10, Qt::ShiftModifier}}, 0, 0, Outcome::CoverMenu},
    {"CtrlFSearches", {{Qt::Key_F, Qt::ControlModifier}}, 0, 0, Outcome::Search},
    {"F1Helps", {{Qt::Key_F1}}, 0, 0, Outcome::Help},
    {"F11GoesFullScreen", {{Qt::Key_F11}}, 0, 0, Outcome::FullScreen},
    {"EscapeLeavesFullScreen", {{Qt::Key_F11}, {Qt::Key_Escape}}, 0, 0},
    {"TheTrackListKeepsItsKeys", {kClickTrackList, {Qt::Key_PageDown}, {.letter = 'z'}, {Qt::Key_End}}, 0, 0},
    {"AClickOnTheWallTakesTheKeysBack", {kClickTrackList, kClickWall, {Qt::Key_PageDown}}, 32, 0},
    {"TheWheelTurnedUpIsPreviousPage", {{.wheel = {0, 120}}}, 9, 0},
    {"HalfNotchesAddUp", {{.wheel = {0, -60}}, {.wheel = {0, -60}}}, 32, 0},
    {"HalfANotchIsNotYetAPage", {{.wheel = {0, -60}}}, 0, 0},
    {"ASwipeLeftIsNextPage", {{.wheel = {-120, 0}}}, 32, 0},
};
INSTANTIATE_TEST_SUITE_P(Table, WallKeysTest, ::testing::ValuesIn(kKeys),
                         [](const auto &info) { return std::string(info.param.name); });

// A rebuild under the pointer leaves no half-removed cover. A held key repeats faster than pages are painted:
// a repeat waits for the page last turned to be painted, a press of its own never does.
TEST_F(WindowTest, ARebuildUnderThePointerKeepsEveryCoverAndAHeldKeysRepeatsWaitForTheLastPageToBePainted)
{
    writeIni("(Lumetra default)\r\n2400\r\n150\r\n0\r\n16777215\r\n100\r\nDejaVu Sans+9.75&False\r\n\r\n");
    MainWindow &window = startActive(numbered(200));
    QWidget *cover = window.slot(5)->cover();
    QTest::mouseMove(&window, cover->mapTo(&window, cover->rect().center()));
    QTRY_COMPARE(window.overCover(), 5);
    // Removing the cover moves the pointer onto the background, which puts the pointed-at cover back.
    window.unloader();
    EXPECT_EQ(window.slotCount(), 32);

    auto *wall = window.findChild<WallView *>();
    auto pageDown = [&](bool repeat) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier, QString(), repeat);
        QApplication::sendEvent(wall, &key);
        return window.wall().firstAlbum() / window.slotCount() - 1; // the page shown
    };
    QCoreApplication::sendPostedEvents(wall); // the first page is painted
    EXPECT_EQ(pageDown(true), 1);
    EXPECT_EQ(pageDown(true), 1);
    EXPECT_EQ(pageDown(false), 2);
    QCoreApplication::sendPostedEvents(wall);
    EXPECT_EQ(pageDown(true), 3);
}

// --- Mode menu, pictures --------------------------------------------------------------------------------

// The Mode menu marks the mode that plays, and each mode takes presses its own way: in Shuffle All only a
// left press on the now-playing cover skips; Collections' covers ignore the keys as they ignore the mouse.
TEST_F(WindowTest, TheModeMenuMarksTheModeThatPlaysAndEachModeTakesPressesItsOwnWay)
{
    ASSERT_TRUE(writeFile(m_app.file(u"Mix.ply"_s), "Album 001\r\n"));
    MainWindow &window = startActive(numbered(4, kTrack));
    QMenu *modes = window.menu(u"mnuMode"_s);
    auto checked = [modes] {
        QStringList names;
        for (QAction *action : modes->actions()) {
            if (action->isChecked())
                names << action->objectName();
        }
        return names;
    };
    EXPECT_EQ(checked(), QStringList{u"mnunormal"_s});
    m_random.script = {0, 0, 0.9, 0};
    trigger("mnurandom");
    EXPECT_EQ(checked(), QStringList{u"mnurandom"_s});
    const QString first = m_player.url();
    auto *nowPlaying = child("Image2");
    press(nowPlaying, Qt::RightButton);
    EXPECT_EQ(m_player.url(), first);
    press(nowPlaying, Qt::LeftButton);
    EXPECT_NE(m_player.url(), first);

    for (const char *mode : {"mnuplaylist", "mnucoll"}) {
        trigger(mode);
        EXPECT_EQ(checked(), QStringList{QLatin1String(mode)});
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(window.playback().clickedCover(), 0);
    trigger("mnunormal");
    EXPECT_EQ(checked(), QStringList{u"mnunormal"_s});
    // One album shuffled has no item of its own.
    window.playback().setOverCover(0);
    trigger("mnuplsh");
    EXPECT_EQ(checked(), QStringList());
}

// Covers are decoded at the device's pixels. The check is worth most at a scale of 2, where the whole test
// runs again in a child process.
TEST_F(WindowTest, PicturesAreDecodedAtTheDevicesPixels)
{
    MainWindow &window = startActive({{u"Abbey"_s, true, {u"t.mp3"_s}}});
    const qreal ratio = window.devicePixelRatioF();
    std::cout << "device pixel ratio " << ratio << std::endl;

    ASSERT_TRUE(coversIn(window));
    QPixmap cover = window.slot(0)->cover()->pixmap();
    EXPECT_EQ(cover.size(), QSize(160, 160) * ratio);
    EXPECT_EQ(cover.devicePixelRatio(), ratio);

    press(window.slot(0)->cover(), Qt::LeftButton);
    auto *nowPlaying = child<QLabel>("Image2");
    EXPECT_EQ(nowPlaying->pixmap().size(), nowPlaying->size() * ratio);
    EXPECT_EQ(nowPlaying->pixmap().devicePixelRatio(), ratio);

    QLabel label(&window);
    label.resize(70, 50);
    const QPixmap picture = coverPixmap(window.albumCommands().album(0)->path + u"cover.jpg"_s, &label);
    EXPECT_EQ(picture.size(), QSize(70, 50) * ratio);
    EXPECT_TRUE(coverPixmap(m_dir.filePath(u"missing.jpg"_s), &label).isNull());
}

TEST(HiDpi, PicturesAreDecodedAtTwiceTheirSizeAtScaleTwo)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_SCALE_FACTOR"_s, u"2"_s);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {u"--gtest_filter=WindowTest.PicturesAreDecodedAtTheDevicesPixels"_s});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString output = QString::fromUtf8(child.readAllStandardOutput());
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(u"device pixel ratio 2"_s)) << output.toStdString();
    EXPECT_TRUE(output.contains(u"[  PASSED  ] 1 test."_s)) << output.toStdString();
}

} // namespace

// --- Child windows and the keyboard ----------------------------------------------------------------------

// Every window the menus and the cover menu open lies inside the screen and stays above the main window, and
// names its controls; Escape closes Search, Help and Settings (the scan panel's Close first, as Cancel waits
// for it).
using ChildWindowsFit = MainWindowTestWith<SizeCase>;

TEST_P(ChildWindowsFit, EveryWindowLiesInsideTheScreenAboveTheMainWindowAndNamesItsControls)
{
    QScreen *display = QGuiApplication::primaryScreen();
    const QRect before = display->geometry();
    const QRect screen(QPoint(), GetParam().screen);
    QWindowSystemInterface::handleScreenGeometryChange(display, screen, screen);
    QWindowSystemInterface::flushWindowSystemEvents();
    const auto restore = qScopeGuard([&] {
        QWindowSystemInterface::handleScreenGeometryChange(display, before, before);
        QWindowSystemInterface::flushWindowSystemEvents();
    });
    MainWindow &window = startActive(numbered(3, kTrack), GetParam().screen);
    ChildWindows &children = window.windows();
    for (void (ChildWindows::*open)() :
         {&ChildWindows::openSettings, &ChildWindows::openSearch, &ChildWindows::openHelp,
          &ChildWindows::openNewAlbum, &ChildWindows::openRemote, &ChildWindows::listSongs,
          &ChildWindows::addSongs, &ChildWindows::openCoverArt})
        (children.*open)();
    window.settingsWindow()->scanDisk();
    pointAt(child("Label6")); // the letters show
    int dialogs = 0;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible() || qobject_cast<QMenu *>(top))
            continue;
        // Every control the keyboard reaches is named for screen readers (a spin box names its own field).
        for (QWidget *control : top->findChildren<QWidget *>()) {
            if (control->isVisible() && (control->focusPolicy() & Qt::TabFocus) &&
                !qobject_cast<QAbstractSpinBox *>(control->parent())) {
                EXPECT_FALSE(accessibleName(control).isEmpty()) << control->objectName().toStdString();
                // In a child window, what is clicked but not drawn as a button shows a pointing hand.
                const bool plain = qobject_cast<QLabel *>(control) || control->property("flat").toBool();
                EXPECT_TRUE(top == &window || !plain || control->cursor().shape() == Qt::PointingHandCursor)
                    << control->objectName().toStdString();
            }
        }
        if (top == &window)
            continue;
        ++dialogs;
        EXPECT_TRUE(screen.contains(top->frameGeometry())) << top->objectName().toStdString();
        // A dialog's transient parent is what the window system keeps it above.
        EXPECT_EQ(top->windowType(), Qt::Dialog) << top->objectName().toStdString();
        EXPECT_EQ(top->windowHandle()->transientParent(), window.windowHandle())
            << top->objectName().toStdString();
    }
    EXPECT_EQ(dialogs, 8);

    for (QWidget *child : QWidgetList{window.searchWindow(), window.helpWindow(), window.settingsWindow(),
                                      window.settingsWindow()}) {
        ASSERT_NE(child, nullptr);
        QApplication::setActiveWindow(child);
        QTest::keyClick(child, Qt::Key_Escape);
    }
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !window.searchWindow() && !window.helpWindow() && !window.settingsWindow(); }));
}

INSTANTIATE_TEST_SUITE_P(Screens, ChildWindowsFit, ::testing::Values(kSizes[0], kSizes[1]),
                         [](const auto &info) { return std::string(info.param.name); });

// Tab walks each window in reading order; the wall's letters open behind it.
struct TabCase {
    const char *name;   // the window's object name, or "Main"
    const char *action; // what opens it
    QStringList order;  // from the first control Tab reaches
};

QStringList mainOrder()
{
    QStringList order{u"albumframe"_s};
    for (int j = 0; j < LetterBar::kLetters; ++j)
        order.append(u"Charlabel_%1"_s.arg(j));
    return order + QStringList{u"Image8"_s, u"Image10"_s, u"Image12"_s, u"Image6"_s, u"Image4"_s};
}

using TabOrder = MainWindowTestWith<TabCase>;

TEST_P(TabOrder, TabReachesEveryControlInReadingOrder)
{
    MainWindow &window = startActive(numbered(3, kTrack));
    QWidget *shown = &window;
    if (GetParam().action) {
        trigger(GetParam().action);
        shown = child(GetParam().name);
    }
    QApplication::setActiveWindow(shown);
    if (!shown->isAncestorOf(QApplication::focusWidget()) && shown != QApplication::focusWidget())
        QTest::keyClick(shown, Qt::Key_Tab);
    QStringList order{QApplication::focusWidget()->objectName()};
    while (order.size() < GetParam().order.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.append(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(order, GetParam().order);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, TabOrder,
    ::testing::Values(TabCase{"Main", nullptr, mainOrder()},
                      TabCase{"Options",
                              "mnuopt",
                              {u"Label3"_s, u"Label2"_s, u"Text4"_s, u"Label1"_s, u"Label4"_s, u"Text1"_s,
                               u"Text2"_s, u"Check2"_s, u"Check3"_s, u"Check4"_s, u"Label10"_s,
                               u"crossfade"_s, u"evenLoudness"_s, u"Command5"_s, u"Command1"_s, u"Command2"_s,
                               u"Label3"_s}},
                      TabCase{"Search", "mnufind", {u"Text3"_s, u"Command1"_s, u"List3"_s, u"Text3"_s}}),
    [](const auto &info) { return std::string(info.param.name); });
