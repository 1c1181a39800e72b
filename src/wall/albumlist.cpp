#include "albumlist.h"

#include "core/collation.h"
#include "core/recordview.h"

namespace lumetra {

namespace {
// What the packed list adds to a title's characters: its length and, for UTF-16, an even start.
constexpr qsizetype kBookkeeping = 4;
} // namespace

void AlbumList::populate(RecordView &songs)
{
    // The titles are copied once, in order, straight from the snapshot.
    std::vector<QAnyStringView> titles;
    titles.reserve(songs.recordCount());
    songs.moveFirst();
    songs.forEachValue(QStringLiteral("Album"), [&titles](QAnyStringView title) {
        if (!title.isEmpty())
            titles.push_back(title);
    });
    sortFrom(titles);
    songs.moveLast();
    songs.moveNext();
}

void AlbumList::setTitles(const QStringList &titles)
{
    sortFrom(std::vector<QAnyStringView>(titles.begin(), titles.end()));
}

void AlbumList::sortFrom(const std::vector<QAnyStringView> &unsorted)
{
    m_titles.clear();
    m_firstByInitial.clear();
    qsizetype bytes = 0;
    for (const QAnyStringView title : unsorted)
        bytes += title.size_bytes() + kBookkeeping;
    m_titles.reserve(static_cast<qsizetype>(unsorted.size()), bytes);
    for (int i : orderIgnoringCase(unsorted))
        m_titles.append(unsorted[i]);
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
