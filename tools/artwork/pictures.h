#pragma once

#include <QImage>

namespace art {

QImage noCover();         // 400x400 stand-in for an album without a picture
QImage logo();            // 400x400 program logo
QImage backdrop();        // 1920x1080 calm background for the wall
QImage collectionRow();   // 488x114 one row of the collections list, name drawn over it
QImage collectionFrame(); // 550x454 background of the collections panel

} // namespace art
