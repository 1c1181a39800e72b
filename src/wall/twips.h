#pragma once

#include <QRect>
#include <QtMath>

namespace lumetra {

// Lengths of the window design are twips (1/1440 inch); 15 twips per pixel at 96 dpi.
inline int twipsToPixels(int twips, qreal dpi)
{
    return qRound(twips * dpi / 1440.0);
}

inline int pixelsToTwips(int pixels, qreal dpi)
{
    return qRound(pixels * 1440.0 / dpi);
}

// The fewest twips that come out as at least `pixels` pixels.
inline int twipsForPixels(int pixels, qreal dpi)
{
    return qCeil((pixels - 0.5) * 1440.0 / dpi);
}

// A design rectangle in pixels: its position and its size each converted.
inline QRect twipsToPixels(const QRect &twips, qreal dpi)
{
    return QRect(twipsToPixels(twips.x(), dpi), twipsToPixels(twips.y(), dpi),
                 twipsToPixels(twips.width(), dpi), twipsToPixels(twips.height(), dpi));
}

} // namespace lumetra
