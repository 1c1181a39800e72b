#include "searchrunner.h"

#include <QMutexLocker>
#include <QTimer>

namespace lumetra {

namespace {
// Rows handed to the window in one turn of its event loop; more wait for the next turn.
constexpr qsizetype kRowsPerTurn = 500;

} // namespace

SearchRunner::SearchRunner(const QString &cataloguePath, QObject *parent)
    : QObject(parent)
    , m_search(std::make_shared<TrackSearch>())
    , m_stop(std::make_shared<std::atomic<bool>>(false))
{
    m_worker.setMaxThreadCount(1);
    m_worker.start([search = m_search, cataloguePath] { search->load(cataloguePath); });
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
    m_count = 0;
    m_searching = true;
    m_worker.start([this, search, text, stop = m_stop, snapshot = m_search] {
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
    m_pending.lines += batch.lines;
    m_pending.titles += batch.titles;
    m_pendingLast = m_pendingLast || last;
    if (!m_handOverQueued) {
        m_handOverQueued = true;
        QMetaObject::invokeMethod(this, &SearchRunner::handOver, Qt::QueuedConnection);
    }
}

void SearchRunner::handOver()
{
    bool last = false;
    {
        const QMutexLocker lock(&m_mutex);
        if (!m_handOverQueued)
            return; // stopped since
        // What the worker found since the last turn joins what the window has still to take.
        if (m_taken == m_ready.lines.size()) {
            m_ready = std::exchange(m_pending, {});
            m_taken = 0;
        }
        last = m_pendingLast && m_pending.lines.isEmpty() && m_ready.lines.size() - m_taken <= kRowsPerTurn;
        m_handOverQueued = !last;
    }
    const qsizetype take = std::min(kRowsPerTurn, m_ready.lines.size() - m_taken);
    const QStringList lines = m_ready.lines.mid(m_taken, take);
    const QStringList titles = m_ready.titles.mid(m_taken, take);
    m_taken += take;
    // The rest comes after the window has had its turn: a timer waits for input and paints.
    if (!last)
        QTimer::singleShot(0, this, &SearchRunner::handOver);
    if (!lines.isEmpty()) {
        m_count += static_cast<int>(lines.size());
        Q_EMIT found(lines, titles);
    }
    if (last) {
        m_searching = false;
        Q_EMIT finished(m_count);
    }
}

void SearchRunner::stop()
{
    m_stop->store(true);
    const QMutexLocker lock(&m_mutex);
    ++m_current;
    m_pending = {};
    m_pendingLast = false;
    m_handOverQueued = false;
    m_ready = {};
    m_taken = 0;
    m_searching = false;
}

} // namespace lumetra
