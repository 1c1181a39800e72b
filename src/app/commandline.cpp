#include "commandline.h"

#include "core/appfolder.h"
#include "core/catalogue.h"
#include "core/recordview.h"
#include "export/inventory.h"
#include "scan/scanner.h"
#include "wall/albumlist.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace lumetra {

namespace {

int fail(const QString &message, int code = 1)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return code;
}

} // namespace

QCommandLineOption appDirOption()
{
    return QCommandLineOption(
        QStringList{QStringLiteral("app-dir")},
        QStringLiteral("Use DIR as the application folder (default: the program's folder when writable, "
                       "else the user's data folder)."),
        QStringLiteral("DIR"));
}

QCommandLineOption scanOption()
{
    return QCommandLineOption(
        QStringList{QStringLiteral("scan")},
        QStringLiteral("Rebuild the catalogue from the music folder ROOT without a window (with --layout)."),
        QStringLiteral("ROOT"));
}

QCommandLineOption layoutOption()
{
    return QCommandLineOption(QStringList{QStringLiteral("layout")},
                              QStringLiteral("With --scan: nested (albums inside artist folders) or flat."),
                              QStringLiteral("LAYOUT"));
}

QCommandLineOption inventoryOption()
{
    return QCommandLineOption(
        QStringList{QStringLiteral("inventory")},
        QStringLiteral("Write albums.htm in the application folder without opening it."));
}

void describeOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Lumetra Jukebox: a wall of album covers that plays your music folder.\n"
                       "The application folder holds tracks.lum, jb.ini, the collections and files/."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({appDirOption(), scanOption(), layoutOption(), inventoryOption()});
}

bool wantsNoWindow(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const char *option : {"--scan", "--inventory", "--help", "-h", "--version", "-v"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

int runWithoutWindow(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Lumetra"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_STRING));
    QCommandLineParser parser;
    describeOptions(parser);
    const QCommandLineOption appDir = appDirOption();
    const QCommandLineOption scan = scanOption();
    const QCommandLineOption layout = layoutOption();
    const QCommandLineOption inventory = inventoryOption();
    parser.process(app);
    if (parser.isSet(scan) == parser.isSet(inventory))
        return fail(QStringLiteral("Give either --scan ROOT --layout nested|flat or --inventory."), 2);
    const QString kind = parser.value(layout);
    if (parser.isSet(scan) && kind != QStringLiteral("nested") && kind != QStringLiteral("flat"))
        return fail(QStringLiteral("--scan needs --layout nested or --layout flat."), 2);

    const AppFolder folder(AppFolder::choose(parser.value(appDir)));
    QString error;
    if (!folder.prepare(QStringLiteral(":/files"), &error))
        return fail(error);
    Catalogue catalogue;
    if (!catalogue.open(folder.file(QStringLiteral("tracks.lum"))))
        return fail(catalogue.errorString());
    RecordView songs(catalogue, QStringLiteral("songs"));
    songs.refresh();

    if (parser.isSet(inventory)) {
        AlbumList albums;
        albums.populate(songs);
        if (albums.isEmpty())
            return fail(QStringLiteral("The catalogue holds no albums, so albums.htm was not written."));
        if (!Inventory::write(folder.file(QStringLiteral("albums.htm")), albums.titles(),
                              folder.ownFile(QStringLiteral("lumetra2.jpg")), &error))
            return fail(QStringLiteral("albums.htm could not be written: %1").arg(error));
        std::printf("%s\n", qPrintable(folder.file(QStringLiteral("albums.htm"))));
        return 0;
    }

    Scanner scanner(catalogue, songs);
    const Scanner::Result result =
        scanner.scan(Scanner::resolveRoot(parser.value(scan), folder),
                     kind == QStringLiteral("nested") ? Scanner::Layout::Nested : Scanner::Layout::Flat);
    if (!result.ok)
        return fail(result.error);
    std::printf("%s\n", qPrintable(Scanner::doneText(result.elapsedMs / 1000, result.found.size())));
    return 0;
}

} // namespace lumetra
