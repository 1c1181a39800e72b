#include "commandline.h"

#include "core/appfolder.h"
#include "core/catalogue.h"
#include "core/recordview.h"
#include "core/translations.h"
#include "desktop/singleinstance.h"
#include "export/inventory.h"
#include "scan/scanner.h"
#include "wall/albumlist.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <cstdio>

namespace lumetra {

namespace {

int fail(const QString &message, int code = 1)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return code;
}

bool isPlaylistName(const QString &path)
{
    return path.endsWith(QStringLiteral(".m3u"), Qt::CaseInsensitive) ||
           path.endsWith(QStringLiteral(".m3u8"), Qt::CaseInsensitive);
}

} // namespace

CommandLine::CommandLine()
    : m_appDir(QStringLiteral("app-dir"), tr("Use DIR as the application folder."), QStringLiteral("DIR"))
    , m_scan(QStringLiteral("scan"),
             tr("Rebuild the catalogue from the music folder ROOT without a window (with --layout)."),
             QStringLiteral("ROOT"))
    , m_layout(QStringLiteral("layout"), tr("With --scan: nested (albums inside artist folders) or flat."),
               QStringLiteral("LAYOUT"))
    , m_inventory(QStringLiteral("inventory"),
                  tr("Write albums.htm in the application folder without a window."))
    , m_help(m_parser.addHelpOption())
    , m_version(m_parser.addVersionOption())
{
    // "-platform" is one of QApplication's options, not the letters p, l, a, ...
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOptions({m_appDir, m_scan, m_layout, m_inventory});
    m_parser.addPositionalArgument(QStringLiteral("playlist"),
                                   tr("An .m3u or .m3u8 playlist to import as a collection."),
                                   QStringLiteral("[playlist]"));
}

namespace {

// The options QGuiApplication and QApplication take from the command line themselves.
bool isQtOption(const QString &name)
{
    static const QStringList names{QStringLiteral("platform"),      QStringLiteral("platformpluginpath"),
                                   QStringLiteral("platformtheme"), QStringLiteral("plugin"),
                                   QStringLiteral("qmljsdebugger"), QStringLiteral("qwindowgeometry"),
                                   QStringLiteral("qwindowicon"),   QStringLiteral("qwindowtitle"),
                                   QStringLiteral("reverse"),       QStringLiteral("session"),
                                   QStringLiteral("display"),       QStringLiteral("geometry"),
                                   QStringLiteral("style"),         QStringLiteral("stylesheet"),
                                   QStringLiteral("widgetcount"),   QStringLiteral("name"),
                                   QStringLiteral("title"),         QStringLiteral("visual"),
                                   QStringLiteral("ncols"),         QStringLiteral("cmap"),
                                   QStringLiteral("nograb"),        QStringLiteral("dograb"),
                                   QStringLiteral("sync"),          QStringLiteral("testability")};
    return names.contains(name);
}

} // namespace

bool CommandLine::parse(const QStringList &arguments)
{
    m_error.clear();
    m_playlist.clear();
    if (!m_parser.parse(arguments)) {
        m_error = m_parser.errorText();
        // Only names QApplication knows wait for it; anything else is refused now, display or not.
        const QStringList unknown = m_parser.unknownOptionNames();
        m_leftForQt = !unknown.isEmpty() && std::all_of(unknown.cbegin(), unknown.cend(), isQtOption);
        return false;
    }
    // Before QApplication has taken its own options, a value of one of them may look like a playlist.
    m_leftForQt = true;
    const QStringList positional = m_parser.positionalArguments();
    if (positional.size() > 1) {
        m_error = tr("Give at most one playlist.");
        return false;
    }
    if (positional.isEmpty())
        return true;
    const QFileInfo file(positional.constFirst());
    if (!isPlaylistName(file.fileName())) {
        m_error = tr("%1 is not an .m3u or .m3u8 playlist.").arg(positional.constFirst());
        return false;
    }
    if (!file.isFile() || !file.isReadable()) {
        m_error = tr("The playlist %1 cannot be read.").arg(positional.constFirst());
        return false;
    }
    // Taken now: the program moves into its application folder before it imports.
    m_playlist = file.absoluteFilePath();
    return true;
}

bool CommandLine::wantsWindow() const
{
    for (const QCommandLineOption *noWindow : {&m_scan, &m_inventory, &m_help, &m_version}) {
        if (m_parser.isSet(*noWindow))
            return false;
    }
    return !m_parser.isSet(QStringLiteral("help-all")) && (m_error.isEmpty() || m_leftForQt);
}

