// The jukebox never falls silent by itself: the real window and the real media player on generated files,
// meeting empty albums, vanished folders and files that cannot be played. Each case asserts which file the
// player loaded next (what the user hears), within a bound well under the player's load timeout.
#include "audiofile.h"
#include "core/appfolder.h"
#include "desktop/mpris.h"
#include "playback/soundplayer.h"
#include "remote/remote.h"
#include "support/fakebrowser.h"
#include "support/fakes.h"
#include "support/privatebus.h"
#include "support/testlibrary.h"
#include "synth.h"
#include "ui/common/pointerwidgets.h"
#include "ui/main/mainwindow.h"
#include "ui/wall/coverslot.h"
#include "ui/wall/listbox.h"

#include <QAction>
#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMetaType>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <functional>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

constexpr int kBound = 3000; // ms; a skip takes a few, the load timeout is 5000

demo::Audio tone(double frequency, double seconds)
{
    demo::Audio audio;
    const int samples = static_cast<int>(demo::Audio::kSampleRate * seconds);
    for (int i = 0; i < samples; ++i) {
        const float v =
            0.3f * static_cast<float>(std::sin(2 * M_PI * frequency * i / demo::Audio::kSampleRate));
        audio.left.push_back(v);
        audio.right.push_back(v);
    }
    return audio;
}

