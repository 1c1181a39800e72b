#include "collation.h"

#include <QCollator>

#include <algorithm>

namespace lumetra {

QLocale collationLocale()
{
    const QLocale user;
    return user.language() == QLocale::C ? QLocale(QLocale::English) : user;
}

void sortIgnoringCase(QStringList &names)
{
    // compare(), not sort keys: under the C locale only compare() honours the case setting.
    QCollator collator(collationLocale());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(),
                     [&](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
}

} // namespace lumetra
