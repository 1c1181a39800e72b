#pragma once

#include "tracksearch.h"

#include <QMutex>
#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <memory>

namespace lumetra {

// Runs track searches off the window's thread, on a worker of low priority: it reads its snapshot of the
// catalogue first, then runs one search at a time. Starting a search or stop() cancels the one running; a
// cancelled search delivers nothing more, not even what it had already found. The results are kept compactly
// and shown a line at a time, so a million of them hold the window neither in time nor in memory.
class SearchRunner : public QObject
{
    Q_OBJECT
public:
    explicit SearchRunner(const QString &cataloguePath, QObject *parent = nullptr);
    // Cancels the running search and waits for the worker to let go.
    ~SearchRunner() override;

    // Starts a search; the results of the one before are gone.
    void start(const QString &text);
    void stop();
    bool isSearching() const { return m_searching; }

    // The results of the last search started, as far as they have been handed over.
    qsizetype count() const { return m_results.size(); }
    // Result `i`'s line and album title; empty past the results.
    QString line(qsizetype i) const;
    QString title(qsizetype i) const;

Q_SIGNALS:
    // More results of the current search have been handed over; `count` in all so far.
    void found(qsizetype count);
    // The current search has ended; `count` results in all.
    void finished(qsizetype count);

private:
    // Worker side: results found, kept until the window takes them.
    void deliver(quint64 search, TrackSearch::Results &&batch, bool last);
    // Window side: what the worker has found since the last turn of the event loop.
    void handOver();

    QThreadPool m_worker;
    std::shared_ptr<TrackSearch> m_search; // used by the worker only
    std::shared_ptr<std::atomic<bool>> m_stop;
    QMutex m_mutex; // guards what follows, down to m_handOverQueued
    quint64 m_current = 0;
    TrackSearch::Results m_pending;
    bool m_pendingLast = false;
    bool m_handOverQueued = false;
    TrackSearch::Results m_results; // the window's
    bool m_searching = false;
};

} // namespace lumetra
