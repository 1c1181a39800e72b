#pragma once

#include "tracksearch.h"

#include <QMutex>
#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <memory>

namespace lumetra {

// Runs track searches off the window's thread: a worker reads its snapshot of the catalogue first, then
// runs one search at a time. Starting a search or stop() cancels the one running; a cancelled search
// delivers nothing more, not even what it had already found.
class SearchRunner : public QObject
{
    Q_OBJECT
public:
    explicit SearchRunner(const QString &cataloguePath, QObject *parent = nullptr);
    // Cancels the running search and waits for the worker to let go.
    ~SearchRunner() override;

    void start(const QString &text);
    void stop();
    bool isSearching() const { return m_searching; }

Q_SIGNALS:
    // Results of the current search, in order, a batch at a time.
    void found(const QStringList &lines, const QStringList &titles);
    // The current search has ended; `count` results in all.
    void finished(int count);

private:
    // Worker side: results found, kept until the window takes them.
    void deliver(quint64 search, TrackSearch::Results &&batch, bool last);
    // Window side: a share of the results kept, so that no turn of the event loop takes long.
    void handOver();

    QThreadPool m_worker;
    std::shared_ptr<TrackSearch> m_search; // used by the worker only
    std::shared_ptr<std::atomic<bool>> m_stop;
    QMutex m_mutex; // guards what follows, down to m_handOverQueued
    quint64 m_current = 0;
    TrackSearch::Results m_pending;
    bool m_pendingLast = false;
    bool m_handOverQueued = false;
    TrackSearch::Results m_ready; // the window's: rows to take from m_taken on
    qsizetype m_taken = 0;
    int m_count = 0;
    bool m_searching = false;
};

} // namespace lumetra
