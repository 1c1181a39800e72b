#include "fuzzing.h"

#include "core/catalogue.h"
#include "core/criteria.h"

using namespace lumetra;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList &columns = Catalogue::kSongsColumns;
    static const int album = int(columns.indexOf(QStringLiteral("Album")));
    for (const QString &text : fuzz::texts(data, size)) {
        if (const auto parsed = parseCriteria(text, columns)) {
            fuzz::check(parsed->column >= 0 && parsed->column < columns.size(), "column out of range", text);
            // Whatever was accepted parses again, unchanged, in its quoted form.
            const QString quoted =
                columns[parsed->column] + QStringLiteral(" = '") + quoteDoubled(parsed->value) + u'\'';
            const auto again = parseCriteria(quoted, columns);
            fuzz::check(again && again->column == parsed->column && again->value == parsed->value,
                        "quoted form does not parse back", text);
        }
        const auto back = parseCriteria(albumCriteria(text), columns);
        fuzz::check(back && back->column == album && back->value == text, "albumCriteria round trip", text);
    }
    return 0;
}
