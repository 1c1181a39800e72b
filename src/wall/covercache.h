#pragma once

#include "core/thumbnailcache.h"

#include <QHash>
#include <QImage>
#include <QMutex>
#include <QSet>
#include <QSize>
#include <QStringList>
#include <QThreadPool>
#include <QWaitCondition>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace lumetra {

// Covers at the size the wall shows them, in device pixels, kept in memory within a bound in bytes and
// decoded on worker threads, so that the window's thread only paints. The covers of the page shown are
// decoded first, on every core, then the pages ahead, leaving a core to the window; a page flipped past
// before its covers were begun is dropped. A cover file changed on disk since it was decoded (time, size or
// change time) is decoded again. Covers are decoded straight at their size; the thumbnails they lack are
// written by the same workers when no picture is waiting, and only for pictures handed out to be shown.
class CoverCache
{
public:
    explicit CoverCache(const ThumbnailCache &thumbnails, qsizetype capacityBytes = 64 << 20);
    ~CoverCache();
    CoverCache(const CoverCache &) = delete;
    CoverCache &operator=(const CoverCache &) = delete;

    void setCapacity(qsizetype bytes);
    // Called on a worker thread each time a picture of the page shown has come in.
    void setOnArrival(std::function<void()> arrived);

    // The page now shown: the pictures of `files` at `size` that are in memory, in order, and nullopt for
    // the others, which are decoded before anything else and arrive later. A null picture where a file is
    // missing or is no picture. What was wanted for other pages and has not begun is dropped.
    std::vector<std::optional<QImage>> show(const QStringList &files, QSize size);
    // The picture of `file` at `size` if it is in memory, to be shown.
    std::optional<QImage> picture(const QString &file, QSize size);
    // Decodes `pages` at `size` in the background after the page shown, the first page first, unless they
    // are in memory.
    void prefetch(const QList<QStringList> &pages, QSize size);
    // Waits until every picture wanted has been decoded and the thumbnails due are written.
    void waitForPrefetch();

    struct Counts {
        int ready = 0;   // covers show() found in memory
        int waiting = 0; // covers show() had to leave to the workers
    };
    Counts counts() const;

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
        ThumbnailCache::Unwritten thumbnail; // due once the picture is handed out
    };
    struct Wanted {
        QString file;
        QSize size;
    };
    static QString keyOf(const QString &file, QSize size);
    static Stamp stampOf(const QString &file);
    void work();
    void startWorkersLocked();
    bool shownWantedLocked() const;
    void insertLocked(const QString &key, Entry entry);
    void writeThumbnailLocked(Entry &entry);

    const ThumbnailCache &m_thumbnails;
    mutable QMutex m_mutex; // guards everything below but the pool
    QWaitCondition m_idle;
    QHash<QString, Entry> m_entries;
    qsizetype m_capacity;
    qsizetype m_bytes = 0;
    quint64 m_clock = 0;
    std::deque<Wanted> m_wanted; // the page shown first, then the pages ahead
    QSet<QString> m_shown;       // the keys of the page shown
    QSet<QString> m_decoding;    // keys a worker is decoding
    std::deque<ThumbnailCache::Unwritten> m_thumbnailsDue;
    std::function<void()> m_arrived;
    int m_running = 0;
    int m_maxWorkers;
    int m_maxWorkersAhead;
    Counts m_counts;
    QThreadPool m_workers;
};

} // namespace lumetra