bool CommandLine::windowWanted(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    CommandLine probe;
    probe.parse(arguments);
    return probe.wantsWindow();
}

QString CommandLine::description() const
{
    return tr("Lumetra Jukebox: a wall of album covers that plays your music folder.\n"
              "\n"
              "The application folder holds the catalogue tracks.lum, the settings jb.ini, the\n"
              "collections (*.ply), albums.htm and the program's pictures in files/. It is the folder\n"
              "given with --app-dir; else, for an installed program, the user's data folder\n"
              "($XDG_DATA_HOME/Lumetra, by default ~/.local/share/Lumetra); a copy run from the folder\n"
              "it was built or unpacked in uses that folder when it may write there.\n"
              "Without --app-dir this program uses %1")
        .arg(QDir::toNativeSeparators(AppFolder::choose(QString())));
}

void CommandLine::answerHelpAndVersion(QCoreApplication &app)
{
    if (!m_parser.isSet(m_help) && !m_parser.isSet(QStringLiteral("help-all")) && !m_parser.isSet(m_version))
        return;
    m_parser.setApplicationDescription(description());
    m_parser.process(app);
}

int CommandLine::usageError(const QString &reason)
{
    m_parser.setApplicationDescription(description());
    return fail((reason.isEmpty() ? m_error : reason) + QStringLiteral("\n\n") + m_parser.helpText(), 2);
}

int runWithoutWindow(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Lumetra"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_STRING));
    installTranslations(app, QLocale().uiLanguages());
    CommandLine command;
    const bool fits = command.parse(QCoreApplication::arguments());
    command.answerHelpAndVersion(app);
    if (!fits)
        return command.usageError();
    if (command.wantsScan() == command.wantsInventory())
        return command.usageError(
            CommandLine::tr("Give either --scan ROOT --layout nested|flat or --inventory."));
    if (!command.playlist().isEmpty())
        return command.usageError(
            CommandLine::tr("A playlist is imported in the window, not with --scan or --inventory."));
    const QString kind = command.layout();
    if (command.wantsScan() && kind != QStringLiteral("nested") && kind != QStringLiteral("flat"))
        return command.usageError(CommandLine::tr("--scan needs --layout nested or --layout flat."));

    const AppFolder folder(AppFolder::choose(command.appDir()));
    // Both write what an open window holds (the catalogue, the inventory page).
    if (SingleInstance(QDBusConnection::sessionBus(),
                       SingleInstance::serviceName(QStringLiteral(LUMETRA_APP_ID), folder.dir()))
            .isTaken())
        return fail(CommandLine::tr("Lumetra Jukebox is open on %1. Close it first: --scan and --inventory "
                                    "write what its window holds.")
                        .arg(QDir::toNativeSeparators(folder.dir())));
    // A relative root means the folder the command was given in, which prepare() leaves.
    const QString root = Scanner::resolveRoot(command.scanRoot(), folder, QDir::currentPath());
    QString error;
    if (!folder.prepare(QStringLiteral(":/files"), &error))
        return fail(error);
    Catalogue catalogue;
    if (!catalogue.open(folder.file(QStringLiteral("tracks.lum"))))
        return fail(catalogue.errorString());
    RecordView songs(catalogue, QStringLiteral("songs"));
    songs.refresh();

    if (command.wantsInventory()) {
        AlbumList albums;
        albums.populate(songs);
        if (albums.isEmpty())
            return fail(CommandLine::tr("The catalogue holds no albums, so albums.htm was not written."));
        if (!Inventory::write(folder.file(QStringLiteral("albums.htm")), albums.titles(),
                              folder.ownFile(QStringLiteral("lumetra2.jpg")), &error))
            return fail(CommandLine::tr("albums.htm could not be written: %1").arg(error));
        std::printf("%s\n", qPrintable(folder.file(QStringLiteral("albums.htm"))));
        return 0;
    }

    Scanner scanner(catalogue, songs);
    const Scanner::Result result = scanner.scan(
        root, kind == QStringLiteral("nested") ? Scanner::Layout::Nested : Scanner::Layout::Flat);
    if (!result.ok)
        return fail(result.error);
    for (const QString &leftOut : result.leftOut)
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate("Scanner", "Left out: %1").arg(leftOut)));
    const int leftOut = static_cast<int>(result.leftOut.size());
    if (leftOut > 0)
        std::fprintf(
            stderr, "%s\n",
            qPrintable(QCoreApplication::translate("Scanner", "Folders left out: %n", nullptr, leftOut)));
    std::printf("%s\n", qPrintable(Scanner::doneText(result.elapsedMs / 1000, result.found.size())));
    return 0;
}

} // namespace lumetra
