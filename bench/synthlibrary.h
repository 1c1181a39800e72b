#pragma once

#include <QString>

namespace lumetra::bench {

// A synthetic application folder DIR: `albums` album folders under DIR/Music, each with cover.jpg, a hard
// link to one of `distinctCovers` generated 1000 × 1000 JPEGs, and tracks.lum with one record per album.
// Titles are varied words so that the sorted list and the finds do real work. A folder that already holds
// a whole library of that size is kept as it is.
bool makeSynthLibrary(const QString &dir, int albums, int distinctCovers, QString *error);

// A music tree under ROOT: `albums` album folders under one artist folder for every five albums, each with
// ten empty tracks "NN Track.ext" (mp3, ogg, wma and m4a in turn) and one small folder.jpg; and ROOT's
// parent's tracks.lum holding those albums as a scan would. Kept when it is already whole.
bool makeMusicTree(const QString &root, int albums, QString *error);

} // namespace lumetra::bench
