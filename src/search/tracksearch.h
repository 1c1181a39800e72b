#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

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
        QList<int> albums;  // the album of each line, by its place in the snapshot (catalogue order)
    };

    // Reads every album of the catalogue file; false when it cannot be opened (the snapshot is then empty).
    bool load(const QString &cataloguePath);
    void setAlbums(QStringList paths, QStringList titles);
    int albumCount() const { return static_cast<int>(m_paths.size()); }

    Results find(const QString &text) const;
    // The same search handing its results to `deliver` in order, a batch at a time (at least every
    // `intervalMs` while results come); it ends early, delivering nothing more, once `stop` is set.
    void find(const QString &text, const std::function<void(Results &&)> &deliver,
              const std::atomic<bool> &stop, int intervalMs = 25) const;

private:
    QStringList m_paths;
    QStringList m_titles;
};

} // namespace lumetra
