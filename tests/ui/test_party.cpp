#include "mainwindowfixture.h"
#include "party/party.h"
#include "ui/common/pointerwidgets.h"
#include "ui/common/qtprompter.h"
#include "ui/party/lockdialog.h"
#include "ui/party/partycontrols.h"
#include "ui/wall/coverslot.h"
#include "ui/wall/listbox.h"
#include "ui/windows/settingswindow.h"
#include "ui/windows/skippedalbumswindow.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

using lumetra::test::PrintTo;

const QString kPin = u"20250614"_s;
const QString kAskPin = u"The jukebox is locked. Enter the PIN:"_s;

// A click on a row of the track list.
void clickTrack(MainWindow &window, int row)
{
    auto *box = window.findChild<ListBox *>(u"List1"_s);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(box->item(row)).center());
}

// Three albums with tracks, Jukebox mode with a track playing, the window shown and active.
class PartyWindowTest : public MainWindowTest
{
public:
    MainWindow &startParty()
    {
        return startActive({{u"Alpha"_s, true, {u"a1.mp3"_s, u"a2.mp3"_s}},
                            {u"Beta"_s, true, {u"b1.mp3"_s}},
                            {u"Gamma"_s, false, {u"g1.mp3"_s, u"g2.mp3"_s}}});
    }
    // Options > Lock for guests..., the PIN typed twice.
    void lock()
    {
        trigger("mnulock");
        LockDialog *dialog = m_window->party().lockDialog();
        ASSERT_NE(dialog, nullptr);
        dialog->setRules({.maxVolume = 60});
        dialog->setPins(kPin, kPin);
        dialog->lock();
        ASSERT_TRUE(m_window->party().party().isLocked());
    }
};

// --- The lock's permission table, through the window's own menus, keys and controls ------------------

struct Command {
    const char *name;
    std::function<void(MainWindow &)> run;
    bool guestsMay;
};

class LockTable : public PartyWindowTest, public ::testing::WithParamInterface<Command>
{
};

auto menuItem(const char *name)
{
    return [name](MainWindow &w) { w.findChild<QAction *>(QLatin1String(name))->trigger(); };
}

auto key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, const char *in = "albumframe")
{
    return [key, modifiers, in](MainWindow &w) {
        QTest::keyClick(w.findChild<QWidget *>(QLatin1String(in)), key, modifiers);
    };
}

auto click(const char *name)
{
    return [name](MainWindow &w) {
        auto *widget = w.findChild<QWidget *>(QLatin1String(name));
        ASSERT_NE(widget, nullptr) << name;
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(3, 3));
    };
}

