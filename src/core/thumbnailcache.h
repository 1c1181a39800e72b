#pragma once

#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QString>

#include <memory>

namespace lumetra {

class ThumbnailLedger;

// Pictures of image files at the size they are shown, through the desktop's shared thumbnail cache
// (`$XDG_CACHE_HOME/thumbnails`, else `~/.cache/thumbnails`): a thumbnail in the smallest of the cache's
// sizes (128, 256, 512, 1024 pixels) that holds the shown size, named by the MD5 of the file's URI, carrying
// the file's URI, modification time and size, and under a key of our own its change time (ctime). Thumbnails
// that other programs made are used as well; one whose file has changed since is decoded afresh and
// replaced. Thumbnails are written whole (a temporary file renamed), readable by the user only; what this
// program writes is bounded by a ThumbnailLedger, and a cache that cannot be written is found out once, after
// which no thumbnail is made to be written. Safe to use from several threads at once.
class ThumbnailCache
{
public:
    // `root` is the cache folder (empty: the desktop's); `ledger` lists what this program wrote there (empty:
    // a file in the program's own cache folder), within `budget` bytes (ThumbnailLedger::kDefaultBudget).
    explicit ThumbnailCache(QString root = {}, qint64 budget = -1, const QString &ledger = {});
    QString root() const { return m_root; }

    // A thumbnail due, left for later: the file and the cache size it belongs in.
    struct Unwritten {
        QString file;
        int cacheSize = -1;
    };

    // The picture of `file` stretched to `size` pixels, as covers are shown; a null image when the file is
    // missing, unreadable or not a picture. Without a thumbnail the file is decoded at the cache's size, the
    // thumbnail written and the picture made from it; when `unwritten` is given, the file is decoded straight
    // at `size`, which is quicker, and the thumbnail left to a later write(). Pictures larger than the
    // largest thumbnail, and pictures no larger than their thumbnail would be, are never cached; nor is
    // anything while the cache cannot be written.
    QImage load(const QString &file, QSize size, Unwritten *unwritten = nullptr) const;
    // Decodes the file at its cache size and writes its thumbnail.
    void write(const Unwritten &thumbnail) const;

    // Where the thumbnail of `file` for pictures of `size` is kept; empty when no cache size holds it.
    QString thumbnailPath(const QString &file, QSize size) const;
    // The URI a thumbnail names its file by.
    static QByteArray uriOf(const QString &file);

private:
    QImage readThumbnail(const QString &path, int edge, const QByteArray &uri, qint64 mtime, qint64 bytes,
                         qint64 changed) const;
    QImage decodeAndWrite(QImageReader &reader, int cacheSize, const QString &file) const;
    bool writable() const;

    QString m_root;
    std::shared_ptr<ThumbnailLedger> m_ledger;
};

} // namespace lumetra
