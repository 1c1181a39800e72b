#include "fuzzing.h"

#include "core/coverloader.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QTemporaryDir>

using namespace lumetra;

namespace {

QString coverPath()
{
    static int argc = 1;
    static char name[] = "fuzz_cover";
    static char *argv[] = {name, nullptr};
    static const bool started = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QCoreApplication(argc, argv);
        // Without the format plugins the decoders under test would never run.
        const auto formats = QImageReader::supportedImageFormats();
        for (const char *format : {"jpeg", "gif", "bmp", "png"})
            fuzz::check(formats.contains(format), "image format missing", QString::fromLatin1(format));
        return true;
    }();
    static QTemporaryDir dir;
    fuzz::check(started && dir.isValid(), "no temporary folder");
    return dir.filePath(QStringLiteral("x.jpg"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = coverPath();
    fuzz::writeFile(path, data, size);
    const QSize slot(160, 160);
    const QImage image = loadCover(path, slot);
    fuzz::check(image.isNull() || image.size() == slot, "cover not at the slot's size");
    return 0;
}
