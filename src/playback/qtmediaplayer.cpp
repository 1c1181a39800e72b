#include "qtmediaplayer.h"

#include <QUrl>

#include <algorithm>

namespace lumetra {

QtMediaPlayer::QtMediaPlayer(QObject *parent)
    : MediaPlayer(parent)
{
    m_output.setVolume(m_volume / 100.0f);
    makePlayer();
}

void QtMediaPlayer::makePlayer()
{
    m_player = std::make_unique<QMediaPlayer>();
    m_player->setAudioOutput(&m_output);
    QMediaPlayer *player = m_player.get();
    connect(player, &QMediaPlayer::playbackStateChanged, this, [this](QMediaPlayer::PlaybackState state) {
        switch (state) {
        case QMediaPlayer::StoppedState:
            Q_EMIT playStateChanged(Stopped);
            break;
        case QMediaPlayer::PausedState:
            Q_EMIT playStateChanged(Paused);
            break;
        case QMediaPlayer::PlayingState:
            Q_EMIT playStateChanged(Playing);
            break;
        }
    });
    connect(player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        switch (status) {
        case QMediaPlayer::LoadedMedia:
        case QMediaPlayer::BufferingMedia:
        case QMediaPlayer::BufferedMedia:
            if (!m_loaded && !m_failing && !m_settingSource) {
                m_loaded = true;
                Q_EMIT loaded();
            }
            break;
        case QMediaPlayer::EndOfMedia:
            Q_EMIT playStateChanged(MediaEnded);
            // The sequencer acts on the change that follows the end, after the current event.
            QMetaObject::invokeMethod(
                this, [this] { Q_EMIT playStateChanged(Transitioning); }, Qt::QueuedConnection);
            break;
        default:
            break;
        }
    });
    connect(player, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error, const QString &reason) {
        if (m_failing)
            return;
        m_failing = true;
        m_loaded = false;
        QMetaObject::invokeMethod(
            this, [this, path = m_url, reason] { replaceAfterError(path, reason); }, Qt::QueuedConnection);
    });
    connect(player, &QMediaPlayer::positionChanged, this, &MediaPlayer::positionChanged);
    connect(player, &QMediaPlayer::durationChanged, this, &MediaPlayer::durationChanged);
}

void QtMediaPlayer::replaceAfterError(const QString &path, const QString &reason)
{
    const bool wasStopped = m_player->playbackState() == QMediaPlayer::StoppedState;
    m_player->disconnect(this);
    m_player.reset();
    makePlayer();
    m_failing = false;
    if (m_url != path) {
        // Another file was handed meanwhile: it gets the new player.
        m_player->setSource(QUrl::fromLocalFile(m_url));
        if (!wasStopped)
            m_player->play();
    } else if (!wasStopped) {
        Q_EMIT playStateChanged(Stopped);
    }
    Q_EMIT positionChanged(0);
    Q_EMIT durationChanged(0);
    if (!path.isEmpty())
        Q_EMIT failed(path, reason);
}

void QtMediaPlayer::setUrl(const QString &path)
{
    m_url = path;
    m_loaded = false;
    // Stopping the file before reports it loaded; that is not the new one.
    m_settingSource = true;
    m_player->setSource(path.isEmpty() ? QUrl() : QUrl::fromLocalFile(path));
    m_settingSource = false;
}

void QtMediaPlayer::play()
{
    m_player->play();
}

void QtMediaPlayer::pause()
{
    m_player->pause();
}

void QtMediaPlayer::stop()
{
    m_player->stop();
}

bool QtMediaPlayer::isPlaying() const
{
    return m_player->playbackState() == QMediaPlayer::PlayingState;
}

bool QtMediaPlayer::isPaused() const
{
    return m_player->playbackState() == QMediaPlayer::PausedState;
}

int QtMediaPlayer::volume() const
{
    return m_volume;
}

void QtMediaPlayer::setVolume(int volume)
{
    volume = std::clamp(volume, 0, 100);
    if (volume == m_volume)
        return;
    m_volume = volume;
    m_output.setVolume(volume / 100.0f);
    Q_EMIT volumeChanged(volume);
}

qint64 QtMediaPlayer::position() const
{
    return m_player->position();
}

qint64 QtMediaPlayer::duration() const
{
    return m_player->duration();
}

void QtMediaPlayer::setPosition(qint64 ms)
{
    m_player->setPosition(ms);
}

} // namespace lumetra
