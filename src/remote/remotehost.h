#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace lumetra {

// What the phone remote asks of the jukebox, on the window's thread: what it shows, and the few things a
// guest or the host may change, through the calls the window itself uses.
class RemoteHost
{
public:
    virtual ~RemoteHost() = default;

    struct State {
        QString mode; // "normal", "shuffle", "jukebox", "collections" or "album"
        bool picksOpen = false;
        QString title; // what plays: track, album, artist and the file
        QString album;
        QString artist;
        QString file;
        QStringList queue; // the Jukebox queue's lines, the playing one first
        QString upNext;    // the next automatic pick, when one is shown
        int volume = 0;
        bool operator==(const State &) const = default;
    };
    virtual State state() const = 0;

    enum class Outcome { Queued, Refused, NoAlbum, NoTrack, Changed };
    struct Pick {
        Outcome outcome = Outcome::Queued;
        QString notice; // why it was refused, for the guest to read
    };
    // Queues track `track` of the album with catalogue ID `album` as a guest's click on it would, when the
    // track there is still called `name`.
    virtual Pick queue(qint64 album, int track, const QString &name) = 0;

    // The PIN's check, safe to run on any thread: `matches` is empty while no PIN is set; `stamp` changes
    // whenever the PIN does, which ends the host sessions made with the old one.
    struct PinCheck {
        QByteArray stamp;
        std::function<bool(const QString &)> matches;
    };
    virtual PinCheck pinCheck() const = 0;

    // The host's actions.
    virtual void skip() = 0;
    virtual void setVolume(int volume) = 0;
    virtual void setMode(const QString &mode) = 0;
};

} // namespace lumetra
