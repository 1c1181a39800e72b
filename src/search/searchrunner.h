#pragma once

#include "tracksearch.h"

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
    void deliver(quint64 search, TrackSearch::Results &&batch);

    QThreadPool m_worker;
    std::shared_ptr<TrackSearch> m_search; // used by the worker only
    std::shared_ptr<std::atomic<bool>> m_stop;
    quint64 m_current = 0;
    int m_count = 0;
    bool m_searching = false;
};

} // namespace lumetra
