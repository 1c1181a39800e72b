#include "playerwatch.h"

#include "logging.h"
#include "mediaplayer.h"

namespace lumetra {

PlayerWatch::PlayerWatch(MediaPlayer &player, std::function<void(const QString &path)> onFailure)
    : m_player(player)
    , m_onFailure(std::move(onFailure))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDefaultTimeoutMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (m_loaded || m_reported)
            return;
        // Stopped or paused by the user: the wait starts again when it plays.
        if (!m_player.isPlaying()) {
            m_timer.start();
            return;
        }
        fail(QStringLiteral("nothing loaded after %1 ms").arg(m_timer.interval()));
    });
    connect(&m_player, &MediaPlayer::loaded, this, [this] {
        if (m_player.url() != m_path)
            return;
        m_loaded = true;
        m_timer.stop();
        m_failures = 0;
    });
    connect(&m_player, &MediaPlayer::failed, this, [this](const QString &path, const QString &reason) {
        if (path == m_path && !m_reported)
            fail(reason);
    });
}

void PlayerWatch::watch(const QString &path)
{
    m_path = path;
    ++m_handed;
    m_loaded = false;
    m_reported = path.isEmpty();
    if (m_reported)
        m_timer.stop();
    else
        m_timer.start();
}

void PlayerWatch::fail(const QString &reason)
{
    m_reported = true;
    m_timer.stop();
    ++m_failures;
    qCWarning(lcPlayback).noquote() << "could not play" << m_path << "-" << reason;
    QMetaObject::invokeMethod(
        this,
        [this, handed = m_handed] {
            if (handed == m_handed)
                m_onFailure(m_path);
        },
        Qt::QueuedConnection);
}

} // namespace lumetra
