#include "fuzzing.h"

#include "core/appfolder.h"
#include "core/collectionfile.h"
#include "core/playlistfile.h"

#include <QDir>
#include <QTemporaryDir>

using namespace lumetra;

namespace {

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    fuzz::check(dir.isValid(), "no temporary folder");
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString ply = folder().filePath(QStringLiteral("in.ply"));
    fuzz::writeFile(ply, data, size);
    fuzz::check(CollectionFile::read(ply).has_value(), "existing collection unreadable");

    const QString m3u = folder().filePath(QStringLiteral("in.m3u8"));
    fuzz::writeFile(m3u, data, size);
    for (const QString &path : PlaylistFile::paths(m3u))
        fuzz::check(QDir::isAbsolutePath(path), "playlist path is not a full path", path);

    for (const QString &title : fuzz::texts(data, size)) {
        if (CollectionFile::titleProblem(title))
            continue;
        // A title that is accepted must be one the collection can actually be saved and found under.
        QTemporaryDir sub(folder().filePath(QStringLiteral("c-XXXXXX")));
        fuzz::check(sub.isValid(), "no temporary subfolder");
        const AppFolder app(sub.path());
        const QString file = CollectionFile::path(app, title);
        QString error;
        fuzz::check(CollectionFile::write(file, {title}, &error), "accepted title cannot be saved",
                    title + QStringLiteral(": ") + error);
        fuzz::check(CollectionFile::read(file) == QStringList{title}, "saved collection reads back otherwise",
                    title);
        fuzz::check(CollectionFile::titles(app).contains(title), "saved collection not listed", title);
    }
    return 0;
}
