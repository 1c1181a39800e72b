#include "playlistfile.h"

#include "textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace lumetra::PlaylistFile {

QStringList lines(const QList<Track> &tracks)
{
    QStringList out{QStringLiteral("#EXTM3U")};
    for (const Track &track : tracks) {
        // A line break inside a title would end the entry early.
        QString title = track.title;
        title.replace(u'\r', u' ').replace(u'\n', u' ');
        out.append(QStringLiteral("#EXTINF:-1,") + title);
        out.append(track.path);
    }
    return out;
}

bool write(const QString &file, const QList<Track> &tracks, QString *error)
{
    return writeTextLines(file, lines(tracks), error);
}

QStringList paths(const QString &file)
{
    QStringList found;
    const auto text = readTextLines(file);
    if (!text)
        return found;
    const QDir base = QFileInfo(file).absoluteDir();
    for (QString line : *text) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive))
            line = QUrl(line).toLocalFile();
        else if (line.contains(QStringLiteral("://")))
            continue; // a stream, not a file of an album
        found.append(QDir::cleanPath(base.absoluteFilePath(QDir::fromNativeSeparators(line))));
    }
    return found;
}

} // namespace lumetra::PlaylistFile
