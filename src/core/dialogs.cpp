#include "dialogs.h"

#include <QStringList>

namespace lumetra {

QString qtNameFilter(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString &pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
            for (const QString &variant : {pattern.toLower(), pattern.toUpper()}) {
                if (!patterns.contains(variant))
                    patterns.append(variant);
            }
        }
        filters.append(parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')');
    }
    return filters.join(QStringLiteral(";;"));
}

} // namespace lumetra
