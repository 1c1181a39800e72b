#include "tracksearch.h"

#include "core/catalogue.h"
#include "core/folderlisting.h"
#include "core/recordview.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace lumetra {

bool TrackSearch::load(const QString &cataloguePath)
{
    m_paths.clear();
    m_titles.clear();
    Catalogue catalogue;
    if (!catalogue.open(cataloguePath))
        return false;
    RecordView songs(catalogue, QStringLiteral("songs"));
    if (!songs.refresh())
        return false;
    songs.forEachValue(QStringLiteral("Path"),
                       [this](QAnyStringView path) { m_paths.append(path.toString()); });
    songs.forEachValue(QStringLiteral("Album"),
                       [this](QAnyStringView title) { m_titles.append(title.toString()); });
    return m_paths.size() == m_titles.size();
}

void TrackSearch::setAlbums(QStringList paths, QStringList titles)
{
    m_paths = std::move(paths);
    m_titles = std::move(titles);
}

void TrackSearch::Results::append(const Results &more)
{
    albums.insert(albums.end(), more.albums.begin(), more.albums.end());
    for (qsizetype i = 0; i < more.tracks.size(); ++i)
        tracks.append(more.tracks.view(i));
}

TrackSearch::Results TrackSearch::find(const QString &text) const
{
    Results all;
    const std::atomic<bool> never{false};
    find(
        text, [&all](Results &&batch) { all.append(batch); }, never);
    return all;
}

QString TrackSearch::line(const Results &results, qsizetype i) const
{
    const QString title = m_titles.value(results.albums[i]);
    const qsizetype albums = results.albumResults();
    if (i < albums)
        return QCoreApplication::translate("TrackSearch", "[Album]    - %1").arg(title);
    return results.tracks.at(i - albums) + QStringLiteral(" --- ") + title;
}

void TrackSearch::find(const QString &text, const std::function<void(Results &&)> &deliver,
                       const std::atomic<bool> &stop, int intervalMs) const
{
    Results batch;
    QElapsedTimer sinceDelivery;
    sinceDelivery.start();
    // Hands over what has been found when it is time; false once the search is to stop.
    auto turn = [&](bool last) {
        if (stop.load(std::memory_order_relaxed))
            return false;
        if (!batch.isEmpty() && (last || sinceDelivery.elapsed() >= intervalMs)) {
            deliver(std::exchange(batch, {}));
            sinceDelivery.restart();
        }
        return true;
    };

    for (qsizetype i = 0; i < m_paths.size(); ++i) {
        if (m_paths[i].contains(text, Qt::CaseInsensitive))
            batch.albums.push_back(qint32(i));
        if (i % 1024 == 0 && !turn(false))
            return;
    }
    const auto holdsText = [&text](const QString &name) { return name.contains(text, Qt::CaseInsensitive); };
    for (qsizetype i = 0; i < m_paths.size(); ++i) {
        for (const QString &file : listFiles(m_paths[i], kMusicPatterns, holdsText)) {
            batch.tracks.append(QStringView(file).chopped(4));
            batch.albums.push_back(qint32(i));
        }
        if (!turn(false))
            return;
    }
    turn(true);
}

} // namespace lumetra
