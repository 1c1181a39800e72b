// The jukebox never falls silent by itself: the real window and the real media player on generated files,
// meeting files that cannot be played and an engine that stops answering, and refilling the queue. The
// cases assert which file the player loaded next (what the user hears), within a bound well under the
// player's load timeout.
#include "desktop/mpris.h"
#include "e2e/realwindow.h"
#include "remote/remote.h"
#include "support/privatebus.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QMenu>
#include <QThread>

#include <csignal>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

constexpr int kBound = 3000; // ms; a skip takes a few, the load timeout is 5000

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

// Albums in wall order: a good one, one of broken files and a good one last, and a long track.
const QStringList kAlbums{u"A Good"_s, u"B Mixed"_s, u"C Long"_s};

class NeverSilent : public RealWindow
{
protected:
    void SetUp() override
    {
        RealWindow::SetUp();
        writeAlbums(kAlbums);
        const struct {
            int album;
            QString name;
            double hz;
        } music[] = {{0, u"01 a.wav"_s, 330},    {0, u"02 b.ogg"_s, 440},    {0, u"03 c.mp3"_s, 490},
                     {1, u"03 gone.mp3"_s, 500}, {1, u"04 good.wav"_s, 550}, {2, u"01 long.wav"_s, 220}};
        for (const auto &file : music)
            ASSERT_TRUE(demo::writeByExtension(folder(file.album) + file.name,
                                               tone(file.hz, file.album == 2 ? 5 : 0.3)));
        ASSERT_TRUE(writeFile(folder(1) + u"01 zero.mp3"_s, {}));
        ASSERT_TRUE(writeFile(folder(1) + u"02 text.mp3"_s, "These are the liner notes, not music.\n"));
        showWindow("010");
    }

    // The draw that picks entry i of n.
    static double draw(int i, int n) { return (i + 0.5) / n; }
    static double album(const QString &title) { return draw(kAlbums.indexOf(title), kAlbums.size()); }

    // The first files to load were these. A prefix: while the event loop is held up longer than a short
    // track, that track loads, ends and the next pick follows within one turn.
    bool heard(const QStringList &files)
    {
        return waitFor([&] { return m_heard.mid(0, files.size()) == files; }, kBound);
    }
};

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
    // A pick lists the folder afresh, so it cannot meet a file that vanished after listing.
    if (GetParam() == Mode::ShuffleAll || GetParam() == Mode::Collection) {
        bad.removeLast();
        ASSERT_TRUE(QFile::remove(mixed + u"03 gone.mp3"_s));
    }
    switch (GetParam()) {
    case Mode::Normal:
        open(u"B Mixed"_s);
        break;
    case Mode::AlbumShuffle:
        m_random.script = {draw(0, 4), draw(1, 4), draw(2, 4), draw(3, 4)};
        open(u"B Mixed"_s, Qt::RightButton);
        m_window->menu(u"mnurt"_s)->hide();
        trigger("mnuplsh");
        break;
    case Mode::ShuffleAll:
        m_random.script = {album(u"B Mixed"_s), draw(0, 3),          album(u"B Mixed"_s),
                           draw(1, 3),          album(u"B Mixed"_s), draw(2, 3)};
        trigger("mnurandom");
        break;
    case Mode::Collection: // as Shuffle All, from a collection of the one album
        ASSERT_TRUE(writeFile(m_app.file(u"Mix.ply"_s), "B Mixed\r\n"));
        trigger("mnucoll");
        m_random.script = {0.0, draw(0, 3), 0.0, draw(1, 3), 0.0, draw(2, 3)};
        m_window->collections().collpicclick(0);
        break;
    case Mode::JukeboxHead:
        trigger("mnuplaylist");
        open(u"B Mixed"_s);
        for (int row = 0; row < 4; ++row)
            clickRow("List1", row);
        break;
    }
    QFile::remove(mixed + u"03 gone.mp3"_s); // vanishes after the album was listed
    EXPECT_TRUE(heard({u"04 good.wav"_s})) << m_heard.join(u',').toStdString();
    EXPECT_EQ(m_started, bad + QStringList{u"04 good.wav"_s});
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

// An engine that stops answering (here: stopped by a signal) is replaced; the file it held counts as one
// that could not be played, and the next plays on the new engine. A window that stalled is no reason.
TEST_F(NeverSilent, AnEngineThatStopsAnsweringIsReplacedAndTheMusicGoesOn)
{
    m_player->setWatchdog(1500);
    trigger("mnuplaylist"); // the long track queued and playing, then another queued
    open(u"C Long"_s);
    clickRow("List1", 0);
    ASSERT_TRUE(heard({u"01 long.wav"_s}));
    open(u"A Good"_s);
    clickRow("List1", 0);
    ASSERT_GT(m_player->enginePid(), 0);
    QThread::msleep(3000);
    waitFor([] { return false; }, 1500);
    EXPECT_EQ(m_player->replacements(), 0);
    ::kill(static_cast<pid_t>(m_player->enginePid()), SIGSTOP);
    EXPECT_TRUE(waitFor([this] { return m_heard.size() == 2; }, 3 * kBound))
        << m_heard.join(u',').toStdString();
    EXPECT_EQ(m_heard.value(1), u"01 a.wav"_s);
    EXPECT_EQ(m_player->replacements(), 1);
    EXPECT_EQ(m_window->windowTitle(), u"Could not play \"01 long.wav\""_s);
}

