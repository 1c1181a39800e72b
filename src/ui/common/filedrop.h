#pragma once

#include <QMimeData>
#include <QStringList>
#include <QUrl>

namespace lumetra {

// The local files and folders a drag from the desktop carries, in the order given.
inline QStringList droppedPaths(const QMimeData *mime)
{
    QStringList paths;
    if (!mime)
        return paths;
    for (const QUrl &url : mime->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return paths;
}

} // namespace lumetra
