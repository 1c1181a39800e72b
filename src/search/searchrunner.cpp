#include "searchrunner.h"

#include <QMutexLocker>
#include <QThread>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace lumetra {

namespace {
// Qt's thread priorities leave Linux's ordinary threads as they are; their niceness is what the kernel
// weighs. A search is worth less than the window that shows it.
void lowerThisThread()
{
#ifdef Q_OS_LINUX
    constexpr int kNice = 5;
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kNice);
#endif
}
} // namespace

SearchRunner::SearchRunner(const QString &cataloguePath, QObject *parent)
    : QObject(parent)
    , m_search(std::make_shared<TrackSearch>())
    , m_stop(std::make_shared<std::atomic<bool>>(false))
{
    m_worker.setMaxThreadCount(1);
    m_worker.setThreadPriority(QThread::LowPriority);
    m_worker.start([search = m_search, cataloguePath] {
        lowerThisThread();
        search->load(cataloguePath);
    });
}

SearchRunner::~SearchRunner()
{
    stop();
    m_worker.clear();
    m_worker.waitForDone();
}

void SearchRunner::start(const QString &text)
{
    stop();
    m_stop = std::make_shared<std::atomic<bool>>(false);
    quint64 search = 0;
    {
        const QMutexLocker lock(&m_mutex);
        search = ++m_current;
    }
    m_results = {};
    m_searching = true;
    m_worker.start([this, search, text, stop = m_stop, snapshot = m_search] {
        lowerThisThread();
        snapshot->find(
            text, [&](TrackSearch::Results &&batch) { deliver(search, std::move(batch), false); }, *stop);
        if (!stop->load())
            deliver(search, {}, true);
    });
}

void SearchRunner::deliver(quint64 search, TrackSearch::Results &&batch, bool last)
{
    const QMutexLocker lock(&m_mutex);
    // Results of a search given up since must not mix with the current one's.
    if (search != m_current)
        return;
    if (m_pending.isEmpty())
        m_pending = std::move(batch);
    else
        m_pending.append(batch);
    m_pendingLast = m_pendingLast || last;
    if (!m_handOverQueued) {
        m_handOverQueued = true;
        QMetaObject::invokeMethod(this, &SearchRunner::handOver, Qt::QueuedConnection);
    }
}

void SearchRunner::handOver()
{
    TrackSearch::Results batch;
    bool last = false;
    {
        const QMutexLocker lock(&m_mutex);
        if (!m_handOverQueued)
            return; // stopped since
        batch = std::exchange(m_pending, {});
        last = std::exchange(m_pendingLast, false);
        m_handOverQueued = false;
    }
    if (!batch.isEmpty()) {
        if (m_results.isEmpty())
            m_results = std::move(batch);
        else
            m_results.append(batch);
        Q_EMIT found(m_results.size());
    }
    if (last) {
        m_searching = false;
        Q_EMIT finished(m_results.size());
    }
}

QString SearchRunner::line(qsizetype i) const
{
    return i >= 0 && i < m_results.size() ? m_search->line(m_results, i) : QString();
}

QString SearchRunner::title(qsizetype i) const
{
    return i >= 0 && i < m_results.size() ? m_search->title(m_results.albums[i]) : QString();
}

void SearchRunner::stop()
{
    m_stop->store(true);
    const QMutexLocker lock(&m_mutex);
    ++m_current;
    m_pending = {};
    m_pendingLast = false;
    m_handOverQueued = false;
    m_searching = false;
}

} // namespace lumetra
