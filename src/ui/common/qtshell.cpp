#include "qtshell.h"

#include <QDesktopServices>
#include <QUrl>

namespace lumetra {

bool QtShell::open(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace lumetra
