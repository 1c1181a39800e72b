#pragma once

#include <QHash>
#include <QSet>
#include <QString>

#include <deque>

namespace lumetra {

// The tracks and albums played lately, whoever chose them; in memory only, empty at start. An album is the
// folder its files are in. The automatic pickers and the guest rules read it; anything on the window's thread
// may record into it.
class PlayHistory
{
public:
    static constexpr int kDefaultTracks = 50;
    static constexpr int kDefaultAlbums = 3;

    // How many plays and albums are remembered (N and K); at least 0.
    void setLimits(int tracks, int albums);
    int trackLimit() const { return m_trackLimit; }
    int albumLimit() const { return m_albumLimit; }

    // A track started playing; the newest one started again (a restart) is the same play.
    void record(const QString &path);

    // N and K bounded by half of what the source offers, so that a small library still has a choice.
    int trackWindow(int availableTracks) const;
    int albumWindow(int availableAlbums) const;
    // Whether the track is among the last `window` plays.
    bool playedWithin(const QString &path, int window) const;
    // Whether the album folder is among the last `window` albums played (each album counted once).
    bool albumWithin(const QString &album, int window) const;

    // An album folder's number of tracks, learned when it is listed; estimatedTracks() scales the average
    // of the albums with music seen so far to `albumCount` albums (0 before any has been listed).
    void noteAlbumSize(const QString &album, int tracks);
    int estimatedTracks(int albumCount) const;
    // The album folder was found to hold no music when it was last listed.
    bool knownEmpty(const QString &album) const { return m_empty.contains(trackKey(album)); }

    // The folder of a track, as the history names albums.
    static QString albumOf(const QString &path);
    static QString trackKey(const QString &path);

private:
    int m_trackLimit = kDefaultTracks;
    int m_albumLimit = kDefaultAlbums;
    std::deque<QString> m_tracks; // newest first
    std::deque<QString> m_albums; // newest first, each once
    QHash<QString, int> m_albumSizes;
    QSet<QString> m_empty;
    qint64 m_sizeSum = 0;
};

} // namespace lumetra
