#pragma once

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

} // namespace lumetra
