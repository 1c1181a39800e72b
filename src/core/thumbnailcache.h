#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace lumetra {

// Pictures of image files at the size they are shown, through the desktop's shared thumbnail cache
// (`$XDG_CACHE_HOME/thumbnails`, else `~/.cache/thumbnails`): a thumbnail in the smallest of the cache's
// sizes (128, 256, 512, 1024 pixels) that holds the shown size, named by the MD5 of the file's URI, carrying
// the file's URI, modification time and size. Thumbnails that other programs made are used as well; one
// whose file has changed since is decoded afresh and replaced. Thumbnails are written whole (a temporary file
// renamed), readable by the user only. Safe to use from several threads at once.
class ThumbnailCache
{
public:
    // `root` is the cache folder; empty means the desktop's.
    explicit ThumbnailCache(QString root = {});
    QString root() const { return m_root; }

    // A thumbnail decoded from its file and not yet written.
    struct Thumbnail {
        QImage image;
        int cacheSize = -1;
        QByteArray uri;
        qint64 mtime = 0;
        qint64 bytes = 0;
    };

    // The picture of `file` stretched to `size` pixels, as covers are shown; a null image when the file is
    // missing, unreadable or not a picture. Pictures larger than the largest thumbnail, and pictures that
    // are no larger than the thumbnail would be, are decoded from the file and not cached. A new thumbnail
    // is written at once, or handed to `unwritten` for a later store() when the caller has pictures to
    // decode first.
    QImage load(const QString &file, QSize size, Thumbnail *unwritten = nullptr) const;
    void store(const Thumbnail &thumbnail) const;

    // Where the thumbnail of `file` for pictures of `size` is kept; empty when no cache size holds it.
    QString thumbnailPath(const QString &file, QSize size) const;
    // The URI a thumbnail names its file by.
    static QByteArray uriOf(const QString &file);

private:
    QImage readThumbnail(const QString &path, const QByteArray &uri, qint64 mtime, qint64 bytes) const;

    QString m_root;
};

} // namespace lumetra
