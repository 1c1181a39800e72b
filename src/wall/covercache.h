#pragma once

#include <QHash>
#include <QImage>
#include <QMutex>
#include <QSize>
#include <QStringList>
#include <QThreadPool>

#include <atomic>

namespace lumetra {

class ThumbnailCache;

// Covers at the size the wall shows them, in device pixels, kept in memory within a bound in bytes and
// decoded ahead on worker threads, so that a page flip only paints. A cover file changed on disk since it
// was decoded (time or size) is decoded again. Covers are decoded straight at their size; the thumbnails they
// lack are written by the same workers when no picture is waiting.
class CoverCache
{
public:
    explicit CoverCache(const ThumbnailCache &thumbnails, qsizetype capacityBytes = 64 << 20);
    ~CoverCache();
    CoverCache(const CoverCache &) = delete;
    CoverCache &operator=(const CoverCache &) = delete;

    void setCapacity(qsizetype bytes);

    // The pictures of `files` at `size`, in order: ready ones from memory, the others decoded now on every
    // core. A null picture where a file is missing or is no picture. Decoding ahead that has not begun yet
    // is dropped: the caller asks for the pages around this one next.
    QList<QImage> pictures(const QStringList &files, QSize size);
    // Decodes `pages` at `size` in the background, the first page first, unless they are in memory.
    void prefetch(const QList<QStringList> &pages, QSize size);
    // Waits for the decoding ahead and the thumbnails due.
    void waitForPrefetch();

    struct Counts {
        int ready = 0;   // pictures() found in memory
        int decoded = 0; // pictures() had to decode
    };
    Counts counts() const { return {m_ready.load(), m_decoded.load()}; }

private:
    struct Stamp {
        qint64 modified = -1;
        qint64 bytes = -1;
        qint64 changed = -1; // ctime: a copy that keeps the time and size still changes it
        bool operator==(const Stamp &) const = default;
    };
    struct Entry {
        QImage picture;
        Stamp stamp;
        quint64 used = 0;
    };
    static QString keyOf(const QString &file, QSize size);
    static Stamp stampOf(const QString &file);
    bool lookup(const QString &key, const Stamp &stamp, QImage *picture);
    bool isReady(const QString &key, const Stamp &stamp);
    QImage decode(const QString &file, QSize size, const Stamp &stamp);
    void insert(const QString &key, const QImage &picture, const Stamp &stamp);

    const ThumbnailCache &m_thumbnails;
    QMutex m_mutex;
    QHash<QString, Entry> m_entries;
    qsizetype m_capacity;
    qsizetype m_bytes = 0;
    quint64 m_clock = 0;
    QThreadPool m_workers;
    std::atomic<int> m_generation{0}; // of the latest pages asked for; older ones are dropped
    std::atomic<int> m_unwritten{0};
    std::atomic<int> m_ready{0};
    std::atomic<int> m_decoded{0};
};

} // namespace lumetra
