#include "albumlist.h"

#include "core/collation.h"
#include "core/recordview.h"

namespace lumetra {

void AlbumList::populate(RecordView &songs)
{
    PackedStrings titles;
    titles.reserve(songs.recordCount());
    songs.moveFirst();
    songs.forEachValue(QStringLiteral("Album"), [&titles](QAnyStringView title) {
        if (!title.isEmpty())
            titles.append(title);
    });
    songs.moveLast();
    songs.moveNext();
    sortFrom(titles);
}

void AlbumList::setTitles(const QStringList &titles)
{
    PackedStrings packed;
    for (const QString &title : titles)
        packed.append(title);
    sortFrom(packed);
}

void AlbumList::sortFrom(const PackedStrings &unsorted)
{
    m_titles.clear();
    m_firstByInitial.clear();
    m_titles.reserve(unsorted.size(), unsorted.byteSize());
    for (int i : orderIgnoringCase(unsorted))
        m_titles.append(unsorted.view(i));
}

QStringList AlbumList::titles() const
{
    QStringList all;
    all.reserve(size());
    for (int i = 0; i < size(); ++i)
        all.append(at(i));
    return all;
}

int AlbumList::firstStartingWith(QChar letter) const
{
    if (m_firstByInitial.isEmpty()) {
        for (int i = size() - 1; i >= 0; --i)
            m_firstByInitial.insert(m_titles.view(i).front().toUpper(), i);
    }
    return m_firstByInitial.value(letter, -1);
}

} // namespace lumetra
