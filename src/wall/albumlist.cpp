#include "albumlist.h"

#include "core/collation.h"
#include "core/recordview.h"

namespace lumetra {

void AlbumList::populate(RecordView &songs)
{
    QStringList titles;
    titles.reserve(songs.recordCount());
    const QString album = QStringLiteral("Album");
    songs.moveFirst();
    while (!songs.eof()) {
        QString title = songs.value(album);
        if (!title.isEmpty())
            titles.append(std::move(title));
        songs.moveNext();
    }
    setTitles(std::move(titles));
}

void AlbumList::setTitles(QStringList titles)
{
    sortIgnoringCase(titles);
    m_titles = std::move(titles);
}

int AlbumList::firstStartingWith(QChar letter) const
{
    for (int i = 0; i < size(); ++i) {
        if (m_titles[i].front().toUpper() == letter)
            return i;
    }
    return -1;
}

} // namespace lumetra
