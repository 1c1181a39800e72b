#include "criteria.h"

namespace lumetra {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

} // namespace

std::optional<Criterion> parseCriteria(QStringView text, const QStringList &columns)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && isBlank(text[i]))
            ++i;
    };

    skipBlanks();
    const qsizetype nameStart = i;
    while (i < n && isNameChar(text[i]))
        ++i;
    const QStringView name = text.sliced(nameStart, i - nameStart);
    if (name.isEmpty())
        return std::nullopt;
    int column = -1;
    for (int c = 0; c < columns.size(); ++c) {
        if (name.compare(columns[c], Qt::CaseInsensitive) == 0) {
            column = c;
            break;
        }
    }
    if (column < 0)
        return std::nullopt;

    skipBlanks();
    if (i >= n || text[i] != u'=')
        return std::nullopt;
    ++i;
    skipBlanks();
    if (i >= n)
        return std::nullopt;

    QString value;
    if (text[i] == u'\'') {
        ++i;
        bool closed = false;
        while (i < n) {
            if (text[i] == u'\'') {
                if (i + 1 < n && text[i + 1] == u'\'') {
                    value.append(u'\'');
                    i += 2;
                    continue;
                }
                ++i;
                closed = true;
                break;
            }
            value.append(text[i]);
            ++i;
        }
        if (!closed)
            return std::nullopt;
    } else {
        const qsizetype numStart = i;
        if (text[i] == u'-' || text[i] == u'+')
            ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128)
            ++i;
        bool ok = false;
        const qlonglong number = text.sliced(numStart, i - numStart).toLongLong(&ok);
        if (!ok)
            return std::nullopt;
        value = QString::number(number);
    }
    skipBlanks();
    if (i != n)
        return std::nullopt;
    return Criterion{column, value};
}

QString quoteDoubled(const QString &text)
{
    QString out = text;
    out.replace(u'\'', QStringLiteral("''"));
    return out;
}

QString albumCriteria(const QString &title)
{
    return QStringLiteral("Album =  '") + quoteDoubled(title) + u'\'';
}

QString idCriteria(const QString &id)
{
    return QStringLiteral("ID = ") + id;
}

} // namespace lumetra