// Handing a new file while one plays: stopping the old one must not pass for the new one's load, or a file
// that never loads would read as playing and never be skipped.
TEST_F(NeverSilent, ANewFileCountsAsLoadedOnlyOnceItHasLoaded)
{
    open(u"C Long"_s);
    ASSERT_TRUE(heard({u"01 long.wav"_s}));
    m_player->pause();
    EXPECT_TRUE(m_player->isPaused());
    m_player->stop();
    EXPECT_FALSE(m_player->isPaused()); // told as stopped
    m_player->play();                   // after Stop, Play starts the file again
    EXPECT_TRUE(waitFor([this] { return m_player->position() >= 300; }, kBound));
    m_player->setUrl(folder(0) + u"01 a.wav"_s);
    EXPECT_FALSE(m_player->isLoaded());
    m_player->play();
    EXPECT_TRUE(heard({u"01 long.wav"_s, u"01 a.wav"_s}));
}

// An album of three formats plays through in Normal Play and stops after its last track; the desktop is told
// Playing once, Stopped at the end, and a title per track.
TEST_F(NeverSilent, AnAlbumPlaysThroughAndTheDesktopSeesPlayingOnceThenStopped)
{
    PrivateBus bus;
    ASSERT_FALSE(bus.address.isEmpty()) << "no dbus-daemon";
    {
        QDBusConnection connection = QDBusConnection::connectToBus(bus.address, u"neversilent"_s);
        ASSERT_TRUE(connection.isConnected());
        Mpris mpris(connection, m_window->playback(), *m_player, {});
        ASSERT_TRUE(mpris.publish());
        StatusListener listener;
        ASSERT_TRUE(connection.connect({}, u"/org/mpris/MediaPlayer2"_s, u"org.freedesktop.DBus.Properties"_s,
                                       u"PropertiesChanged"_s, &listener,
                                       SLOT(changed(QString, QVariantMap, QStringList))));
        open(u"A Good"_s);
        ASSERT_TRUE(waitFor([this] { return m_ended == 3; }, 20000)) << "ended " << m_ended << " of 3";
        waitFor([&] { return listener.statuses.size() >= 2; }, 1000);
        waitFor([] { return false; }, 400); // whatever would come after the last track
        EXPECT_EQ(m_started, (QStringList{u"01 a.wav"_s, u"02 b.ogg"_s, u"03 c.mp3"_s}));
        EXPECT_FALSE(m_player->isPlaying());
        EXPECT_EQ(m_window->playback().selectedTrack(), 2);
        EXPECT_EQ(listener.statuses, (QStringList{u"Playing"_s, u"Stopped"_s}));
        EXPECT_EQ(listener.titles, (QStringList{u"01 a"_s, u"02 b"_s, u"03 c"_s}));
        EXPECT_EQ(bus.playerctl({u"status"_s}), u"Stopped"_s);
        EXPECT_EQ(bus.playerctl({u"metadata"_s, u"title"_s}), u"03 c"_s);
    }
    QDBusConnection::disconnectFromBus(u"neversilent"_s);
}

using PlaybackEndToEnd = RealWindow;

// Jukebox mode in a party: the refill is chosen and shown as a dimmed last line when the last queued track
// starts, a person's pick still goes first, and the shown track is the one that plays, with the refill's
// line text. The mode is stored at close.
TEST_F(PlaybackEndToEnd, TheQueueAdvancesAndTheUpNextLineShowsTheRefillWhichPlaysAfterThePeoplesPicks)
{
    writeAlbums({u"Tones"_s, u"Second"_s});
    // The up-next track plays long enough for what follows it to be read.
    ASSERT_TRUE(demo::writeByExtension(folder(0) + u"01 Low.wav"_s, tone(330, 10)));
    ASSERT_TRUE(demo::writeByExtension(folder(1) + u"a.ogg"_s, tone(660)));
    ASSERT_TRUE(demo::writeByExtension(folder(1) + u"b.mp3"_s, tone(770)));
    showWindow("010");
    trigger("mnuparty");
    ASSERT_TRUE(m_window->playback().partyOn());
    trigger("mnuplaylist");
    ASSERT_TRUE(m_window->playback().jukeMode());
    ListBox *queue = list("List2");
    open(u"Second"_s);
    clickRow("List1", 0);
    // Second just played, so the pick is from Tones.
    EXPECT_EQ(queue->trailingLine(), u"Up next (random): 01 Low  -  Tones"_s);
    EXPECT_EQ(queue->item(queue->trailingRow())->text(), queue->trailingLine());
    clickRow("List1", 1);
    EXPECT_EQ(m_window->playback().queueLines().size(), 2);
    EXPECT_EQ(queue->trailingRow(), 2) << "the dimmed line stays last";

    ASSERT_TRUE(waitFor([this] { return m_started.size() >= 3; }, 20000))
        << "started " << m_started.join(u',').toStdString();
    EXPECT_EQ(m_started.mid(0, 3), (QStringList{u"a.ogg"_s, u"b.mp3"_s, u"01 Low.wav"_s}));
    EXPECT_EQ(m_window->playback().queueLines(),
              QStringList{u"01 Low - Added by Lumetra - Hey, Nothing was waiting in the queue..."_s});
    EXPECT_EQ(queue->trailingLine(), u"Up next (random): a  -  Second"_s) << "b.mp3 played a moment ago";

    m_window->close();
    EXPECT_EQ(querySql(m_app.file(u"tracks.lum"_s), u"SELECT formcolor FROM opts"_s),
              QStringList{u"jukebox"_s});
}

} // namespace

#include "test_neversilent_e2e.moc"
