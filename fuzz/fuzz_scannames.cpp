#include "fuzzing.h"

#include "core/albumfiles.h"
#include "scan/scanner.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace lumetra;

namespace {

void checkRecord(const QString &folder)
{
    for (const auto layout : {Scanner::Layout::Nested, Scanner::Layout::Flat}) {
        const Scanner::Record record = Scanner::recordFor(folder, layout);
        fuzz::check(record.path == folder, "record path differs from its folder", folder);
        fuzz::check(!record.artist.contains(u'/'), "artist holds a separator", folder);
        if (layout == Scanner::Layout::Flat)
            fuzz::check(!record.album.contains(u'/'), "flat album holds a separator", folder);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    for (const QString &text : fuzz::texts(data, size)) {
        if (AlbumFiles::isMusicName(text))
            fuzz::check(Scanner::isMusicFile(text), "a new album's music file would not be scanned", text);

        checkRecord(u'/' + text + u'/');
        checkRecord(u'/' + text + u'/' + text + u'/');

        const QString a = text.section(u'\n', 0, 0);
        const QString b = text.section(u'\n', 1);
        if (!a.contains(u'/') && !b.contains(u'/')) {
            const QString folder = u'/' + a + u'/' + b + u'/';
            const auto flat = Scanner::recordFor(folder, Scanner::Layout::Flat);
            fuzz::check(flat.artist == a && flat.album == AlbumFiles::singleLine(b), "flat record of /a/b/",
                        folder);
            const auto nested = Scanner::recordFor(folder, Scanner::Layout::Nested);
            fuzz::check(nested.artist == a &&
                            nested.album == AlbumFiles::singleLine(a + QStringLiteral(", ") + b),
                        "nested record of /a/b/", folder);
        }
    }

    FuzzedDataProvider fdp(data, size);
    const auto seconds = fdp.ConsumeIntegral<qint64>();
    const auto found = fdp.ConsumeIntegral<qsizetype>();
    const QString done = Scanner::doneText(seconds, found);
    fuzz::check(done.contains(QString::number(seconds)) && done.endsWith(QString::number(found)),
                "done text lost a figure", done);
    return 0;
}
