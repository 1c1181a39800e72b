#include "tracksearch.h"

#include "core/catalogue.h"
#include "core/folderlisting.h"
#include "core/recordview.h"

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
    for (songs.moveFirst(); !songs.eof(); songs.moveNext()) {
        m_paths.append(songs.value(QStringLiteral("Path")));
        m_titles.append(songs.value(QStringLiteral("Album")));
    }
    return true;
}

void TrackSearch::setAlbums(QStringList paths, QStringList titles)
{
    m_paths = std::move(paths);
    m_titles = std::move(titles);
}

TrackSearch::Results TrackSearch::find(const QString &text) const
{
    Results results;
    for (qsizetype i = 0; i < m_paths.size(); ++i) {
        if (m_paths[i].contains(text, Qt::CaseInsensitive)) {
            results.lines.append(QStringLiteral("[Album]   ") + QStringLiteral(" - ") + m_titles[i]);
            results.titles.append(m_titles[i]);
        }
    }
    const auto holdsText = [&text](const QString &name) { return name.contains(text, Qt::CaseInsensitive); };
    for (qsizetype i = 0; i < m_paths.size(); ++i) {
        for (const QString &file : listFiles(m_paths[i], kMusicPatterns, holdsText)) {
            results.lines.append(file.left(file.size() - 4) + QStringLiteral(" --- ") + m_titles[i]);
            results.titles.append(m_titles[i]);
        }
    }
    return results;
}

} // namespace lumetra
