#pragma once

#include <QString>

namespace lumetra {

class AppFolder;

// The picture shown for an album: the folder's Picture file, or the no-cover picture when it has none.
// `path` is the album folder and ends with the separator.
QString coverPicturePath(const QString &path, const QString &picture, const AppFolder &app);

} // namespace lumetra