// Runs the event loop without sleeping between turns: each skip of a broken file is a chain of queued steps.
bool waitFor(const std::function<bool()> &done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

void clickAt(QWidget *widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    const QPointF local(pos);
    QMouseEvent down(QEvent::MouseButtonPress, local, widget->mapToGlobal(local), button, button,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, local, widget->mapToGlobal(local), button, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(widget, &up);
}

void press(QWidget *widget, Qt::Key key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Records the PlaybackStatus of each MPRIS notification, in order.
class StatusListener : public QObject
{
    Q_OBJECT
public:
    QStringList statuses;
    QStringList titles;

public Q_SLOTS:
    void changed(const QString &, const QVariantMap &properties, const QStringList &)
    {
        if (properties.contains(u"PlaybackStatus"_s))
            statuses.append(properties.value(u"PlaybackStatus"_s).toString());
        const auto metadata = qdbus_cast<QVariantMap>(properties.value(u"Metadata"_s));
        if (metadata.contains(u"xesam:title"_s))
            titles.append(metadata.value(u"xesam:title"_s).toString());
    }
};

// Albums in wall order: a good one, one of broken files and a good one last, an empty folder, a vanished
// folder, one of twelve 0-byte files, and a long track.
const QStringList kAlbums{u"A Good"_s, u"B Mixed"_s, u"C Empty"_s, u"D Gone"_s, u"E Broken"_s, u"F Long"_s};

class NeverSilent : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_savedCwd = QDir::currentPath();
        ASSERT_TRUE(m_app.prepare(u":/files"_s));
        QList<TestAlbum> albums;
        for (const QString &title : kAlbums)
            albums.append({title, false});
        ASSERT_TRUE(writeCatalogue(m_dir.path(), albums));
        QString error;
        ASSERT_TRUE(demo::writeWav(folder(0) + u"01 a.wav"_s, tone(330, 0.3), &error));
        ASSERT_TRUE(demo::writeOgg(folder(0) + u"02 b.ogg"_s, tone(440, 0.3), {}, 7, &error));
        ASSERT_TRUE(writeFile(folder(1) + u"01 zero.mp3"_s, {}));
        ASSERT_TRUE(writeFile(folder(1) + u"02 text.mp3"_s, "These are the liner notes, not music.\n"));
        ASSERT_TRUE(demo::writeWav(folder(1) + u"03 gone.mp3"_s, tone(500, 0.3), &error));
        ASSERT_TRUE(demo::writeWav(folder(1) + u"04 good.wav"_s, tone(550, 0.3), &error));
        ASSERT_TRUE(writeFile(folder(2) + u"notes.txt"_s, "nothing to hear"));
        ASSERT_TRUE(QDir(folder(3)).removeRecursively());
        for (int i = 1; i <= 12; ++i)
            ASSERT_TRUE(writeFile(folder(4) + u"b%1.mp3"_s.arg(i, 2, 10, QLatin1Char('0')), {}));
        ASSERT_TRUE(demo::writeWav(folder(5) + u"01 long.wav"_s, tone(220, 5), &error));
        ASSERT_TRUE(writeFile(
            m_app.file(u"jb.ini"_s),
            "(Lumetra default)\r\n2400\r\n150\r\n0\r\n16777215\r\n010\r\nDejaVu Sans+9&False\r\n\r\n"));

        m_window = std::make_unique<MainWindow>(
            m_app, Seams{m_player, m_prompter, m_random, m_dialogs, m_shell, FakeBrowser::factory()},
            QRect(0, 0, 1920, 1080));
        m_window->show();
        m_window->load();
        QObject::connect(&m_player, &MediaPlayer::loaded,
                         [this] { m_heard.append(m_player.url().section(u'/', -1)); });
        QObject::connect(&m_player, &MediaPlayer::playStateChanged, [this](int state) {
            if (state == MediaPlayer::Playing && (m_handed.isEmpty() || m_handed.last() != m_player.url()))
                m_handed.append(m_player.url());
            if (state == MediaPlayer::MediaEnded)
                ++m_ended;
        });
    }
    void TearDown() override
    {
        m_window.reset();
        QDir::setCurrent(m_savedCwd);
    }

    QString folder(int album) const { return m_dir.filePath(u"Music/album%1/"_s.arg(album)); }
    // The draw that picks entry i of n.
    static double draw(int i, int n) { return (i + 0.5) / n; }
    static double album(const QString &title) { return draw(kAlbums.indexOf(title), kAlbums.size()); }

    QWidget *cover(const QString &title) const
    {
        for (int k = 0; k < m_window->slotCount(); ++k) {
            if (m_window->slot(k)->title() == title)
                return m_window->slot(k)->cover();
        }
        return nullptr;
    }
    void open(const QString &title) { clickAt(cover(title), QPoint(5, 5)); }
    void trigger(const QString &menu, const QString &action)
    {
        m_window->menu(menu)->findChild<QAction *>(action)->trigger();
    }
    ListBox *list(const QString &name) const { return m_window->findChild<ListBox *>(name); }
    void clickRow(const QString &name, int row)
    {
        ListBox *box = list(name);
        clickAt(box->viewport(), box->visualItemRect(box->item(row)).center());
    }
    // The first files to load were these. A prefix: while the event loop is held up longer than a short
    // track, that track loads, ends and the next pick follows within one turn.
    bool heard(const QStringList &files)
    {
        return waitFor([&] { return m_heard.mid(0, files.size()) == files; }, kBound);
    }
    // Jukebox mode with the long track queued and playing.
    void queueLongTrack()
    {
        trigger(u"mnuMode"_s, u"mnuplaylist"_s);
        open(u"F Long"_s);
        clickRow(u"List1"_s, 0);
        ASSERT_TRUE(heard({u"01 long.wav"_s}));
    }

    QTemporaryDir m_dir;
    QString m_savedCwd;
    AppFolder m_app{m_dir.path()};
    SoundPlayer m_player;
    FakePrompter m_prompter;
    ScriptedRandom m_random;
    FakeDialogs m_dialogs;
    FakeShell m_shell;
    std::unique_ptr<MainWindow> m_window;
    QStringList m_heard;  // files that loaded, by name
    QStringList m_handed; // files the player was asked to play, by path
    int m_ended = 0;
};

enum class Picker { ShuffleAll, Refill, Collection };

class PickersE2E : public NeverSilent, public ::testing::WithParamInterface<Picker>
{
};

TEST_P(PickersE2E, AnEmptyAlbumAndAVanishedFolderArePassedOver)
{
    QStringList expected{u"01 a.wav"_s};
    switch (GetParam()) {
    case Picker::ShuffleAll:
        m_random.script = {album(u"C Empty"_s), album(u"D Gone"_s), album(u"A Good"_s), 0.0};
        trigger(u"mnuMode"_s, u"mnurandom"_s);
        break;
    case Picker::Refill:
        trigger(u"mnuMode"_s, u"mnuplaylist"_s);
        open(u"A Good"_s);
        clickRow(u"List1"_s, 1);
        m_random.script = {album(u"C Empty"_s), album(u"D Gone"_s), album(u"A Good"_s), 0.0};
        expected.prepend(u"02 b.ogg"_s); // then the queue runs dry
        break;
    case Picker::Collection:
        ASSERT_TRUE(writeFile(m_app.file(u"Mix.ply"_s), "C Empty\r\nD Gone\r\nA Good\r\n"));
        trigger(u"mnuMode"_s, u"mnucoll"_s);
        m_random.script = {draw(0, 3), draw(1, 3), draw(2, 3), 0.0};
        m_window->collections().collpicclick(0);
        break;
    }
    EXPECT_TRUE(heard(expected)) << m_heard.join(u',').toStdString();
    EXPECT_TRUE(waitFor([this] { return m_player.isPlaying(); }, kBound));
    EXPECT_TRUE(m_prompter.messages.isEmpty());
}

std::string pickerName(const ::testing::TestParamInfo<Picker> &info)
{
    static const char *const names[] = {"ShuffleAll", "Refill", "Collection"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Pickers, PickersE2E,
                         ::testing::Values(Picker::ShuffleAll, Picker::Refill, Picker::Collection),
                         pickerName);

enum class Mode { Normal, AlbumShuffle, ShuffleAll, JukeboxHead, Collection };

class BrokenFilesE2E : public NeverSilent, public ::testing::WithParamInterface<Mode>
{
};

// "B Mixed" holds a 0-byte file, a text file named .mp3, a file that vanishes once the album is listed and,
// last, a good one; each mode meets the three in turn and goes on to the good one.
TEST_P(BrokenFilesE2E, EachIsSkippedWithANoticeAndTheGoodFilePlays)
{
    const QString mixed = folder(1);
    QStringList bad{u"01 zero.mp3"_s, u"02 text.mp3"_s, u"03 gone.mp3"_s};
    QStringList told; // to the phones
    QObject::connect(&m_window->remote().service(), &RemoteService::noticeSent,
                     [&told](const QByteArray &message) { told.append(QString::fromUtf8(message)); });
    switch (GetParam()) {
    case Mode::Normal:
        open(u"B Mixed"_s);
        break;
    case Mode::AlbumShuffle:
        m_random.script = {draw(0, 4), draw(1, 4), draw(2, 4), draw(3, 4)};
        clickAt(cover(u"B Mixed"_s), QPoint(5, 5), Qt::RightButton);
        m_window->menu(u"mnurt"_s)->hide();
        trigger(u"mnurt"_s, u"mnuplsh"_s);
        break;
    case Mode::ShuffleAll:
        // A Shuffle All pick lists the folder afresh, so it cannot meet a file that vanished after listing.
        bad.removeLast();
        ASSERT_TRUE(QFile::remove(mixed + u"03 gone.mp3"_s));
        m_random.script = {album(u"B Mixed"_s), draw(0, 3),          album(u"B Mixed"_s),
                           draw(1, 3),          album(u"B Mixed"_s), draw(2, 3)};
        trigger(u"mnuMode"_s, u"mnurandom"_s);
        break;
    case Mode::Collection: // as Shuffle All, from a collection of the one album
        bad.removeLast();
        ASSERT_TRUE(QFile::remove(mixed + u"03 gone.mp3"_s));
        ASSERT_TRUE(writeFile(m_app.file(u"Mix.ply"_s), "B Mixed\r\n"));
        trigger(u"mnuMode"_s, u"mnucoll"_s);
        m_random.script = {0.0, draw(0, 3), 0.0, draw(1, 3), 0.0, draw(2, 3)};
        m_window->collections().collpicclick(0);
        break;
    case Mode::JukeboxHead:
        trigger(u"mnuMode"_s, u"mnuplaylist"_s);
        open(u"B Mixed"_s);
        for (int row = 0; row < 4; ++row)
            clickRow(u"List1"_s, row);
        break;
    }
    QFile::remove(mixed + u"03 gone.mp3"_s); // vanishes after the album was listed
    EXPECT_TRUE(heard({u"04 good.wav"_s})) << m_heard.join(u',').toStdString();
    QStringList handed;
    for (const QString &file : bad + QStringList{u"04 good.wav"_s})
        handed.append(mixed + file);
    EXPECT_EQ(m_handed, handed);
    EXPECT_EQ(m_window->windowTitle(), u"Could not play \"%1\""_s.arg(bad.last()));
    EXPECT_EQ(told.size(), bad.size());
    EXPECT_EQ(told.value(0), uR"({"notice":"Could not play \"01 zero.mp3\""})"_s);
    EXPECT_TRUE(m_prompter.messages.isEmpty());
    if (GetParam() == Mode::JukeboxHead) {
        EXPECT_EQ(m_window->playback().queueLines(), QStringList{u"04 good  -  B Mixed"_s});
    }
}

std::string modeName(const ::testing::TestParamInfo<Mode> &info)
{
    static const char *const names[] = {"Normal", "AlbumShuffle", "ShuffleAll", "JukeboxHead", "Collection"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Modes, BrokenFilesE2E,
                         ::testing::Values(Mode::Normal, Mode::AlbumShuffle, Mode::ShuffleAll,
                                           Mode::JukeboxHead, Mode::Collection),
                         modeName);

TEST_F(NeverSilent, TenBrokenFilesInARowStopWithOneMessageNamingTheirFolder)
{
    open(u"E Broken"_s);
    ASSERT_TRUE(waitFor([this] { return !m_prompter.messages.isEmpty(); }, 5000));
    waitFor([] { return false; }, 300); // nothing more may come
    ASSERT_EQ(m_prompter.messages.size(), 1);
    EXPECT_TRUE(
        m_prompter.messages[0].contains(u"\"%1\""_s.arg(QDir::toNativeSeparators(folder(4).chopped(1)))))
        << m_prompter.messages[0].toStdString();
    EXPECT_EQ(m_handed.size(), 10);
    EXPECT_TRUE(m_heard.isEmpty());
    EXPECT_FALSE(m_player.isPlaying());
}

TEST_F(NeverSilent, EscapeAndDownInEitherListNeitherSkipNorQueue)
{
    queueLongTrack();
    open(u"A Good"_s);
    clickRow(u"List1"_s, 0);
    const QStringList queue = m_window->playback().queueLines();
    ASSERT_EQ(queue.size(), 2);
    for (const QString &name : {u"List2"_s, u"List1"_s}) {
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Down}) {
            list(name)->setFocus();
            press(list(name), key);
            waitFor([] { return false; }, 50);
            EXPECT_EQ(m_window->playback().queueLines(), queue) << name.toStdString() << " " << key;
        }
    }
    EXPECT_EQ(list(u"List1"_s)->currentRow(), 1); // Down moved the highlight
    EXPECT_TRUE(m_player.isPlaying());
    EXPECT_EQ(m_heard, QStringList{u"01 long.wav"_s});
}

