#include "albumshelf.h"

#include "core/catalogue.h"
#include "core/collation.h"
#include "core/recordview.h"

#include <QDir>

namespace lumetra {

std::shared_ptr<const AlbumShelf> AlbumShelf::read(const QString &cataloguePath)
{
    std::vector<Album> albums;
    Catalogue catalogue;
    if (catalogue.open(cataloguePath)) {
        RecordView songs(catalogue, QStringLiteral("songs"));
        if (songs.refresh()) {
            albums.reserve(songs.recordCount());
            for (songs.moveFirst(); !songs.eof(); songs.moveNext()) {
                albums.push_back({songs.value(QStringLiteral("ID")).toLongLong(),
                                  songs.value(QStringLiteral("Album")), songs.value(QStringLiteral("Artist")),
                                  songs.value(QStringLiteral("Path")),
                                  songs.value(QStringLiteral("Picture"))});
            }
        }
    }
    return make(std::move(albums));
}

std::shared_ptr<const AlbumShelf> AlbumShelf::make(std::vector<Album> albums)
{
    auto shelf = std::make_shared<AlbumShelf>();
    shelf->m_albums = std::move(albums);
    const auto &all = shelf->m_albums;

    // The wall's order comes from the wall's own sort; equal titles keep catalogue order there, so the
    // n-th copy of a title is the n-th album of that title.
    QStringList titles;
    QHash<QString, QList<int>> byTitle;
    for (int i = 0; i < int(all.size()); ++i) {
        shelf->m_byId.insert(all[i].id, i);
        shelf->m_byFolder.insert(QDir::cleanPath(all[i].folder), i);
        shelf->m_searchFolders.append(all[i].folder);
        shelf->m_searchTitles.append(all[i].title);
        if (all[i].title.isEmpty())
            continue;
        titles.append(all[i].title);
        byTitle[all[i].title].append(i);
    }
    sortIgnoringCase(titles);
    QHash<QString, int> taken;
    shelf->m_order.reserve(titles.size());
    for (const QString &title : std::as_const(titles))
        shelf->m_order.push_back(byTitle[title][taken[title]++]);

    shelf->m_letters.fill(-1);
    for (int place = shelf->size() - 1; place >= 0; --place) {
        const QChar first = shelf->at(place).title.front().toUpper();
        if (first >= u'A' && first <= u'Z')
            shelf->m_letters[first.unicode() - u'A'] = place;
    }
    return shelf;
}

const AlbumShelf::Album *AlbumShelf::byId(qint64 id) const
{
    const auto it = m_byId.constFind(id);
    return it == m_byId.cend() ? nullptr : &m_albums[*it];
}

const AlbumShelf::Album *AlbumShelf::holding(const QString &file) const
{
    const qsizetype cut = file.lastIndexOf(QDir::separator());
    if (cut < 0)
        return nullptr;
    const auto it = m_byFolder.constFind(QDir::cleanPath(file.left(cut + 1)));
    return it == m_byFolder.cend() ? nullptr : &m_albums[*it];
}

} // namespace lumetra
