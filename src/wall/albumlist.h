#pragma once

#include <QString>
#include <QStringList>

namespace lumetra {

class RecordView;

// Every non-empty album title of the catalogue in the wall's order: ascending, case-insensitive, by the
// user's locale. A title stored twice is listed twice. An entry's index is the album's place on the wall.
class AlbumList
{
public:
    // populate: reads every record of `songs` and rebuilds the list.
    void populate(RecordView &songs);
    void setTitles(QStringList titles);

    int size() const { return static_cast<int>(m_titles.size()); }
    bool isEmpty() const { return m_titles.isEmpty(); }
    const QString &at(int i) const { return m_titles.at(i); }
    const QStringList &titles() const { return m_titles; }

    // Index of the first title whose first character, in upper case, is `letter`; -1 when none.
    int firstStartingWith(QChar letter) const;

private:
    QStringList m_titles;
};

} // namespace lumetra
