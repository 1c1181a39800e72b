#pragma once

#include <QString>
#include <QStringList>

namespace lumetra {

// Playlists in the common extended M3U form (.m3u8: UTF-8, LF line ends), for other players to read and for
// collections to be made from.
namespace PlaylistFile {

struct Track {
    QString path;  // full path of the music file
    QString title; // shown by players: "<artist> - <track>"
};

// "#EXTM3U", then "#EXTINF:-1,<title>" and the path for every track; written with LF, as players expect.
QStringList lines(const QList<Track> &tracks);
bool write(const QString &file, const QList<Track> &tracks, QString *error = nullptr);

// The full paths a playlist names, in order: comments, blank lines and streams skipped; file: URLs of this
// machine (no host or localhost) percent-decoded into paths; relative paths, also with "\" as written on
// Windows, taken from the playlist's folder.
QStringList paths(const QString &file);

} // namespace PlaylistFile

} // namespace lumetra