// Unlocked nothing asks for the PIN; locked, everything but what guests may do asks, and a cancelled PIN
// leaves the jukebox locked and full screen.
TEST_P(LockTable, EachCommandAsksForThePinOnlyWhileLockedAndOnlyWhenGuestsMayNotDoIt)
{
    MainWindow &window = startParty();
    // Jukebox mode with Alpha's first track queued and playing.
    trigger("mnuplaylist");
    press(window.slot(0)->cover(), Qt::LeftButton);
    clickTrack(window, 0);
    m_player.setVolume(40);
    ASSERT_EQ(m_player.url().section(u'/', -1), u"a1.mp3"_s);
    const auto run = [&] {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        window.findChild<QWidget *>(u"albumframe"_s)->setFocus();
        GetParam().run(window);
        QTest::qWait(10); // guarded widgets ask after the event
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top != &window && top->isVisible())
                top->close();
        }
        for (QMenu *menu : window.findChildren<QMenu *>())
            menu->hide();
    };

    lock();
    ASSERT_TRUE(window.isFullScreen());
    run();
    EXPECT_EQ(m_prompter.prompts.count(kAskPin), GetParam().guestsMay ? 0 : 1);
    EXPECT_LE(m_player.volume(), 60);
    EXPECT_TRUE(window.party().party().isLocked());
    EXPECT_TRUE(window.isVisible());
    QTest::qWait(10);
    EXPECT_TRUE(window.isFullScreen());
    EXPECT_FALSE(window.isMinimized());

    m_prompter.inputs = {kPin};
    window.party().unlock();
    ASSERT_FALSE(window.party().party().isLocked());
    m_prompter.prompts.clear();
    run();
    EXPECT_EQ(m_prompter.prompts.count(kAskPin), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, LockTable,
    ::testing::Values(
        // What guests may do.
        Command{"PageByKey", key(Qt::Key_PageDown), true}, Command{"JumpByLetter", key(Qt::Key_G), true},
        Command{"Search", key(Qt::Key_F, Qt::ControlModifier), true},
        Command{"OpenAlbum", [](MainWindow &w) { press(w.slot(1)->cover(), Qt::LeftButton); }, true},
        Command{"CoverMenu", [](MainWindow &w) { press(w.slot(1)->cover(), Qt::RightButton); }, true},
        Command{"ListSongs", menuItem("mnulist"), true},
        Command{"QueueTrack", [](MainWindow &w) { clickTrack(w, 1); }, true},
        Command{"QueueTrackByEnter", key(Qt::Key_Return, {}, "List1"), true},
        // The window manager's iconify asks nothing: it is undone.
        Command{"Iconify", [](MainWindow &w) { w.setWindowState(w.windowState() | Qt::WindowMinimized); },
                true},
        // What asks for the PIN.
        Command{"NormalPlay", menuItem("mnunormal"), false},
        Command{"Collections", menuItem("mnucoll"), false},
        Command{"PlayShuffled", menuItem("mnuplsh"), false}, Command{"Settings", menuItem("mnuopt"), false},
        Command{"AddNewAlbum", menuItem("mnuorg"), false},
        Command{"AddSongs", menuItem("mnuaddsongs"), false}, Command{"Rename", menuItem("mnurename"), false},
        Command{"Delete", menuItem("mnumaindel"), false}, Command{"GetCoverArt", menuItem("mnuart"), false},
        Command{"Explore", menuItem("mnuexplore"), false},
        Command{"SkipInShuffle", menuItem("mnuskip"), false},
        Command{"SkippedAlbums", menuItem("mnuskipped"), false},
        Command{"MoveToTop", menuItem("mnutop"), false},
        Command{"DeleteFromQueue", menuItem("playdel"), false},
        Command{"ListInBrowser", menuItem("mnulab"), false}, Command{"Import", menuItem("mnuimport"), false},
        Command{"PartyModeOff", menuItem("mnuparty"), false}, Command{"Help", key(Qt::Key_F1), false},
        Command{"F11", key(Qt::Key_F11), false}, Command{"Escape", key(Qt::Key_Escape), false},
        Command{"Close", [](MainWindow &w) { w.close(); }, false}, Command{"Stop", click("stop"), false},
        Command{"Pause", click("playPause"), false}, Command{"SkipByQueueCover", click("Image15"), false},
        Command{"SkipByQueueKey", key(Qt::Key_Delete, {}, "List2"), false},
        Command{"Louder",
                [](MainWindow &w) { w.findChild<QSlider *>(u"volume"_s)->setValue(GuestRules::kMaxVolume); },
                false},
        Command{"Silent", [](MainWindow &w) { w.findChild<QSlider *>(u"volume"_s)->setValue(0); }, false}),
    [](const auto &info) { return std::string(info.param.name); });

// --- Locking, restarting locked, ending at logout -------------------------------------------------------

