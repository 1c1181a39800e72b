#pragma once

#include <QString>
#include <QStringList>

namespace lumetra {

// Playlists in the common extended M3U form (.m3u8: UTF-8), for other players to read and for collections
// to be made from.
namespace PlaylistFile {

struct Track {
    QString path;  // full path of the music file
    QString title; // shown by players: "<album> - <track>"
};

// "#EXTM3U", then "#EXTINF:-1,<title>" and the path for every track.
QStringList lines(const QList<Track> &tracks);
bool write(const QString &file, const QList<Track> &tracks, QString *error = nullptr);

// The full paths a playlist names, in order: comments and blank lines skipped, file: URLs turned into
// paths, relative paths taken from the playlist's folder.
QStringList paths(const QString &file);

} // namespace PlaylistFile

} // namespace lumetra
