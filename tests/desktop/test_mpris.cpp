#include "desktop/mpris.h"
#include "playback/playbackfixture.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QProcess>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

// A private session bus of its own, so the test never meets the desktop's players.
class PrivateBus
{
public:
    PrivateBus()
    {
        m_daemon.start(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--print-address=1"_s});
        if (m_daemon.waitForStarted(10000) && m_daemon.waitForReadyRead(10000))
            address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~PrivateBus()
    {
        m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }
    QString address;

private:
    QProcess m_daemon;
};

// Runs dbus-send against the private bus while this process keeps serving; returns what it printed.
QString dbusSend(const QString &address, const QStringList &args)
{
    QProcess send;
    send.start(u"dbus-send"_s,
               QStringList{u"--bus="_s + address, u"--print-reply"_s,
                           u"--dest=org.mpris.MediaPlayer2.lumetra"_s, u"/org/mpris/MediaPlayer2"_s} +
                   args);
    QElapsedTimer clock;
    clock.start();
    while (send.state() != QProcess::NotRunning && clock.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        send.waitForFinished(10);
    }
    return QString::fromUtf8(send.readAllStandardOutput() + send.readAllStandardError());
}

QString property(const QString &address, const QString &name)
{
    return dbusSend(address, {u"org.freedesktop.DBus.Properties.Get"_s,
                              u"string:org.mpris.MediaPlayer2.Player"_s, u"string:"_s + name});
}

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
                                          Mpris::Hooks{[this] { ++m_raised; }, [this] { ++m_quits; }});
        ASSERT_TRUE(m_mpris->publish());
    }
    void TearDown() override
    {
        m_mpris.reset();
        m_connection.reset();
        QDBusConnection::disconnectFromBus(u"mpris-test"_s);
    }

    PrivateBus m_bus;
    std::unique_ptr<QDBusConnection> m_connection;
    std::unique_ptr<Mpris> m_mpris;
    int m_raised = 0;
    int m_quits = 0;
};

TEST_F(MprisTest, DesktopToolsReadWhatPlaysAndControlThePlayer)
{
    EXPECT_EQ(m_mpris->serviceName(), u"org.mpris.MediaPlayer2.lumetra"_s);
    EXPECT_TRUE(property(m_bus.address, u"PlaybackStatus"_s).contains(u"\"Stopped\""_s));

    m_playback.setAutoplay(true);
    m_playback.coverPressed(slotOf(u"Alpha"_s), true);
    const QString metadata = property(m_bus.address, u"Metadata"_s);
    EXPECT_TRUE(metadata.contains(u"\"01 One\""_s)) << metadata.toStdString();
    EXPECT_TRUE(metadata.contains(u"\"Alpha\""_s));
    EXPECT_TRUE(metadata.contains(u"cover.jpg"_s));
    EXPECT_TRUE(property(m_bus.address, u"PlaybackStatus"_s).contains(u"\"Playing\""_s));

    dbusSend(m_bus.address, {u"org.mpris.MediaPlayer2.Player.Next"_s});
    EXPECT_EQ(m_player.url(), folderOf(u"Alpha"_s) + u"02 Two.ogg"_s);
    dbusSend(m_bus.address, {u"org.mpris.MediaPlayer2.Player.PlayPause"_s});
    EXPECT_FALSE(m_player.isPlaying());
    dbusSend(m_bus.address,
             {u"org.freedesktop.DBus.Properties.Set"_s, u"string:org.mpris.MediaPlayer2.Player"_s,
              u"string:Volume"_s, u"variant:double:0.25"_s});
    EXPECT_EQ(m_player.volume(), 25);
    dbusSend(m_bus.address, {u"org.mpris.MediaPlayer2.Raise"_s});
    dbusSend(m_bus.address, {u"org.mpris.MediaPlayer2.Quit"_s});
    EXPECT_EQ(m_raised, 1);
    EXPECT_EQ(m_quits, 1);
}

TEST_F(MprisTest, NextIsTheSkipOfTheCurrentMode)
{
    m_playback.jukeboxmode();
    m_playback.coverPressed(slotOf(u"Gamma"_s), true);
    m_playback.selectTrack(0);
    m_playback.selectTrack(1);
    dbusSend(m_bus.address, {u"org.mpris.MediaPlayer2.Player.Next"_s});
    EXPECT_EQ(m_playback.queueLines(), QStringList{u"g2  -  Gamma"_s});
    EXPECT_EQ(m_player.url(), folderOf(u"Gamma"_s) + u"g2.wav"_s);
}

} // namespace
