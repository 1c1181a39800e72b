#include "mpris.h"

#include "playback/mediaplayer.h"
#include "playback/playback.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QUrl>

#include <algorithm>

namespace lumetra {

namespace {
const QString kObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
// Long enough for the end of a track, the next file and its loading to pass as one change.
constexpr int kSettleMs = 100;
} // namespace

Mpris::Mpris(QDBusConnection bus, Playback &playback, MediaPlayer &player, Hooks hooks, QObject *parent)
    : QObject(parent)
    , m_bus(std::move(bus))
    , m_playback(playback)
    , m_player(player)
    , m_hooks(std::move(hooks))
{
    new MprisRoot(this);
    new MprisPlayer(this);
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &Mpris::flush);
    connect(&m_player, &MediaPlayer::playStateChanged, this, &Mpris::changed);
    connect(&m_player, &MediaPlayer::loaded, this, &Mpris::changed);
    connect(&m_player, &MediaPlayer::failed, this, &Mpris::changed);
    connect(&m_player, &MediaPlayer::durationChanged, this, &Mpris::changed);
    connect(&m_player, &MediaPlayer::volumeChanged, this, [this] {
        announce({{QStringLiteral("Volume"), volume()}});
    });
    m_canPlay = m_playback.canPlay();
}

Mpris::~Mpris()
{
    if (!m_service.isEmpty()) {
        m_bus.unregisterObject(kObjectPath);
        m_bus.unregisterService(m_service);
    }
}

bool Mpris::publish()
{
    if (!m_bus.isConnected() || !m_bus.registerObject(kObjectPath, this))
        return false;
    // A second jukebox running at once takes a name of its own.
    for (const QString &name : {QStringLiteral("org.mpris.MediaPlayer2.lumetra"),
                                QStringLiteral("org.mpris.MediaPlayer2.lumetra.instance%1")
                                    .arg(QCoreApplication::applicationPid())}) {
        if (m_bus.registerService(name)) {
            m_service = name;
            return true;
        }
    }
    m_bus.unregisterObject(kObjectPath);
    return false;
}

QString Mpris::playbackStatus() const
{
    if (m_player.isPaused())
        return QStringLiteral("Paused");
    return m_player.isPlaying() && m_player.isLoaded() ? QStringLiteral("Playing")
                                                       : QStringLiteral("Stopped");
}

void Mpris::changed()
{
    if (!m_settle.isActive())
        m_settle.start();
}

void Mpris::flush()
{
    // A file still loading is told when it loads or fails.
    if (m_player.isPlaying() && !m_player.isLoaded())
        return;
    QVariantMap changed;
    const QString status = playbackStatus();
    if (status != m_status) {
        m_status = status;
        changed.insert(QStringLiteral("PlaybackStatus"), status);
    }
    if (m_player.url() != m_lastUrl || m_player.duration() != m_lastLength) {
        if (m_player.url() != m_lastUrl)
            ++m_track;
        m_lastUrl = m_player.url();
        m_lastLength = m_player.duration();
        changed.insert(QStringLiteral("Metadata"), metadata());
    }
    if (m_playback.canPlay() != m_canPlay) {
        m_canPlay = !m_canPlay;
        changed.insert(QStringLiteral("CanPlay"), m_canPlay);
    }
    if (!changed.isEmpty())
        announce(changed);
}

QVariantMap Mpris::metadata() const
{
    const Playback::NowPlaying now = m_playback.nowPlaying();
    if (now.path.isEmpty())
        return {{QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath(QStringLiteral(
                                                      "/org/mpris/MediaPlayer2/TrackList/NoTrack")))}};
    QVariantMap data{
        {QStringLiteral("mpris:trackid"),
         QVariant::fromValue(QDBusObjectPath(QStringLiteral("/org/lumetra/track/%1").arg(m_track)))},
        {QStringLiteral("xesam:title"), now.title},
        {QStringLiteral("xesam:url"), QString::fromUtf8(QUrl::fromLocalFile(now.path).toEncoded())},
        {QStringLiteral("mpris:artUrl"), QString::fromUtf8(QUrl::fromLocalFile(now.cover).toEncoded())},
    };
    if (!now.album.isEmpty())
        data.insert(QStringLiteral("xesam:album"), now.album);
    if (!now.artist.isEmpty())
        data.insert(QStringLiteral("xesam:artist"), QStringList{now.artist});
    if (m_player.duration() > 0)
        data.insert(QStringLiteral("mpris:length"), qlonglong(m_player.duration()) * 1000);
    return data;
}

double Mpris::volume() const
{
    return m_player.volume() / 100.0;
}

void Mpris::setVolume(double volume)
{
    m_player.setVolume(qRound(std::clamp(volume, 0.0, 1.0) * 100));
}

void Mpris::announce(const QVariantMap &changed)
{
    if (m_service.isEmpty())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(
        kObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
    signal << kPlayerInterface << changed << QStringList();
    m_bus.send(signal);
}

MprisRoot::MprisRoot(Mpris *mpris)
    : QDBusAbstractAdaptor(mpris)
    , m_mpris(mpris)
{
}

QString MprisRoot::desktopEntry() const
{
    return QGuiApplication::desktopFileName();
}

void MprisRoot::Raise()
{
    if (m_mpris->hooks().raise)
        m_mpris->hooks().raise();
}

void MprisRoot::Quit()
{
    if (m_mpris->hooks().quit)
        m_mpris->hooks().quit();
}

MprisPlayer::MprisPlayer(Mpris *mpris)
    : QDBusAbstractAdaptor(mpris)
    , m_mpris(mpris)
{
}

qlonglong MprisPlayer::position() const
{
    return qlonglong(m_mpris->player().position()) * 1000;
}

void MprisPlayer::Next()
{
    if (m_mpris->permits(PartyCommand::Skip))
        m_mpris->playback().skip();
}

bool MprisPlayer::canPlay() const
{
    return m_mpris->playback().canPlay();
}

void MprisPlayer::Previous()
{
    if (m_mpris->permits(PartyCommand::Skip))
        m_mpris->playback().previous();
}

void MprisPlayer::Pause()
{
    if (m_mpris->permits(PartyCommand::Stop))
        m_mpris->player().pause();
}

void MprisPlayer::PlayPause()
{
    if (m_mpris->player().isPlaying())
        Pause();
    else
        Play();
}

void MprisPlayer::Stop()
{
    if (m_mpris->permits(PartyCommand::Stop))
        m_mpris->player().stop();
}

void MprisPlayer::Play()
{
    m_mpris->playback().play();
}

void MprisPlayer::Seek(qlonglong offset)
{
    if (!m_mpris->permits(PartyCommand::Skip))
        return;
    MediaPlayer &player = m_mpris->player();
    player.setPosition(std::max<qint64>(0, player.position() + offset / 1000));
    Q_EMIT Seeked(position());
}

void MprisPlayer::SetPosition(const QDBusObjectPath &, qlonglong position)
{
    if (!m_mpris->permits(PartyCommand::Skip))
        return;
    m_mpris->player().setPosition(position / 1000);
    Q_EMIT Seeked(this->position());
}

void MprisPlayer::OpenUri(const QString &)
{
}

} // namespace lumetra
