#include "collectionfile.h"

#include "appfolder.h"
#include "folderlisting.h"
#include "textfile.h"

#include <QCoreApplication>

namespace lumetra::CollectionFile {

namespace {
const QString kExtension = QStringLiteral(".ply");
constexpr qsizetype kMaxFileNameBytes = 255;
} // namespace

QStringList titles(const AppFolder &app)
{
    QStringList names = listFiles(app.dir(), QStringLiteral("*.ply"));
    for (QString &name : names)
        name.chop(4);
    return names;
}

QString path(const AppFolder &app, const QString &title)
{
    return app.file(title + kExtension);
}

std::optional<QStringList> read(const QString &file)
{
    return readTextLines(file);
}

bool write(const QString &file, const QStringList &albums, QString *error)
{
    return writeTextLines(file, albums, error);
}

std::optional<QString> titleProblem(const QString &title)
{
    const QString trimmed = title.trimmed();
    auto refuse = [&](const QString &why) {
        return QCoreApplication::translate(
                   "CollectionFile",
                   "\"%1\" cannot be used as the title of a collection: %2 Please type another title.")
            .arg(title, why);
    };
    if (trimmed.isEmpty())
        return refuse(QCoreApplication::translate("CollectionFile", "it is empty."));
    if (trimmed != title)
        return refuse(QCoreApplication::translate("CollectionFile", "it begins or ends with a blank."));
    if (title.startsWith(u'.'))
        return refuse(QCoreApplication::translate("CollectionFile", "it begins with a full stop."));
    // File names decode with a leading byte-order mark dropped, so the saved file would list under another
    // title.
    if (title.startsWith(QChar(0xFEFF)))
        return refuse(
            QCoreApplication::translate("CollectionFile", "it begins with an invisible character."));
    for (const QChar c : title) {
        if (c.unicode() < 32 || QStringLiteral("/\\:*?\"<>|").contains(c))
            return refuse(QCoreApplication::translate("CollectionFile",
                                                      "it holds one of the characters / \\ : * ? \" < > | "
                                                      "that a file name cannot hold."));
    }
    if ((title + kExtension).toUtf8().size() > kMaxFileNameBytes)
        return refuse(QCoreApplication::translate("CollectionFile", "it is too long for a file name."));
    return std::nullopt;
}

} // namespace lumetra::CollectionFile
