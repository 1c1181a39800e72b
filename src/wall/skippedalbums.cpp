#include "skippedalbums.h"

#include "core/catalogue.h"
#include "core/collation.h"
#include "core/criteria.h"
#include "core/recordview.h"

#include <QHash>
#include <QSqlQuery>
#include <QStringList>

namespace lumetra {

SkippedAlbums::SkippedAlbums(const Catalogue &catalogue, RecordView &songs)
    : m_catalogue(catalogue)
    , m_songs(songs)
{
}

QList<SkippedAlbums::Album> SkippedAlbums::list() const
{
    if (!m_catalogue.isOpen())
        return {};
    QSqlQuery query(m_catalogue.database());
    query.prepare(QStringLiteral("SELECT ID, Album FROM songs WHERE Probability = ? ORDER BY ID"));
    query.addBindValue(QStringLiteral("No"));
    if (!query.exec())
        return {};
    QStringList titles;
    QHash<QString, QStringList> ids; // a title stored twice is listed twice
    while (query.next()) {
        const QString title = query.value(1).toString();
        if (title.isEmpty())
            continue; // not on the wall either
        titles.append(title);
        ids[title].append(query.value(0).toString());
    }
    sortIgnoringCase(titles);
    QList<Album> albums;
    for (const QString &title : titles)
        albums.append({ids[title].takeFirst(), title});
    return albums;
}

bool SkippedAlbums::playAgain(const QString &id)
{
    if (id.isEmpty() || !m_songs.findFirst(idCriteria(id)))
        return false;
    m_songs.setValue(QStringLiteral("Probability"), QString());
    return m_songs.update();
}

} // namespace lumetra
