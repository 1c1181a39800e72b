#pragma once

#include <QImage>

namespace art {

QImage noCover();  // 400x400 stand-in for an album without a picture
QImage logo();     // 400x400 program logo
QImage backdrop(); // 1920x1080 calm background for the wall

} // namespace art
