#include "loudness.h"

#include "gaintags.h"
#include "loudnesstable.h"
#include "measurement.h"

#include "core/folderlisting.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMutex>
#include <QReadWriteLock>
#include <QStandardPaths>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <cmath>
#include <deque>
#include <tuple>

namespace lumetra {

namespace {

Q_LOGGING_CATEGORY(lcLoudness, "lumetra.loudness", QtInfoMsg)

constexpr qint64 kSaveEveryMs = 30000;
constexpr qint64 kMedianEveryMs = 1000;
constexpr qint64 kProgressEveryMs = 250;

} // namespace

// The measuring thread. The table is written by it alone, under the lock, and read by the window through
// gainDb; everything the window asks for goes through the queue's mutex.
class Loudness::Worker : public QThread
{
public:
    Worker(Loudness *owner, QString cacheFile)
        : m_owner(owner)
        , m_cacheFile(std::move(cacheFile))
    {
    }
    ~Worker() override
    {
        {
            const QMutexLocker lock(&m_mutex);
            m_stop = true;
        }
        m_wake.wakeAll();
        wait();
    }

    double gainDb(const QString &path, bool albumGain) const
    {
        const QReadLocker lock(&m_tableLock);
        return m_table.gainDb(path, albumGain);
    }
    void setLibrary(const QStringList &folders)
    {
        const QMutexLocker lock(&m_mutex);
        m_folders.clear();
        for (const QString &folder : folders)
            m_folders.append(QDir::cleanPath(folder));
        m_nextFolder = 0;
        ++m_generation;
        m_queue.clear();
        m_wake.wakeAll();
    }
    void prioritise(const QString &path)
    {
        const QMutexLocker lock(&m_mutex);
        m_urgent.emplace_front(QDir::cleanPath(path), true);
        m_wake.wakeAll();
    }
    void setPaused(bool paused)
    {
        const QMutexLocker lock(&m_mutex);
        m_paused = paused;
        m_wake.wakeAll();
    }

    std::atomic<int> measured = 0;
    std::atomic<int> total = 0;

protected:
    void run() override;

private:
    struct Step {
        enum Kind { None, Stop, Begin, List, Finish, File, Album } kind = None;
        QString path;
    };
    Step nextStep(bool wait);
    bool goOn();
    void begin();
    void list(const QString &folder);
    void finish();
    void process(const QString &path);
    void store(const QString &path, const TrackLoudness &track);
    void settle(bool idle);

    Loudness *const m_owner;
    const QString m_cacheFile;

    mutable QReadWriteLock m_tableLock;
    LoudnessTable m_table;

    QMutex m_mutex; // guards what follows, down to m_stop
    QWaitCondition m_wake;
    QStringList m_folders;
    qsizetype m_nextFolder = 0;
    quint64 m_generation = 0;
    quint64 m_begun = 0;
    quint64 m_finished = 0;
    std::deque<std::pair<QString, bool>> m_urgent; // a file, and whether its album follows it
    std::deque<QString> m_queue;
    bool m_paused = false;
    bool m_stop = false;

