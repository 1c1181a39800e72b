#pragma once

#include "core/packedstrings.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <vector>

namespace lumetra {

// Finds albums and tracks whose names hold a piece of text, over a snapshot of the catalogue's titles and
// folders taken by load(). Album results (the folder path holds the text) come first, in catalogue order;
// then track results (a music file's name, extension included), album by album, alphabetical within one.
class TrackSearch
{
public:
    // Results in order, a million in some 20 MB: the album of each, by its place in the snapshot (catalogue
    // order), and the name of each track result. Album results come first.
    struct Results {
        std::vector<qint32> albums;
        PackedStrings tracks; // the name without its extension, one per track result
        qsizetype size() const { return static_cast<qsizetype>(albums.size()); }
        bool isEmpty() const { return albums.empty(); }
        qsizetype albumResults() const { return size() - tracks.size(); }
        // Results found after these; no album result may follow a track result.
        void append(const Results &more);
    };

    // Reads every album of the catalogue file; false when it cannot be opened (the snapshot is then empty).
    bool load(const QString &cataloguePath);
    void setAlbums(QStringList paths, QStringList titles);

    Results find(const QString &text) const;
    // "[Album]    - <title>" or "<track> --- <title>" for result `i`.
    QString line(const Results &results, qsizetype i) const;
    QString title(int album) const { return m_titles.value(album); }
    // The same search handing its results to `deliver` in order, a batch at a time (at least every
    // `intervalMs` while results come); it ends early, delivering nothing more, once `stop` is set.
    void find(const QString &text, const std::function<void(Results &&)> &deliver,
              const std::atomic<bool> &stop, int intervalMs = 25) const;

private:
    QStringList m_paths;
    QStringList m_titles;
};

} // namespace lumetra
