#pragma once

#include "mediaplayer.h"

#include <QElapsedTimer>
#include <QTimer>

#include <initializer_list>
#include <optional>

class QProcess;

namespace lumetra {

// MediaPlayer over the sound engine, `lumetra-sound`, a child process spoken to by lines (sound/wire.h).
// Nothing here waits for the engine: commands are written and answers arrive as events. An engine that
// does not answer within the watchdog's time, puts out no sound, ends, or leaves a file handed to it
// unloaded is killed and replaced; the file it held counts as one that could not be played.
class SoundPlayer final : public MediaPlayer
{
    Q_OBJECT
public:
    static constexpr int kWatchdogMs = 5000;

    explicit SoundPlayer(QObject *parent = nullptr);
    ~SoundPlayer() override;

    void setUrl(const QString &path) override;
    QString url() const override { return m_url; }
    void play() override;
    void pause() override;
    void stop() override;
    bool isPlaying() const override { return m_state == Playing; }
    bool isPaused() const override { return m_state == Paused; }
    bool isLoaded() const override { return m_loaded; }
    int volume() const override { return m_volume; }
    void setVolume(int volume) override;
    qint64 position() const override { return m_position; }
    qint64 duration() const override { return m_duration; }
    void setPosition(qint64 ms) override;
    void setGain(double db) override { m_gain = db; }
    void setNext(const QString &path, Join join, double gainDb) override;
    void setCrossfade(int ms) override;

    // Engines replaced so far.
    int replacements() const { return m_replacements; }
    qint64 enginePid() const;
    void setWatchdog(int ms) { m_watchdogMs = ms; }

private:
    struct Following {
        quint64 id = 0;
        QString path;
        double gain = 0;
        bool joined = false; // the engine plays it already
        bool loaded = false;
        qint64 duration = 0;
        std::optional<QString> failure;
    };
    void startEngine();
    void replaceEngine(const QString &reason);
    void send(std::initializer_list<QByteArray> words);
    void sendLoad(qint64 fromMs);
    void readEngine();
    void heard(const QList<QByteArray> &words);
    void watchLoad();
    void report(State state);
    void markLoaded(qint64 duration);
    void fail(const QString &reason);

    QProcess *m_engine = nullptr;
    QString m_enginePath;
    QTimer m_ping;
    QElapsedTimer m_answered; // since the engine last said anything
    QElapsedTimer m_sounding; // since its output last moved on
    QElapsedTimer m_tick;     // since the last ping
    bool m_started = false;   // the engine has answered once
    quint64 m_blocks = 0;
    quint64 m_pings = 0;
    QTimer m_loadWatch;
    int m_watchdogMs = kWatchdogMs;
    int m_replacements = 0;

    QString m_url;
    quint64 m_serial = 0;
    quint64 m_currentId = 0;
    State m_state = Stopped;
    bool m_reportPlaying = false; // a file was handed since Playing was last reported
    bool m_needsLoad = false;     // the engine holds no longer the file (stopped, ended, replaced)
    bool m_loaded = false;
    double m_gain = 0;
    int m_volume = 100;
    int m_crossfade = 0;
    qint64 m_position = 0;
    qint64 m_duration = 0;
    std::optional<Following> m_next;
};

} // namespace lumetra
