#pragma once

#include <QHash>
#include <QMutex>
#include <QString>

#include <functional>
#include <list>
#include <memory>

namespace lumetra {

// The thumbnails this program has written into the shared cache, oldest first, listed in a file of its own so
// that a later run knows them, and the bound on what they take: past it, the oldest are removed. A thumbnail
// that another program has rewritten since is no longer ours and is left alone. One ledger per file in the
// process, shared by every thumbnail cache that names it; safe to use from several threads at once.
class ThumbnailLedger
{
public:
    // The bound when none is given: 500 MB, or 5 % of the space left beside the ledger when that is less.
    static constexpr qint64 kDefaultBudget = -1;
    static std::shared_ptr<ThumbnailLedger> forFile(const QString &file, qint64 budget = kDefaultBudget);

    ThumbnailLedger(QString file, qint64 budget);
    ThumbnailLedger(const ThumbnailLedger &) = delete;
    ThumbnailLedger &operator=(const ThumbnailLedger &) = delete;

    // Whether thumbnails may be written: `cacheReady` makes the cache's folder, and the ledger can be
    // written. Found out once; false from the first failure on.
    bool writable(const std::function<bool()> &cacheReady);
    void setUnwritable() { m_writable = 0; }
    // Lists the thumbnail just written at `path` (a full path), `bytes` long, and removes the oldest while
    // the thumbnails listed take more than the bound.
    void add(const QString &path, qint64 bytes);
    qint64 bytes();

    // The "Software" a thumbnail names its maker by.
    static QString software();

private:
    struct Item {
        QString path;
        qint64 bytes = 0;
    };
    void loadLocked();
    void removeLocked(std::list<Item>::iterator item);
    bool appendLocked(const Item &item);
    void rewriteLocked();

    QMutex m_mutex;
    QString m_file;
    qint64 m_budget;
    bool m_loaded = false;
    int m_writable = -1; // not yet known
    std::list<Item> m_items;
    QHash<QString, std::list<Item>::iterator> m_byPath;
    qint64 m_bytes = 0;
    qsizetype m_lines = 0; // in the file, superseded ones among them
};

} // namespace lumetra
