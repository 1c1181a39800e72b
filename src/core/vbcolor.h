#pragma once

#include <QColor>

namespace lumetra {

// Colours as jb.ini stores them: red + 256 × green + 65536 × blue, or a negative value with the top bit
// set naming a system colour by index (mapped onto the desktop palette).
QColor colorFromStored(qint32 value);
qint32 storedFromColor(const QColor &color);

} // namespace lumetra
