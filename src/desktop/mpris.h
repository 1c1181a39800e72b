#pragma once

#include "party/partylock.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QTimer>
#include <QVariantMap>

#include <functional>

namespace lumetra {

class MediaPlayer;
class Playback;

// The jukebox as a desktop media player (MPRIS 2) on a D-Bus connection: media keys, the desktop's media
// widget and tools such as playerctl can play, pause, stop, skip, set the volume and read what plays.
class Mpris : public QObject
{
    Q_OBJECT
public:
    struct Hooks {
        std::function<void()> raise;
        std::function<void()> quit;
        // The party lock: false refuses a command (a skip, a stop) that would need its PIN.
        std::function<bool(PartyCommand)> permit = {};
    };
    Mpris(QDBusConnection bus, Playback &playback, MediaPlayer &player, Hooks hooks,
          QObject *parent = nullptr);
    ~Mpris() override;

    // Registers the service; false when the bus refuses both the plain and the per-process name.
    bool publish();
    QString serviceName() const { return m_service; }

    // Playing only while a loaded file plays (sounds), Paused while paused, else Stopped.
    QString playbackStatus() const;
    QVariantMap metadata() const;
    double volume() const;
    void setVolume(double volume);

    Playback &playback() { return m_playback; }
    MediaPlayer &player() { return m_player; }
    const Hooks &hooks() const { return m_hooks; }
    bool permits(PartyCommand command) const { return !m_hooks.permit || m_hooks.permit(command); }

private:
    // Changes are told in one notification once the player has settled: a track change reads as one
    // Playing, not the end of one track and the loading of the next.
    void changed();
    void flush();
    void announce(const QVariantMap &changed);

    QDBusConnection m_bus;
    Playback &m_playback;
    MediaPlayer &m_player;
    Hooks m_hooks;
    QString m_service;
    QTimer m_settle;
    int m_track = 0;
    QString m_lastUrl;
    qint64 m_lastLength = 0;
    QString m_status = QStringLiteral("Stopped");
    bool m_canPlay = false;
};

// org.mpris.MediaPlayer2
class MprisRoot : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ canQuit)
    Q_PROPERTY(bool CanRaise READ canRaise)
    Q_PROPERTY(bool HasTrackList READ hasTrackList)
    Q_PROPERTY(QString Identity READ identity)
    Q_PROPERTY(QString DesktopEntry READ desktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ supported)
    Q_PROPERTY(QStringList SupportedMimeTypes READ supported)
public:
    explicit MprisRoot(Mpris *mpris);
    bool canQuit() const { return true; }
    bool canRaise() const { return true; }
    bool hasTrackList() const { return false; }
    QString identity() const { return QStringLiteral("Lumetra Jukebox"); }
    QString desktopEntry() const; // the desktop entry main named, without ".desktop"
    QStringList supported() const { return {}; }

public Q_SLOTS:
    void Raise();
    void Quit();

private:
    Mpris *m_mpris;
};

// org.mpris.MediaPlayer2.Player
class MprisPlayer : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    Q_PROPERTY(double Rate READ rate WRITE setRate)
    Q_PROPERTY(double MinimumRate READ rate)
    Q_PROPERTY(double MaximumRate READ rate)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(double Volume READ volume WRITE setVolume)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(bool CanGoNext READ yes)
    Q_PROPERTY(bool CanGoPrevious READ yes)
    Q_PROPERTY(bool CanPlay READ canPlay)
    Q_PROPERTY(bool CanPause READ yes)
    Q_PROPERTY(bool CanSeek READ yes)
    Q_PROPERTY(bool CanControl READ yes)
public:
    explicit MprisPlayer(Mpris *mpris);
    QString playbackStatus() const { return m_mpris->playbackStatus(); }
    double rate() const { return 1.0; }
    void setRate(double) {}
    QVariantMap metadata() const { return m_mpris->metadata(); }
    double volume() const { return m_mpris->volume(); }
    void setVolume(double volume) { m_mpris->setVolume(volume); }
    qlonglong position() const;
    bool yes() const { return true; }
    bool canPlay() const;

public Q_SLOTS:
    void Next();
    void Previous();
    void Pause();
    void PlayPause();
    void Stop();
    void Play();
    void Seek(qlonglong offset);
    void SetPosition(const QDBusObjectPath &track, qlonglong position);
    void OpenUri(const QString &uri);

Q_SIGNALS:
    void Seeked(qlonglong position);

private:
    Mpris *m_mpris;
};

} // namespace lumetra
