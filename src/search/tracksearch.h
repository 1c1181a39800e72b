#pragma once

#include <QString>
#include <QStringList>

namespace lumetra {

// Finds albums and tracks whose names hold a piece of text, over a snapshot of the catalogue's titles and
// folders taken by load(). Album results (the folder path holds the text) come first, in catalogue order;
// then track results (a music file's name, extension included), album by album, alphabetical within one.
class TrackSearch
{
public:
    struct Results {
        QStringList lines;  // "[Album]    - <title>" or "<track> --- <title>"
        QStringList titles; // the album title of each line
    };

    // Reads every album of the catalogue file; false when it cannot be opened (the snapshot is then empty).
    bool load(const QString &cataloguePath);
    void setAlbums(QStringList paths, QStringList titles);
    int albumCount() const { return static_cast<int>(m_paths.size()); }

    Results find(const QString &text) const;

private:
    QStringList m_paths;
    QStringList m_titles;
};

} // namespace lumetra
