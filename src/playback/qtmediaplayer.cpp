#include "qtmediaplayer.h"

#include <QUrl>

#include <algorithm>

namespace lumetra {

QtMediaPlayer::QtMediaPlayer(QObject *parent)
    : MediaPlayer(parent)
{
    m_player.setAudioOutput(&m_output);
    m_output.setVolume(m_volume / 100.0f);

    connect(&m_player, &QMediaPlayer::playbackStateChanged, this, [this](QMediaPlayer::PlaybackState state) {
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
    connect(&m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status != QMediaPlayer::EndOfMedia)
            return;
        Q_EMIT playStateChanged(MediaEnded);
        // The sequencer acts on the change that follows the end, after the current event.
        QMetaObject::invokeMethod(
            this, [this] { Q_EMIT playStateChanged(Transitioning); }, Qt::QueuedConnection);
    });
    connect(&m_player, &QMediaPlayer::positionChanged, this, &MediaPlayer::positionChanged);
    connect(&m_player, &QMediaPlayer::durationChanged, this, &MediaPlayer::durationChanged);
}

void QtMediaPlayer::setUrl(const QString &path)
{
    m_url = path;
    m_player.setSource(path.isEmpty() ? QUrl() : QUrl::fromLocalFile(path));
}

void QtMediaPlayer::play()
{
    m_player.play();
}

void QtMediaPlayer::pause()
{
    m_player.pause();
}

void QtMediaPlayer::stop()
{
    m_player.stop();
}

bool QtMediaPlayer::isPlaying() const
{
    return m_player.playbackState() == QMediaPlayer::PlayingState;
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
    return m_player.position();
}

qint64 QtMediaPlayer::duration() const
{
    return m_player.duration();
}

void QtMediaPlayer::setPosition(qint64 ms)
{
    m_player.setPosition(ms);
}

} // namespace lumetra