// Windows opened before locking would stay in guests' hands: locking closes each as Cancel would.
TEST_F(PartyWindowTest,
       ThePinIsAskedTwiceLockingClosesEveryWindowAndARestartComesBackLockedUntilThePinUnlocks)
{
    startParty();
    for (const char *name :
         {"mnuopt", "mnuorg", "mnuremote", "mnuaddsongs", "mnuart", "mnuhelp", "mnuskipped"})
        trigger(name);
    QWidget other; // not the jukebox's: it stays
    other.show();
    trigger("mnulock");
    LockDialog *dialog = m_window->party().lockDialog();
    ASSERT_TRUE(dialog && dialog == child("LockForGuests"));
    EXPECT_EQ(accessibleName(dialog->findChild<QWidget *>(u"lockPinAgain"_s)), u"PIN again"_s);
    dialog->setPins(u"123"_s, u"123"_s);
    dialog->lock();
    EXPECT_EQ(dialog->problem(), u"The PIN must be 4 to 8 digits."_s);
    dialog->setPins(kPin, u"20250615"_s);
    dialog->lock();
    EXPECT_EQ(dialog->problem(), u"The two PINs differ; type the same PIN twice."_s);
    // A ninth digit is refused as it is typed, as the PIN box refuses it, and the dialog says why.
    QTest::keyClick(dialog->findChild<QLineEdit *>(u"lockPin"_s), Qt::Key_9);
    EXPECT_EQ(dialog->problem(), u"The PIN must be 4 to 8 digits."_s);
    EXPECT_FALSE(m_window->party().party().isLocked());
    // The volume is brought within the guests' at once.
    m_player.setVolume(100);
    const GuestRules rules{.maxVolume = 30, .minVolume = 25};
    dialog->findChild<QWidget *>(u"lockMaxVolume"_s)->setProperty("value", rules.maxVolume);
    dialog->findChild<QWidget *>(u"lockMinVolume"_s)->setProperty("value", rules.minVolume);
    dialog->setPins(kPin, kPin);
    QTest::keyClick(dialog->findChild<QLineEdit *>(u"lockPin"_s), Qt::Key_Return); // Lock is the default
    ASSERT_TRUE(m_window->party().party().isLocked());
    for (QWidget *top : QApplication::topLevelWidgets())
        EXPECT_EQ(top->objectName() == u"Form1"_s || top == &other, top->isVisible())
            << top->objectName().toStdString();
    EXPECT_EQ(m_window->party().party().guests(), rules);
    EXPECT_EQ(m_player.volume(), 30);
    auto *mark = child("lockMark");
    EXPECT_TRUE(mark->isVisible() && accessibleName(mark) == u"Locked for guests"_s);
    EXPECT_TRUE(action("mnuparty")->isChecked());
    EXPECT_FALSE(action("mnulock")->isVisible());
    EXPECT_TRUE(action("mnuunlock")->isVisible());

    // Three wrong PINs: a short notice, where full screen shows it.
    m_prompter.inputs = {u"1111"_s, u"2222"_s, u"3333"_s};
    for (int i = 0; i < 3; ++i)
        trigger("mnuopt");
    EXPECT_EQ(m_window->windowTitle(), u"Too many wrong PINs: try again in 60 seconds."_s);
    EXPECT_EQ(child<QLabel>("wallnotice")->text(), m_window->windowTitle());
    EXPECT_FALSE(m_window->settingsWindow()->isVisible()); // closed on locking, and not opened again

    // A power cut: the next start is locked and full screen again.
    m_window.reset();
    MainWindow &again = start();
    again.show();
    EXPECT_TRUE(again.party().party().isLocked());
    EXPECT_EQ(again.party().party().guests(), rules);
    EXPECT_TRUE(again.isFullScreen());
    EXPECT_EQ(m_player.volume(), 30) << "the stored volume is the guests' again";
    m_prompter.inputs = {kPin};
    trigger("mnuunlock");
    EXPECT_FALSE(again.party().party().isLocked());
    EXPECT_FALSE(again.findChild<QWidget *>(u"lockMark"_s)->isVisible());
    again.close();
    EXPECT_FALSE(again.isVisible());
}

// The PIN box shows dots, takes no more digits than a PIN has, and logout closes it like any other box, so
// that the program ends at once.
TEST(PinBox, HidesTheDigitsAndGoesWhenTheProgramEnds)
{
    QtPrompter prompter;
    bool hidden = false;
    QTimer::singleShot(0, [&] {
        auto *field = QApplication::activeModalWidget()->findChild<QLineEdit *>();
        hidden = field && field->echoMode() == QLineEdit::Password;
        QTest::keyClicks(field, u"123456789"_s);
        EXPECT_EQ(field->text(), u"12345678"_s) << "the lock dialog's PINs, no longer";
        prompter.dismiss();
    });
    bool stuck = false;
    QObject rescue; // a box that dismiss() missed is closed, late
    QTimer::singleShot(2000, &rescue, [&stuck] {
        stuck = true;
        qobject_cast<QDialog *>(QApplication::activeModalWidget())->reject();
    });
    EXPECT_FALSE(prompter.secret(kAskPin));
    EXPECT_TRUE(hidden);
    EXPECT_FALSE(stuck);
}

// --- What party mode shows ----------------------------------------------------------------------------

