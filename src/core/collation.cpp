#include "collation.h"

#include <QCollator>

#include <algorithm>

namespace lumetra {

void sortIgnoringCase(QStringList &names)
{
    // compare(), not sort keys: under the C locale only compare() honours the case setting.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(),
                     [&](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
}

} // namespace lumetra
