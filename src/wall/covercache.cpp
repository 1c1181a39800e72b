#include "covercache.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMutexLocker>
#include <QThread>

#include <algorithm>

namespace lumetra {

namespace {
// Thumbnails still due at exit beyond this many are left for a later run, which bounds the wait.
constexpr qsizetype kMaxThumbnailsDueAtExit = 64;
} // namespace

CoverCache::CoverCache(const ThumbnailCache &thumbnails, qsizetype capacityBytes)
    : m_thumbnails(thumbnails)
    , m_capacity(capacityBytes)
    // The page shown, which the user waits for, takes every core; a core stays with the window while the
    // workers decode ahead or write thumbnails.
    , m_maxWorkers(std::max(1, QThread::idealThreadCount()))
    , m_maxWorkersAhead(std::max(1, m_maxWorkers - 1))
{
    m_workers.setMaxThreadCount(m_maxWorkers);
}

CoverCache::~CoverCache()
{
    {
        const QMutexLocker lock(&m_mutex);
        m_wanted.clear();
        m_arrived = nullptr;
        if (qsizetype(m_thumbnailsDue.size()) > kMaxThumbnailsDueAtExit)
            m_thumbnailsDue.resize(kMaxThumbnailsDueAtExit); // the first shown: the next start shows them
    }
    m_workers.waitForDone(); // the thumbnails due are written: the next start needs them
}

void CoverCache::setCapacity(qsizetype bytes)
{
    const QMutexLocker lock(&m_mutex);
    m_capacity = bytes;
}

void CoverCache::setOnArrival(std::function<void()> arrived)
{
    const QMutexLocker lock(&m_mutex);
    m_arrived = std::move(arrived);
}

CoverCache::Counts CoverCache::counts() const
{
    const QMutexLocker lock(&m_mutex);
    return m_counts;
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

void CoverCache::insertLocked(const QString &key, Entry entry)
{
    auto it = m_entries.find(key);
    if (it != m_entries.end())
        m_bytes -= it->picture.sizeInBytes();
    else
        it = m_entries.insert(key, {});
    entry.used = ++m_clock;
    m_bytes += entry.picture.sizeInBytes();
    *it = std::move(entry);
    while (m_bytes > m_capacity && m_entries.size() > 1) {
        auto oldest = std::min_element(m_entries.begin(), m_entries.end(),
                                       [](const Entry &a, const Entry &b) { return a.used < b.used; });
        m_bytes -= oldest->picture.sizeInBytes();
        m_entries.erase(oldest);
    }
}

void CoverCache::writeThumbnailLocked(Entry &entry)
{
    if (entry.thumbnail.cacheSize >= 0)
        m_thumbnailsDue.push_back(entry.thumbnail);
    entry.thumbnail = {};
}

bool CoverCache::shownWantedLocked() const
{
    return !m_wanted.empty() && m_shown.contains(keyOf(m_wanted.front().file, m_wanted.front().size));
}

std::vector<std::optional<QImage>> CoverCache::show(const QStringList &files, QSize size)
{
    std::vector<Stamp> stamps;
    for (const QString &file : files)
        stamps.push_back(stampOf(file));
    std::vector<std::optional<QImage>> pictures(files.size());
    const QMutexLocker lock(&m_mutex);
    m_wanted.clear(); // the pages the user has left, and those ahead of them
    m_shown.clear();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString key = keyOf(files[i], size);
        m_shown.insert(key);
        const auto it = m_entries.find(key);
        if (it != m_entries.end() && it->stamp == stamps[i]) {
            it->used = ++m_clock;
            writeThumbnailLocked(*it);
            pictures[i] = it->picture;
            ++m_counts.ready;
        } else {
            ++m_counts.waiting;
            if (!m_decoding.contains(key))
                m_wanted.push_back({files[i], size});
        }
    }
    startWorkersLocked();
    return pictures;
}

std::optional<QImage> CoverCache::picture(const QString &file, QSize size)
{
    const QMutexLocker lock(&m_mutex);
    const auto it = m_entries.find(keyOf(file, size));
    if (it == m_entries.end())
        return std::nullopt;
    writeThumbnailLocked(*it);
    startWorkersLocked();
    return it->picture;
}

void CoverCache::prefetch(const QList<QStringList> &pages, QSize size)
{
    const QMutexLocker lock(&m_mutex);
    for (const QStringList &files : pages) {
        for (const QString &file : files)
            m_wanted.push_back({file, size});
    }
    startWorkersLocked();
}

void CoverCache::startWorkersLocked()
{
    const size_t waiting = m_wanted.size() + m_thumbnailsDue.size();
    const int most = shownWantedLocked() ? m_maxWorkers : m_maxWorkersAhead;
    while (m_running < most && size_t(m_running) < waiting) {
        ++m_running;
        m_workers.start([this] { work(); });
    }
}

// A worker: the pictures wanted, in order, then the thumbnails due, until there is nothing left.
void CoverCache::work()
{
    QMutexLocker lock(&m_mutex);
    for (;;) {
        // The core the page shown borrowed goes back to the window.
        const bool spare = m_running > m_maxWorkersAhead && !shownWantedLocked();
        if (!spare && !m_wanted.empty()) {
            const Wanted wanted = m_wanted.front();
            m_wanted.pop_front();
            const QString key = keyOf(wanted.file, wanted.size);
            if (m_decoding.contains(key))
                continue;
            m_decoding.insert(key);
            lock.unlock();
            Entry entry;
            entry.stamp = stampOf(wanted.file);
            lock.relock();
            const auto known = m_entries.constFind(key);
            if (known != m_entries.cend() && known->stamp == entry.stamp) {
                m_decoding.remove(key);
                continue;
            }
            lock.unlock();
            if (entry.stamp.bytes >= 0)
                entry.picture = m_thumbnails.load(wanted.file, wanted.size, &entry.thumbnail);
            lock.relock();
            m_decoding.remove(key);
            insertLocked(key, std::move(entry));
            if (m_arrived && m_shown.contains(key))
                m_arrived();
        } else if (!spare && !m_thumbnailsDue.empty()) {
            const ThumbnailCache::Unwritten thumbnail = m_thumbnailsDue.front();
            m_thumbnailsDue.pop_front();
            lock.unlock();
            m_thumbnails.write(thumbnail);
            lock.relock();
        } else {
            if (--m_running == 0)
                m_idle.wakeAll();
            return;
        }
    }
}

void CoverCache::waitForPrefetch()
{
    QMutexLocker lock(&m_mutex);
    while (m_running > 0)
        m_idle.wait(&m_mutex);
}

} // namespace lumetra