// A damaged party file's message is its own (the table of hostile files tells each).
TEST_F(PartyWindowTest,
       ADamagedPartyFileIsSaidOnceAndACoverMarkedNoCarriesABadgeInPartyModeUntilItMayShuffleAgain)
{
    ASSERT_TRUE(writeFile(m_app.file(u"party.ini"_s), "[party]\nmode=true\nlocked=true\npinKey=zz\n"));
    MainWindow &window = startParty();
    EXPECT_EQ(m_prompter.messages.size(), 1);
    EXPECT_FALSE(action("mnuparty")->isChecked());
    ASSERT_EQ(window.slot(1)->title(), u"Beta"_s);
    window.playback().setOverCover(1);
    trigger("mnuskip");
    EXPECT_FALSE(window.slot(1)->hasSkippedBadge()) << "party mode off: every cover as before";
    EXPECT_FALSE(action("mnuskipped")->isVisible()) << "and the Mode menu as before";

    trigger("mnuparty");
    EXPECT_TRUE(window.party().party().isOn());
    EXPECT_TRUE(window.slot(1)->hasSkippedBadge());
    EXPECT_FALSE(window.slot(0)->hasSkippedBadge());
    EXPECT_EQ(window.slot(1)->cover()->accessibleDescription(), u"Skipped in shuffle"_s);

    // The cover menu's Skip marks Gamma at once.
    window.playback().setOverCover(2);
    trigger("mnuskip");
    EXPECT_TRUE(window.slot(2)->hasSkippedBadge());

    EXPECT_TRUE(action("mnuskipped")->isVisible());
    trigger("mnuskipped");
    SkippedAlbumsWindow *list = window.party().skippedAlbumsWindow();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->titles(), (QStringList{u"Beta"_s, u"Gamma"_s}));
    list->select(0);
    QTest::mouseClick(list->findChild<QAbstractButton *>(u"skippedPlayAgain"_s), Qt::LeftButton);
    EXPECT_EQ(list->titles(), QStringList{u"Gamma"_s});
    EXPECT_FALSE(window.slot(1)->hasSkippedBadge());
    EXPECT_EQ(querySql(catalogue(), u"SELECT Probability FROM songs WHERE Album = 'Beta'"_s),
              QStringList{QString()});

    trigger("mnuparty");
    EXPECT_FALSE(window.slot(2)->hasSkippedBadge());
}

// Shuffle All and Collections show their next pick as the track list's dimmed last line; a click on it picks
// again. Beta is marked "No": Shuffle All's notice of it stays readable on the wall of a full-screen party,
// while a collection plays Beta like any album it lists.
struct TrackListUpNext {
    const char *name;
    std::function<void(MainWindow &)> start;
    std::deque<double> script;
    QString notice; // on the wall and in the title after the start
    QString shown;  // the dimmed line
    std::deque<double> again;
    QString repicked;
    const char *leave; // party mode off, or Normal Play: either ends the next pick
};

class TrackListUpNextTest : public PartyWindowTest, public ::testing::WithParamInterface<TrackListUpNext>
{
};

TEST_P(TrackListUpNextTest, TheNextPickIsTheDimmedLastLineAndAClickPicksAgain)
{
    const TrackListUpNext &c = GetParam();
    MainWindow &window = startParty();
    window.playback().setOverCover(1);
    trigger("mnuskip");
    trigger("mnuparty");
    ASSERT_TRUE(writeFile(m_app.file(u"All.ply"_s), "Alpha\r\nBeta\r\nGamma\r\n")); // for Collections
    m_random.script = c.script;
    c.start(window);
    ASSERT_EQ(m_player.url().section(u'/', -1), u"a1.mp3"_s);

    auto *notice = window.findChild<QLabel *>(u"wallnotice"_s);
    EXPECT_EQ(notice->isVisible(), !c.notice.isEmpty());
    if (!c.notice.isEmpty()) {
        EXPECT_EQ(notice->text(), c.notice);
        EXPECT_EQ(window.windowTitle(), c.notice) << "the status of the track that started waits";
    }
    auto *tracks = window.findChild<ListBox *>(u"List1"_s);
    ASSERT_EQ(tracks->trailingRow(), tracks->count() - 1);
    EXPECT_EQ(tracks->item(tracks->trailingRow())->text(), c.shown);
    EXPECT_TRUE(window.findChild<ListBox *>(u"List2"_s)->trailingLine().isEmpty());

    m_random.script = c.again;
    clickTrack(window, tracks->trailingRow());
    EXPECT_EQ(tracks->trailingLine(), c.repicked);
    EXPECT_EQ(m_player.url().section(u'/', -1), u"a1.mp3"_s) << "the dimmed line is not a track to play";

    trigger(c.leave);
    EXPECT_EQ(tracks->trailingRow(), -1);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, TrackListUpNextTest,
    ::testing::Values(
        // Beta refused, Alpha's first track; then Alpha just played: Gamma's first, again its second.
        TrackListUpNext{"ShuffleAll",
                        menuItem("mnurandom"),
                        {0.5, 0.0, 0.0, 0.99, 0.0},
                        u"Beta was skipped because it is set not to play in Random mode."_s,
                        u"Up next (random): g1  -  Gamma"_s,
                        {0.5, 0.99, 0.99},
                        u"Up next (random): g2  -  Gamma"_s,
                        "mnunormal"},
        TrackListUpNext{"Collections",
                        [](MainWindow &w) {
                            menuItem("mnucoll")(w);
                            w.collections().collpicclick(0);
                        },
                        {0.0, 0.0, 0.5},
                        QString(),
                        u"Up next (random): b1  -  Beta"_s,
                        {0.99, 0.99},
                        u"Up next (random): g2  -  Gamma"_s,
                        "mnuparty"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
