#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace lumetra {

// Decodes a picture file at the size it will be shown, recognising the format by content (a cover named
// .jpg may hold BMP data). Pictures whose header claims more than kMaxPixels are refused unread.
// Returns a null image when the file is missing, unreadable or refused.
QImage loadCover(const QString &path, QSize size);

inline constexpr qint64 kMaxCoverPixels = 100'000'000;

} // namespace lumetra