    // The worker's own.
    QSet<QString> m_library; // the library's files listed so far
    QSet<QString> m_pending; // those of them not known as they are on disk
    QSet<QString> m_extra;   // files asked for outside the library
    bool m_dirty = false;    // the cache file is behind
    bool m_medianStale = false;
    QElapsedTimer m_sinceSave, m_sinceMedian, m_sinceProgress;
    std::pair<int, int> m_told{-1, -1};
};

Loudness::Worker::Step Loudness::Worker::nextStep(bool wait)
{
    const QMutexLocker lock(&m_mutex);
    for (;;) {
        if (m_stop)
            return {Step::Stop, {}};
        if (!m_paused) {
            if (!m_urgent.empty()) {
                auto [path, album] = std::move(m_urgent.front());
                m_urgent.pop_front();
                return {album ? Step::Album : Step::File, path};
            }
            if (m_begun != m_generation) {
                m_begun = m_generation;
                return {Step::Begin, {}};
            }
            if (m_nextFolder < m_folders.size())
                return {Step::List, m_folders[m_nextFolder++]};
            if (m_finished != m_generation) {
                m_finished = m_generation;
                return {Step::Finish, {}};
            }
            if (!m_queue.empty()) {
                QString path = std::move(m_queue.front());
                m_queue.pop_front();
                return {Step::File, path};
            }
        }
        if (!wait)
            return {};
        m_wake.wait(&m_mutex);
    }
}

bool Loudness::Worker::goOn()
{
    const QMutexLocker lock(&m_mutex);
    while (m_paused && !m_stop)
        m_wake.wait(&m_mutex);
    return !m_stop;
}

void Loudness::Worker::run()
{
    moveToBackground();
    LoudnessTable loaded;
    if (!loaded.load(m_cacheFile) && QFileInfo::exists(m_cacheFile))
        qCWarning(lcLoudness) << "the loudness cache" << m_cacheFile << "is damaged; measuring anew";
    loaded.setMedian(loaded.medianOfKnown());
    {
        const QWriteLocker lock(&m_tableLock);
        m_table = std::move(loaded);
    }
    m_sinceSave.start();
    m_sinceMedian.start();
    m_sinceProgress.start();
    for (;;) {
        Step step = nextStep(false);
        if (step.kind == Step::None) {
            settle(true);
            step = nextStep(true);
        }
        switch (step.kind) {
        case Step::None:
        case Step::Stop:
            if (m_dirty && !m_table.save(m_cacheFile))
                qCWarning(lcLoudness) << "cannot write the loudness cache" << m_cacheFile;
            return;
        case Step::Begin:
            begin();
            break;
        case Step::List:
            list(step.path);
            break;
        case Step::Finish:
            finish();
            break;
        case Step::File:
            process(step.path);
            break;
        case Step::Album: {
            process(step.path);
            const QString folder = QFileInfo(step.path).path();
            const QStringList names = listFiles(folder, kMusicPatterns);
            const QMutexLocker lock(&m_mutex);
            for (auto name = names.crbegin(); name != names.crend(); ++name)
                m_urgent.emplace_front(folder + QLatin1Char('/') + *name, false);
            break;
        }
        }
        settle(false);
    }
}

void Loudness::Worker::begin()
{
    m_library.clear();
    m_pending.clear();
}

void Loudness::Worker::list(const QString &folder)
{
    for (const QString &name : listFiles(folder, kMusicPatterns)) {
        const QString path = folder + QLatin1Char('/') + name;
        if (m_library.contains(path))
            continue;
        m_library.insert(path);
        const QFileInfo file(path);
        if (!m_table.isCurrent(path, file.size(), file.lastModified().toMSecsSinceEpoch())) {
            m_pending.insert(path);
            const QMutexLocker lock(&m_mutex);
            m_queue.push_back(path);
        }
    }
}

// The library is listed whole: what it no longer holds leaves the cache.
void Loudness::Worker::finish()
{
    QSet<QString> keep = m_library;
    keep.unite(m_extra);
    const QStringList gone = m_table.pathsOutside(keep);
    if (gone.isEmpty())
        return;
    {
        const QWriteLocker lock(&m_tableLock);
        for (const QString &path : gone)
            m_table.remove(path);
    }
    m_dirty = m_medianStale = true;
}

void Loudness::Worker::process(const QString &path)
{
    const QFileInfo file(path);
    if (!m_library.contains(path))
        m_extra.insert(path);
    const qint64 size = file.size();
    const qint64 modified = file.lastModified().toMSecsSinceEpoch();
    if (!file.isFile() || m_table.isCurrent(path, size, modified)) {
        m_pending.remove(path);
        return;
    }
    const GainTags tags = readGainTags(path);
    TrackLoudness track;
    track.seconds = float(tags.seconds);
    auto known = [](const std::optional<double> &value) {
        return value ? float(*value) : TrackLoudness::kUnknown;
    };
    track.loudness =
        tags.trackGain ? float(LoudnessTable::kReferenceLufs - *tags.trackGain) : TrackLoudness::kUnknown;
    track.peak = known(tags.trackPeak);
    track.albumGain = known(tags.albumGain);
    track.albumPeak = known(tags.albumPeak);
    if (!tags.trackGain || !tags.trackPeak) {
        if (tags.trackGain)
            store(path, track); // its gain counts while its peak is measured; not current until then
        QString error;
        const std::optional<Measured> result = measureLoudness(
            path, [this] { return goOn(); }, &error);
        if (!result && !goOn())
            return;
        if (!result)
            qCInfo(lcLoudness) << "cannot measure" << path << ":" << error;
        else if (tags.trackGain)
            track.peak = float(result->truePeak);
        else if (std::isfinite(result->loudness))
            std::tie(track.loudness, track.peak, track.seconds) =
                std::tuple(float(result->loudness), float(result->truePeak), float(result->seconds));
    }
    track.size = size;
    track.modified = modified;
    store(path, track);
    m_pending.remove(path);
}

void Loudness::Worker::store(const QString &path, const TrackLoudness &track)
{
    const QWriteLocker lock(&m_tableLock);
    m_table.insert(path, track);
    m_dirty = m_medianStale = true;
}

// The median, the progress and the cache file brought up to date: now when the worker goes idle, else
// each at its own pace.
void Loudness::Worker::settle(bool idle)
{
    if (m_medianStale && (idle || m_sinceMedian.elapsed() > kMedianEveryMs)) {
        const double median = m_table.medianOfKnown();
        const QWriteLocker lock(&m_tableLock);
        m_table.setMedian(median);
        m_medianStale = false;
        m_sinceMedian.restart();
    }
    total = int(m_library.size());
    measured = int(m_library.size() - m_pending.size());
    const std::pair now{measured.load(), total.load()};
    if (now != m_told && (idle || m_sinceProgress.elapsed() > kProgressEveryMs)) {
        m_told = now;
        m_sinceProgress.restart();
        QMetaObject::invokeMethod(
            m_owner, [owner = m_owner, now] { Q_EMIT owner->progressChanged(now.first, now.second); },
            Qt::QueuedConnection);
    }
    if (m_dirty && (idle || m_sinceSave.elapsed() > kSaveEveryMs)) {
        if (!m_table.save(m_cacheFile))
            qCWarning(lcLoudness) << "cannot write the loudness cache" << m_cacheFile;
        m_dirty = false;
        m_sinceSave.restart();
    }
}

Loudness::Loudness(const QString &cacheFile, QObject *parent)
    : QObject(parent)
    , m_worker(std::make_unique<Worker>(this, cacheFile))
{
    m_worker->start();
}

Loudness::~Loudness() = default;

QString Loudness::defaultCacheFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
           QStringLiteral("/loudness.cache");
}

double Loudness::gainDb(const QString &path, bool albumGain) const
{
    return m_worker->gainDb(path, albumGain);
}

void Loudness::setLibrary(const QStringList &albumFolders)
{
    m_worker->setLibrary(albumFolders);
}

void Loudness::prioritise(const QString &path)
{
    m_worker->prioritise(path);
}

void Loudness::setPaused(bool paused)
{
    m_worker->setPaused(paused);
}

int Loudness::measured() const
{
    return m_worker->measured;
}

int Loudness::total() const
{
    return m_worker->total;
}

} // namespace lumetra
