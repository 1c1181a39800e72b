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

// A music tree of 5,000 album folders under 1,000 artist folders, each with 12 empty tracks "NN Track.ext"
// and one small folder.jpg: about 70,000 entries.
inline constexpr int kTreeAlbums = 5000;
bool makeMusicTree(const QString &root);

} // namespace lumetra::bench
