#include "desktop/mpris.h"
#include "playback/playbackfixture.h"
#include "support/privatebus.h"

#include <QDBusConnection>
#include <QUrl>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

// The MPRIS service over the fake player, driven by playerctl as the desktop would.
class MprisTest : public PlaybackTest
{
protected:
    void SetUp() override
    {
        PlaybackTest::SetUp();
        ASSERT_FALSE(m_bus.address.isEmpty()) << "no dbus-daemon";
        m_connection =
            std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(m_bus.address, u"mpris-test"_s));
        ASSERT_TRUE(m_connection->isConnected());
        m_mpris = std::make_unique<Mpris>(*m_connection, m_playback, m_player,
                                          Mpris::Hooks{[this] { ++m_raised; }, [this] { ++m_quits; },
                                                       [this](PartyCommand command) {
                                                           m_asked.append(command);
                                                           return !m_locked;
                                                       }});
        ASSERT_TRUE(m_mpris->publish());
    }
    void TearDown() override
    {
        m_mpris.reset();
        m_connection.reset();
        QDBusConnection::disconnectFromBus(u"mpris-test"_s);
    }

    QString canPlay() const
    {
        return m_bus.dbusSend({u"org.freedesktop.DBus.Properties.Get"_s,
                               u"string:org.mpris.MediaPlayer2.Player"_s, u"string:CanPlay"_s});
    }

    PrivateBus m_bus;
    std::unique_ptr<QDBusConnection> m_connection;
    std::unique_ptr<Mpris> m_mpris;
    int m_raised = 0;
    int m_quits = 0;
    bool m_locked = false;
    QList<PartyCommand> m_asked;
};

TEST_F(MprisTest, DesktopToolsReadWhatPlaysAndControlThePlayer)
{
    EXPECT_EQ(m_bus.playerctl({u"status"_s}), u"Stopped"_s);
    EXPECT_TRUE(canPlay().endsWith(u"boolean false"_s)) << canPlay().toStdString(); // nothing to play

    mark(u"Alpha"_s, u"The Alphas"_s, u"Artist"_s);
    m_playback.setAutoplay(true);
    m_playback.coverPressed(slotOf(u"Alpha"_s), true);
    EXPECT_EQ(
        m_bus.playerctl({u"metadata"_s, u"--format"_s, u"{{artist}}|{{album}}|{{title}}|{{mpris:artUrl}}"_s}),
        u"The Alphas|Alpha|01 One|"_s +
            QUrl::fromLocalFile(folderOf(u"Alpha"_s) + u"cover.jpg"_s).toString());
    EXPECT_EQ(m_bus.playerctl({u"status"_s}), u"Playing"_s);
    EXPECT_TRUE(canPlay().endsWith(u"boolean true"_s));

    m_bus.playerctl({u"next"_s});
    EXPECT_EQ(m_player.url(), folderOf(u"Alpha"_s) + u"02 Two.ogg"_s);
    m_bus.playerctl({u"play-pause"_s});
    EXPECT_EQ(m_bus.playerctl({u"status"_s}), u"Paused"_s);
    m_bus.playerctl({u"volume"_s, u"0.25"_s});
    EXPECT_EQ(m_player.volume(), 25);
    m_bus.playerctl({u"stop"_s});
    EXPECT_EQ(m_bus.playerctl({u"status"_s}), u"Stopped"_s);
    m_player.stalled = {folderOf(u"Alpha"_s) + u"03 Three.mp3"_s};
    m_playback.selectTrack(2);
    EXPECT_TRUE(m_player.isPlaying());
    EXPECT_EQ(m_bus.playerctl({u"status"_s}), u"Stopped"_s); // handed, never loaded: no sound
    m_bus.dbusSend({u"org.mpris.MediaPlayer2.Raise"_s});
    m_bus.dbusSend({u"org.mpris.MediaPlayer2.Quit"_s});
    EXPECT_EQ(std::pair(m_raised, m_quits), std::pair(1, 1));

    // In Jukebox mode Play refills an empty queue and Next skips to the next entry.
    m_playback.jukeboxmode();
    EXPECT_TRUE(canPlay().endsWith(u"boolean true"_s));
    m_random.script = {0.9, 0.0};
    m_bus.playerctl({u"play"_s});
    EXPECT_EQ(m_player.url(), folderOf(u"Gamma"_s) + u"g1.wav"_s);
    EXPECT_EQ(m_playback.queueLines().size(), 1);
    m_playback.coverPressed(slotOf(u"Gamma"_s), true);
    m_playback.selectTrack(1);
    m_bus.playerctl({u"next"_s});
    EXPECT_EQ(m_playback.queueLines(), QStringList{u"g2  -  Gamma"_s});
    EXPECT_EQ(m_player.url(), folderOf(u"Gamma"_s) + u"g2.wav"_s);
}

// Media keys go through the party lock like the window's own controls: locked, the desktop may not skip or
// stop; unlocked, Previous goes back in the album or to the start of the track.
TEST_F(MprisTest, ALockRefusesTheDesktopsSkipsAndStopsAndPreviousGoesBackInTheAlbumOrRestartsTheTrack)
{
    const QString alpha = folderOf(u"Alpha"_s);
    m_playback.setAutoplay(true);
    m_playback.coverPressed(slotOf(u"Alpha"_s), true);
    m_locked = true;
    for (const char *command : {"next", "previous", "stop", "pause"})
        m_bus.playerctl({QString::fromLatin1(command)});
    m_bus.playerctl({u"position"_s, u"1"_s});
    EXPECT_EQ(m_player.url(), alpha + u"01 One.wav"_s);
    EXPECT_TRUE(m_player.isPlaying());
    using C = PartyCommand;
    EXPECT_EQ(m_asked, (QList<C>{C::Skip, C::Skip, C::Stop, C::Stop, C::Skip}));

    m_locked = false;
    // What playerctl says to Previous (nothing, unless it fails), then the file playing once it has answered.
    const auto back = [this] { return m_bus.playerctl({u"previous"_s}).append(m_player.url()); };
    EXPECT_EQ(back(), alpha + u"01 One.wav"_s); // the first track: back to its start
    m_playback.selectTrack(2);
    m_player.at = 3000;
    EXPECT_EQ(back(), alpha + u"02 Two.ogg"_s);
    m_player.at = 3500;
    EXPECT_EQ(back(), alpha + u"02 Two.ogg"_s);
    EXPECT_EQ(m_player.at, 0);

    // Album shuffle goes back to the track played before.
    m_playback.setOverCover(slotOf(u"Gamma"_s));
    m_random.script = {0.6, 0.0};
    m_playback.mnuplsh();
    endTrack();
    ASSERT_EQ(m_playback.playedTracks(), u",2,0,"_s);
    EXPECT_EQ(back(), folderOf(u"Gamma"_s) + u"g3.wav"_s);
    EXPECT_EQ(m_playback.playedTracks(), u",2,"_s);
    EXPECT_EQ(back(), folderOf(u"Gamma"_s) + u"g3.wav"_s); // nothing played before it: its start
    EXPECT_EQ(m_playback.playedTracks(), u",2,"_s);

    // Elsewhere back is the start of the track.
    m_random.script = {0.1, 0.5};
    m_playback.mnurandom();
    m_player.at = 1000;
    EXPECT_EQ(back(), alpha + u"02 Two.ogg"_s);
    EXPECT_EQ(m_player.at, 0);
}

} // namespace
