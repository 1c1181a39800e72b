#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace lumetra {

// One parsed find condition: the column it tests and the text the column must equal exactly.
struct Criterion {
    int column = -1;
    QString value;
};

// Parses "field = value": blanks around "=" are free, the field name is matched case-insensitively
// against `columns`, the value is a single-quoted text ('' inside stands for ') or a decimal integer.
// Anything else yields nullopt; the text never reaches SQL.
std::optional<Criterion> parseCriteria(QStringView text, const QStringList &columns);

// Doubles every ' so a title can be placed between single quotes.
QString quoteDoubled(const QString &text);

// "Album =  '<title>'" with the title quote-doubled.
QString albumCriteria(const QString &title);

// "ID = <id>".
QString idCriteria(const QString &id);

} // namespace lumetra
