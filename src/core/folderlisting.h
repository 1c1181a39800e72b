#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace lumetra {

// Patterns of the album folders' music files and of cover pictures.
inline const QString kMusicPatterns = QStringLiteral("*.wma;*.wav;*.mp3;*.ogg;*.m4a");
inline const QString kPicturePatterns = QStringLiteral("*.bmp;*.jpg;*.gif");

// The names of the files of `folder` matching any of the ";"-separated patterns, compared without regard to
// case, sorted by name without regard to case, like the desktop's own file list. Empty when the folder
// cannot be listed.
// `keep`, when given, narrows the names before they are sorted.
QStringList listFiles(const QString &folder, const QString &patterns,
                      const std::function<bool(const QString &)> &keep = {});

} // namespace lumetra
