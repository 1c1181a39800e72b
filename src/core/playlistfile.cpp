#include "playlistfile.h"

#include "textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <optional>

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
    return writeTextLines(file, lines(tracks), error, LineEnd::Lf);
}

namespace {

std::optional<QString> localPath(const QString &line, const QDir &base)
{
    QString path;
    if (line.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive)) {
        const QUrl url(line);
        const QString host = url.host();
        if (!url.isValid() ||
            !(host.isEmpty() || host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0))
            return std::nullopt; // another machine's file
        path = url.path(QUrl::FullyDecoded);
    } else if (line.contains(QStringLiteral("://"))) {
        return std::nullopt; // a stream, not a file of an album
    } else {
        path = line;
        path.replace(u'\\', u'/');
    }
    return QDir::cleanPath(base.absoluteFilePath(path));
}

} // namespace

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
        if (const auto path = localPath(line, base))
            found.append(*path);
    }
    return found;
}

} // namespace lumetra::PlaylistFile
