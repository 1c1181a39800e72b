#pragma once

#include <QList>
#include <QString>

namespace lumetra {

class Catalogue;
class RecordView;

// The albums marked "No" (left out of Shuffle All), and putting one back.
class SkippedAlbums
{
public:
    struct Album {
        QString id;
        QString title;
        bool operator==(const Album &) const = default;
    };

    SkippedAlbums(const Catalogue &catalogue, RecordView &songs);

    // In the wall's order of titles; read from the file, so the cursor of `songs` stays where it is.
    QList<Album> list() const;
    // Clears the album's "No", as "Play this album when in Shuffle mode" does. False when it is gone.
    bool playAgain(const QString &id);

private:
    const Catalogue &m_catalogue;
    RecordView &m_songs;
};

} // namespace lumetra
