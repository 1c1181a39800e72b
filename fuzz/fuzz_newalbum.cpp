#include "fuzzing.h"

#include "core/albumfiles.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace lumetra;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The cursor and the typed key come from the end, so a plain name still reads as itself.
    FuzzedDataProvider fdp(data, size);
    const int cursor = fdp.ConsumeIntegral<int>();
    const QChar typed = fdp.ConsumeBool() ? u'\\' : u'/';

    for (const QString &text : fuzz::texts(data, size)) {
        const QString title = AlbumFiles::rewriteTitle(text);
        for (const QChar refused : {u'*', u':', u'&', u'/', u'\\', u'\r', u'\n'})
            fuzz::check(!title.contains(refused), "rewritten title keeps a refused character", title);
        const QString renamed = AlbumFiles::renameTitle(text);
        fuzz::check(!renamed.contains(u'&') && !renamed.contains(u'\r') && !renamed.contains(u'\n'),
                    "renamed title keeps '&' or a line break", text);

        int at = cursor;
        const QString name = AlbumFiles::substituteSeparator(text, typed, at);
        fuzz::check(!name.contains(typed), "typed separator kept", name);
        fuzz::check(name.size() == text.size() + 1, "substitution changed the length", name);
        fuzz::check(at >= 1 && at <= name.size() && name[at - 1] == u'-', "cursor not after the new '-'",
                    name);

        if (AlbumFiles::isMusicName(text))
            fuzz::check(AlbumFiles::hasThreeLetterExtension(text),
                        "music name without a three-letter extension", text);
        const QString file = AlbumFiles::fileName(text);
        fuzz::check(!file.contains(u'/') && text.endsWith(file), "file name is not the path's last part",
                    text);
    }
    return 0;
}
