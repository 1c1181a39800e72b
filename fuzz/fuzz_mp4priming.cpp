#include "fuzzing.h"

#include "sound/mp4priming.h"

#include <QTemporaryDir>

using namespace lumetra::sound;

// Any file named .m4a is read for its priming before it plays: it may only ever yield a priming of an
// AAC frame's size or a tag's word, never read past its bytes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    fuzz::check(dir.isValid(), "no temporary folder");
    const QString path = dir.filePath(QStringLiteral("x.m4a"));
    fuzz::writeFile(path, data, size);
    const Mp4Priming priming = readMp4Priming(path);
    fuzz::check(priming.skip >= 0 && priming.skip < (1 << 16), "priming out of range");
    fuzz::check(priming.length == -1 || priming.length > 0, "length out of range");
    fuzz::check(priming.rate > 0 || priming == Mp4Priming{}, "priming without a rate");
    return 0;
}
