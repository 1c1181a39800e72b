#pragma once

#include "mediaplayer.h"

#include <QAudioOutput>
#include <QMediaPlayer>

namespace lumetra {

// MediaPlayer over QMediaPlayer and QAudioOutput; volume 0..100 maps linearly onto 0.0..1.0.
class QtMediaPlayer final : public MediaPlayer
{
    Q_OBJECT
public:
    explicit QtMediaPlayer(QObject *parent = nullptr);

    void setUrl(const QString &path) override;
    QString url() const override { return m_url; }
    void play() override;
    void pause() override;
    void stop() override;
    bool isPlaying() const override;
    int volume() const override;
    void setVolume(int volume) override;
    qint64 position() const override;
    qint64 duration() const override;
    void setPosition(qint64 ms) override;

private:
    QMediaPlayer m_player;
    QAudioOutput m_output;
    QString m_url;
    int m_volume = 100;
};

} // namespace lumetra
