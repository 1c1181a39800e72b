#pragma once

#include "core/packedstrings.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

namespace lumetra {

class RecordView;

// Every non-empty album title of the catalogue in the wall's order: ascending, case-insensitive, by the
// user's locale. A title stored twice is listed twice. An entry's index is the album's place on the wall.
// The titles are a copy: the list stays as populate() left it while the catalogue changes.
class AlbumList
{
public:
    // populate: reads every record's title from `songs` and rebuilds the list; the cursor ends past the last
    // record, as after reading every record.
    void populate(RecordView &songs);
    void setTitles(const QStringList &titles);

    int size() const { return static_cast<int>(m_titles.size()); }
    bool isEmpty() const { return m_titles.isEmpty(); }
    QString at(int i) const { return m_titles.at(i); }
    QStringList titles() const;

    // Index of the first entry equal to `title` (letter case counts); -1 when none.
    int indexOf(const QString &title) const { return static_cast<int>(m_titles.indexOf(title)); }
    // Index of the first title whose first character, in upper case, is `letter`; -1 when none.
    int firstStartingWith(QChar letter) const;

private:
    void sortFrom(const std::vector<QAnyStringView> &unsorted);

    PackedStrings m_titles;
    mutable QHash<QChar, int> m_firstByInitial; // filled on the first letter asked for
};

} // namespace lumetra