// An engine that stops answering (here: stopped by a signal) is replaced; the file it held counts as one
// that could not be played, and the next plays on the new engine.
TEST_F(NeverSilent, AnEngineThatStopsAnsweringIsReplacedAndTheMusicGoesOn)
{
    m_player.setWatchdog(1500);
    queueLongTrack();
    open(u"A Good"_s);
    clickRow(u"List1"_s, 0);
    ASSERT_GT(m_player.enginePid(), 0);
    ::kill(static_cast<pid_t>(m_player.enginePid()), SIGSTOP);
    EXPECT_TRUE(waitFor([this] { return m_heard.size() == 2; }, 3 * kBound))
        << m_heard.join(u',').toStdString();
    EXPECT_EQ(m_heard.value(1), u"01 a.wav"_s);
    EXPECT_EQ(m_player.replacements(), 1);
    EXPECT_EQ(m_window->windowTitle(), u"Could not play \"01 long.wav\""_s);
}

// Handing a new file while one plays: stopping the old one must not pass for the new one's load, or a file
// that never loads would read as playing and never be skipped.
TEST_F(NeverSilent, ANewFileCountsAsLoadedOnlyOnceItHasLoaded)
{
    open(u"F Long"_s);
    ASSERT_TRUE(heard({u"01 long.wav"_s}));
    m_player.setUrl(folder(0) + u"01 a.wav"_s);
    EXPECT_FALSE(m_player.isLoaded());
    m_player.play();
    EXPECT_TRUE(heard({u"01 long.wav"_s, u"01 a.wav"_s}));
}

