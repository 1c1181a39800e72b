#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

namespace lumetra {

class MediaPlayer;

// Watches the file handed to the player. The player's failure report, or no loaded media within the
// timeout while the player is asked to play, means the file cannot be played: `onFailure` runs once for
// it, after the event that found it, unless another file was handed meanwhile. Counts such files in a
// row; a file that loads ends the run.
class PlayerWatch : public QObject
{
    Q_OBJECT
public:
    static constexpr int kDefaultTimeoutMs = 5000;

    PlayerWatch(MediaPlayer &player, std::function<void(const QString &path)> onFailure);

    void setTimeout(int ms) { m_timer.setInterval(ms); }
    // `path` was handed to the player; empty hands nothing.
    void watch(const QString &path);
    int failuresInRow() const { return m_failures; }
    void resetFailures() { m_failures = 0; }

private:
    void fail(const QString &reason);

    MediaPlayer &m_player;
    std::function<void(const QString &)> m_onFailure;
    QTimer m_timer;
    QString m_path;
    quint64 m_handed = 0; // files handed so far
    bool m_loaded = false;
    bool m_reported = true;
    int m_failures = 0;
};

} // namespace lumetra
