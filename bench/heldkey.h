#pragma once

#include <QString>

namespace lumetra {
class WallView;
} // namespace lumetra

namespace lumetra::bench {

struct HeldKey {
    double longestGapMs = 0; // the longest time the wall went without a paint while the key was down
    double stopMs = 0;       // from the key's release to the last page turned
    int presses = 0;
    int flips = 0;
};

// Page Down held for `presses` presses at 30 a second, sent from another thread as a keyboard's repeats reach
// the window: they queue up while the window is busy. With `busyCores`, that many threads spin meanwhile, as
// other programs would.
HeldKey holdPageDown(WallView &wall, int presses, int busyCores);

// The thumbnails under XDG_CACHE_HOME: how many, and their bytes.
struct Thumbnails {
    int files = 0;
    qint64 bytes = 0;
};
Thumbnails thumbnailsIn(const QString &cacheHome);

} // namespace lumetra::bench
