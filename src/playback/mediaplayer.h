#pragma once

#include <QObject>
#include <QString>

namespace lumetra {

// The media player as the program uses it: one file at a time, by full path.
// playStateChanged reports Stopped, Paused and Playing as they happen and, when a file has played to its
// end, MediaEnded followed (queued, after the current event) by Transitioning. A file that loads is
// reported by loaded; one that cannot be played by failed, once, after which the player stands stopped.
// Near a file's end nextWanted asks which file follows; setNext answers (again whenever the answer changes).
// When that file is heard the end is reported as always, and handing it then finds it playing already.
class MediaPlayer : public QObject
{
    Q_OBJECT
public:
    enum State { Stopped = 1, Paused = 2, Playing = 3, MediaEnded = 8, Transitioning = 9 };
    Q_ENUM(State)
    // How a file follows the one before it by itself: straight on, or by a crossfade.
    enum class Join { Gapless, Crossfade };

    using QObject::QObject;

    virtual void setUrl(const QString &path) = 0;
    virtual QString url() const = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    // Playing: asked to play, which sounds only once the file has loaded.
    virtual bool isPlaying() const = 0;
    virtual bool isPaused() const = 0;
    // The file handed last has loaded (and not failed since).
    virtual bool isLoaded() const = 0;

    // 0..100.
    virtual int volume() const = 0;
    virtual void setVolume(int volume) = 0;

    // Milliseconds.
    virtual qint64 position() const = 0;
    virtual qint64 duration() const = 0;
    virtual void setPosition(qint64 ms) = 0;

    // Loudness levelling: the gain in dB for the file handed next by setUrl.
    virtual void setGain(double db) = 0;
    // The file that follows the playing one at its end, joined as `join`, at `gainDb`; empty: none.
    virtual void setNext(const QString &path, Join join, double gainDb) = 0;
    // How long a crossfade lasts, in milliseconds.
    virtual void setCrossfade(int ms) = 0;

Q_SIGNALS:
    void playStateChanged(int state);
    void loaded();
    void failed(const QString &path, const QString &reason);
    void volumeChanged(int volume);
    void positionChanged(qint64 ms);
    void durationChanged(qint64 ms);
    void nextWanted();
};

} // namespace lumetra
