#pragma once

#include <QWidget>

class QLabel;
class QSlider;
class QToolButton;

namespace lumetra {

class MediaPlayer;

// The player's own controls under the track list: play/pause, stop, position and volume.
class PlayerBar : public QWidget
{
    Q_OBJECT
public:
    PlayerBar(MediaPlayer &player, QWidget *parent = nullptr);

    void setTextColor(const QColor &color);
    // Play/pause: pauses a playing track, resumes a loaded one; nothing while no track is loaded.
    void togglePlay();

private:
    void refresh();

    MediaPlayer &m_player;
    QToolButton *m_playPause;
    QToolButton *m_stop;
    QSlider *m_position;
    QSlider *m_volume;
    QLabel *m_time;
};

} // namespace lumetra
