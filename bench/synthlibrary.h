#pragma once

#include <QString>

namespace lumetra::bench {

// A synthetic application folder: `albums` album folders under DIR/Music, each with cover.jpg, a hard link
// to one of `distinctCovers` generated 1000 × 1000 JPEGs, and tracks.lum with one record per album.
// Titles are varied words so that the sorted list and the finds do real work.
struct SynthLibrary {
    QString dir;
    int albums = 0;
};

bool makeSynthLibrary(const QString &dir, int albums, int distinctCovers, QString *error);

} // namespace lumetra::bench
