#include "playhistory.h"

#include <QDir>

#include <algorithm>

namespace lumetra {

void PlayHistory::setLimits(int tracks, int albums)
{
    m_trackLimit = std::max(0, tracks);
    m_albumLimit = std::max(0, albums);
    while (static_cast<int>(m_tracks.size()) > m_trackLimit)
        m_tracks.pop_back();
    while (static_cast<int>(m_albums.size()) > m_albumLimit)
        m_albums.pop_back();
}

QString PlayHistory::trackKey(const QString &path)
{
    // A queued line's path and a picker's path may differ by a doubled separator.
    return QDir::cleanPath(QDir::fromNativeSeparators(path));
}

QString PlayHistory::albumOf(const QString &path)
{
    const QString track = trackKey(path);
    return track.left(std::max<qsizetype>(0, track.lastIndexOf(u'/')));
}

void PlayHistory::record(const QString &path)
{
    if (path.isEmpty() || (!m_tracks.empty() && m_tracks.front() == trackKey(path)))
        return;
    if (m_trackLimit > 0) {
        m_tracks.push_front(trackKey(path));
        if (static_cast<int>(m_tracks.size()) > m_trackLimit)
            m_tracks.pop_back();
    }
    const QString album = albumOf(path);
    const auto same = std::find(m_albums.begin(), m_albums.end(), album);
    if (same != m_albums.end())
        m_albums.erase(same);
    if (m_albumLimit > 0) {
        m_albums.push_front(album);
        if (static_cast<int>(m_albums.size()) > m_albumLimit)
            m_albums.pop_back();
    }
}

int PlayHistory::trackWindow(int availableTracks) const
{
    return std::clamp(availableTracks / 2, 0, m_trackLimit);
}

int PlayHistory::albumWindow(int availableAlbums) const
{
    return std::clamp(availableAlbums / 2, 0, m_albumLimit);
}

bool PlayHistory::playedWithin(const QString &path, int window) const
{
    const QString key = trackKey(path);
    const auto end = m_tracks.begin() + std::min<qsizetype>(std::max(0, window), m_tracks.size());
    return std::find(m_tracks.begin(), end, key) != end;
}

bool PlayHistory::albumWithin(const QString &album, int window) const
{
    const QString key = trackKey(album);
    const auto end = m_albums.begin() + std::min<qsizetype>(std::max(0, window), m_albums.size());
    return std::find(m_albums.begin(), end, key) != end;
}

void PlayHistory::noteAlbumSize(const QString &album, int tracks)
{
    const QString key = trackKey(album);
    const auto known = m_albumSizes.constFind(key);
    if (known != m_albumSizes.constEnd()) {
        m_sizeSum -= *known;
        m_albumSizes.erase(known);
    }
    if (tracks <= 0) {
        m_empty.insert(key);
        return;
    }
    m_empty.remove(key);
    m_albumSizes.insert(key, tracks);
    m_sizeSum += tracks;
}

int PlayHistory::estimatedTracks(int albumCount) const
{
    if (m_albumSizes.isEmpty())
        return 0;
    const qint64 estimate = m_sizeSum * albumCount / m_albumSizes.size();
    return static_cast<int>(std::min<qint64>(estimate, std::numeric_limits<int>::max()));
}

} // namespace lumetra
