#include "covercache.h"

#include "core/thumbnailcache.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMutexLocker>
#include <QThread>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>

namespace lumetra {

namespace {
// Thumbnails due beyond this many are left for a later page to write, which also bounds the wait at exit.
constexpr int kMaxUnwritten = 64;
// The workers take pictures before thumbnails.
constexpr int kWritePriority = 0;
} // namespace

CoverCache::CoverCache(const ThumbnailCache &thumbnails, qsizetype capacityBytes)
    : m_thumbnails(thumbnails)
    , m_capacity(capacityBytes)
{
    // A core stays free for the window, which paints the pages these threads decode.
    m_workers.setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
}

CoverCache::~CoverCache()
{
    ++m_generation;
    m_workers.waitForDone(); // the thumbnails due are written: the next start needs them
}

void CoverCache::setCapacity(qsizetype bytes)
{
    const QMutexLocker lock(&m_mutex);
    m_capacity = bytes;
}

QString CoverCache::keyOf(const QString &file, QSize size)
{
    return QString::number(size.width()) + u'x' + QString::number(size.height()) + u' ' + file;
}

CoverCache::Stamp CoverCache::stampOf(const QString &file)
{
    const QFileInfo info(file);
    if (!info.exists())
        return {};
    return {info.lastModified().toMSecsSinceEpoch(), info.size(),
            info.metadataChangeTime().toMSecsSinceEpoch()};
}

bool CoverCache::lookup(const QString &key, const Stamp &stamp, QImage *picture)
{
    const QMutexLocker lock(&m_mutex);
    const auto it = m_entries.find(key);
    if (it == m_entries.end() || it->stamp != stamp)
        return false;
    it->used = ++m_clock;
    *picture = it->picture;
    return true;
}

bool CoverCache::isReady(const QString &key, const Stamp &stamp)
{
    const QMutexLocker lock(&m_mutex);
    const auto it = m_entries.constFind(key);
    return it != m_entries.constEnd() && it->stamp == stamp;
}

void CoverCache::insert(const QString &key, const QImage &picture, const Stamp &stamp)
{
    const QMutexLocker lock(&m_mutex);
    auto it = m_entries.find(key);
    if (it != m_entries.end())
        m_bytes -= it->picture.sizeInBytes();
    else
        it = m_entries.insert(key, {});
    *it = {picture, stamp, ++m_clock};
    m_bytes += picture.sizeInBytes();
    while (m_bytes > m_capacity && m_entries.size() > 1) {
        auto oldest = std::min_element(m_entries.begin(), m_entries.end(),
                                       [](const Entry &a, const Entry &b) { return a.used < b.used; });
        m_bytes -= oldest->picture.sizeInBytes();
        m_entries.erase(oldest);
    }
}

QImage CoverCache::decode(const QString &file, QSize size, const Stamp &stamp)
{
    // Straight at the shown size; the thumbnail, which needs a larger picture, comes after.
    ThumbnailCache::Unwritten unwritten;
    QImage picture = stamp.bytes < 0 ? QImage() : m_thumbnails.load(file, size, &unwritten);
    insert(keyOf(file, size), picture, stamp);
    if (unwritten.cacheSize >= 0) {
        if (m_unwritten.fetch_add(1) < kMaxUnwritten) {
            m_workers.start(
                [this, unwritten] {
                    m_thumbnails.write(unwritten);
                    --m_unwritten;
                },
                kWritePriority);
        } else {
            --m_unwritten;
        }
    }
    return picture;
}

QList<QImage> CoverCache::pictures(const QStringList &files, QSize size)
{
    ++m_generation; // the pages asked for before this one are no longer ahead
    QList<QImage> result(files.size());
    QList<qsizetype> missing;
    QList<Stamp> stamps(files.size());
    for (qsizetype i = 0; i < files.size(); ++i) {
        stamps[i] = stampOf(files[i]);
        if (!lookup(keyOf(files[i], size), stamps[i], &result[i]))
            missing.append(i);
    }
    m_ready += static_cast<int>(files.size() - missing.size());
    m_decoded += static_cast<int>(missing.size());
    const QList<QImage> decoded =
        QtConcurrent::blockingMapped(missing, [&](qsizetype i) { return decode(files[i], size, stamps[i]); });
    for (qsizetype m = 0; m < missing.size(); ++m)
        result[missing[m]] = decoded[m];
    return result;
}

void CoverCache::prefetch(const QList<QStringList> &pages, QSize size)
{
    const int generation = ++m_generation;
    int priority = kWritePriority + static_cast<int>(pages.size());
    for (const QStringList &files : pages) {
        for (const QString &file : files) {
            m_workers.start(
                [this, file, size, generation] {
                    if (generation != m_generation)
                        return;
                    const Stamp stamp = stampOf(file);
                    if (!isReady(keyOf(file, size), stamp))
                        decode(file, size, stamp);
                },
                priority);
        }
        --priority;
    }
}

void CoverCache::waitForPrefetch()
{
    m_workers.waitForDone();
}

} // namespace lumetra