// Over one album in Normal Play the desktop is told Playing once and Stopped at the end, and a title per
// track.
TEST_F(NeverSilent, TheDesktopSeesPlayingOnceThenStoppedAtTheAlbumsEnd)
{
    PrivateBus bus;
    ASSERT_FALSE(bus.address.isEmpty()) << "no dbus-daemon";
    {
        QDBusConnection connection = QDBusConnection::connectToBus(bus.address, u"neversilent"_s);
        ASSERT_TRUE(connection.isConnected());
        Mpris mpris(connection, m_window->playback(), m_player, {});
        ASSERT_TRUE(mpris.publish());
        StatusListener listener;
        ASSERT_TRUE(connection.connect({}, u"/org/mpris/MediaPlayer2"_s, u"org.freedesktop.DBus.Properties"_s,
                                       u"PropertiesChanged"_s, &listener,
                                       SLOT(changed(QString, QVariantMap, QStringList))));
        open(u"A Good"_s);
        ASSERT_TRUE(waitFor([this] { return m_ended == 2; }, 10000));
        waitFor([&] { return listener.statuses.size() >= 2; }, 1000);
        waitFor([] { return false; }, 300);
        EXPECT_EQ(listener.statuses, (QStringList{u"Playing"_s, u"Stopped"_s}));
        EXPECT_EQ(listener.titles, (QStringList{u"01 a"_s, u"02 b"_s}));
        EXPECT_EQ(bus.playerctl({u"status"_s}), u"Stopped"_s);
        EXPECT_EQ(bus.playerctl({u"metadata"_s, u"title"_s}), u"02 b"_s);
    }
    QDBusConnection::disconnectFromBus(u"neversilent"_s);
}

} // namespace

#include "test_neversilent_e2e.moc"
