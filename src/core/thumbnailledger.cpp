#include "thumbnailledger.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMutexLocker>
#include <QSaveFile>
#include <QStorageInfo>

namespace lumetra {

namespace {
constexpr qint64 kMostBytes = qint64(500) << 20;
constexpr qint64 kShareOfFreeSpace = 20; // one part in 20: 5 %
// Lines of thumbnails removed or written again that the file may hold before it is written afresh.
constexpr qsizetype kStaleLines = 64;

QByteArray lineOf(const QString &path, qint64 bytes)
{
    return QByteArray::number(bytes) + '\t' + path.toUtf8() + '\n';
}
} // namespace

std::shared_ptr<ThumbnailLedger> ThumbnailLedger::forFile(const QString &file, qint64 budget)
{
    static QMutex mutex;
    static QHash<QString, std::weak_ptr<ThumbnailLedger>> ledgers;
    const QMutexLocker lock(&mutex);
    std::weak_ptr<ThumbnailLedger> &known = ledgers[file];
    std::shared_ptr<ThumbnailLedger> ledger = known.lock();
    if (!ledger) {
        ledger = std::make_shared<ThumbnailLedger>(file, budget);
        known = ledger;
    }
    return ledger;
}

ThumbnailLedger::ThumbnailLedger(QString file, qint64 budget)
    : m_file(std::move(file))
    , m_budget(budget)
{
}

QString ThumbnailLedger::software()
{
    return QStringLiteral("Lumetra Jukebox");
}

bool ThumbnailLedger::writable(const std::function<bool()> &cacheReady)
{
    const QMutexLocker lock(&m_mutex);
    if (m_writable < 0) {
        const bool folders = cacheReady() && QDir().mkpath(QFileInfo(m_file).absolutePath());
        loadLocked();
        QFile ledger(m_file);
        m_writable = folders && ledger.open(QIODevice::Append) ? 1 : 0;
    }
    return m_writable == 1;
}

qint64 ThumbnailLedger::bytes()
{
    const QMutexLocker lock(&m_mutex);
    return m_bytes;
}

void ThumbnailLedger::loadLocked()
{
    QFile ledger(m_file);
    if (ledger.open(QIODevice::ReadOnly)) {
        while (!ledger.atEnd()) {
            const QByteArray line = ledger.readLine();
            ++m_lines;
            const qsizetype tab = line.indexOf('\t');
            if (tab < 0 || !line.endsWith('\n'))
                continue; // the end of a line cut off by a kill
            const QString path = QString::fromUtf8(line.mid(tab + 1).chopped(1));
            const QFileInfo info(path);
            if (!info.isFile())
                continue; // removed by someone else meanwhile
            if (const auto it = m_byPath.constFind(path); it != m_byPath.cend())
                removeLocked(*it); // written again since: the later line holds
            m_items.push_back({path, info.size()});
            m_byPath.insert(path, std::prev(m_items.end()));
            m_bytes += info.size();
        }
    }
    if (m_budget < 0) {
        const QStorageInfo storage(QFileInfo(m_file).absolutePath());
        m_budget = kMostBytes;
        if (storage.isValid())
            m_budget = std::min(m_budget, (storage.bytesAvailable() + m_bytes) / kShareOfFreeSpace);
    }
}

void ThumbnailLedger::add(const QString &path, qint64 bytes)
{
    const QMutexLocker lock(&m_mutex);
    if (const auto it = m_byPath.constFind(path); it != m_byPath.cend()) {
        m_bytes -= (*it)->bytes;
        m_items.erase(*it);
        m_byPath.remove(path);
    }
    m_items.push_back({path, bytes});
    m_byPath.insert(path, std::prev(m_items.end()));
    m_bytes += bytes;
    // A thumbnail the ledger cannot list would never be removed: none is written from now on.
    if (!appendLocked(m_items.back()))
        m_writable = 0;
    bool removed = false;
    while (m_bytes > m_budget && m_items.size() > 1) {
        const Item &oldest = m_items.front();
        // Only while it is still ours: another program may have written that thumbnail afresh.
        if (QImageReader(oldest.path, "png").text(QStringLiteral("Software")) == software())
            QFile::remove(oldest.path);
        removeLocked(m_items.begin());
        removed = true;
    }
    if (removed && m_lines > qsizetype(m_items.size()) + kStaleLines)
        rewriteLocked();
}

void ThumbnailLedger::removeLocked(std::list<Item>::iterator item)
{
    m_bytes -= item->bytes;
    m_byPath.remove(item->path);
    m_items.erase(item);
}

bool ThumbnailLedger::appendLocked(const Item &item)
{
    QFile ledger(m_file);
    const QByteArray line = lineOf(item.path, item.bytes);
    if (!ledger.open(QIODevice::Append) || ledger.write(line) != line.size())
        return false;
    ++m_lines;
    return true;
}

void ThumbnailLedger::rewriteLocked()
{
    QSaveFile ledger(m_file);
    if (!ledger.open(QIODevice::WriteOnly))
        return;
    for (const Item &item : m_items)
        ledger.write(lineOf(item.path, item.bytes));
    if (ledger.commit())
        m_lines = static_cast<qsizetype>(m_items.size());
}

} // namespace lumetra
