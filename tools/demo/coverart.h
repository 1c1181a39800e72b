#pragma once

#include <QImage>
#include <QString>

#include <cstdint>

namespace lumetra::demo {

// An abstract square cover with the album's title and artist. `variant` (the album's place in the
// library) picks composition and palette so that neighbouring albums never look alike.
QImage paintCover(const QString &title, const QString &artist, int variant, std::uint64_t seed,
                  int size = 600);

} // namespace lumetra::demo
