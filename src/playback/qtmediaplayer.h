#pragma once

#include "mediaplayer.h"

#include <QAudioOutput>
#include <QMediaPlayer>

#include <memory>

namespace lumetra {

// MediaPlayer over QMediaPlayer and QAudioOutput; volume 0..100 maps linearly onto 0.0..1.0. A QMediaPlayer
// that met an error is replaced by a new one: the old one keeps delivering errors of the failed file, which
// it would pin on the next file, and it takes a second to take a new source.
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
    bool isPaused() const override;
    bool isLoaded() const override { return m_loaded; }
    int volume() const override;
    void setVolume(int volume) override;
    qint64 position() const override;
    qint64 duration() const override;
    void setPosition(qint64 ms) override;

private:
    void makePlayer();
    void replaceAfterError(const QString &path, const QString &reason);

    QAudioOutput m_output;
    std::unique_ptr<QMediaPlayer> m_player;
    QString m_url;
    int m_volume = 100;
    bool m_loaded = false;
    bool m_failing = false;
    bool m_settingSource = false;
};

} // namespace lumetra
