#include "folderlisting.h"

#include "collation.h"

#include <QDir>

namespace lumetra {

QStringList listFiles(const QString &folder, const QString &patterns)
{
    if (folder.isEmpty())
        return {};
    QDir dir(folder);
    dir.setNameFilters(patterns.split(u';', Qt::SkipEmptyParts));
    dir.setFilter(QDir::Files | QDir::Hidden | QDir::System);
    dir.setSorting(QDir::NoSort);
    QStringList names = dir.entryList();
    sortIgnoringCase(names);
    return names;
}

} // namespace lumetra
