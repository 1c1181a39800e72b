#include "searchrunner.h"

namespace lumetra {

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
    const quint64 search = ++m_current;
    m_count = 0;
    m_searching = true;
    m_worker.start([this, search, text, stop = m_stop, snapshot = m_search] {
        snapshot->find(
            text, [&](TrackSearch::Results &&batch) { deliver(search, std::move(batch)); }, *stop);
        if (stop->load())
            return;
        QMetaObject::invokeMethod(
            this,
            [this, search] {
                if (search != m_current)
                    return;
                m_searching = false;
                Q_EMIT finished(m_count);
            },
            Qt::QueuedConnection);
    });
}

void SearchRunner::deliver(quint64 search, TrackSearch::Results &&batch)
{
    QMetaObject::invokeMethod(
        this,
        [this, search, batch = std::move(batch)] {
            // Results of a search given up since must not mix with the current one's.
            if (search != m_current)
                return;
            m_count += static_cast<int>(batch.lines.size());
            Q_EMIT found(batch.lines, batch.titles);
        },
        Qt::QueuedConnection);
}

void SearchRunner::stop()
{
    m_stop->store(true);
    ++m_current;
    m_searching = false;
}

} // namespace lumetra
