#include "core/appfolder.h"
#include "core/catalogue.h"
#include "core/recordview.h"
#include "core/randomsource.h"
#include "playback/qtmediaplayer.h"
#include "scan/scanner.h"
#include "ui/mainwindow.h"
#include "ui/qtdialogs.h"
#include "ui/qtshell.h"
#include "web/webbrowser.h"
#include "ui/qtprompter.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

using namespace lumetra;

namespace {

int g_signalPipe[2] = {-1, -1};

void onTerminate(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_signalPipe[0], &byte, 1);
}

// SIGTERM and SIGINT (logout, shutdown, Ctrl+C) close the window like the user would, so the player's
// state is stored. The handler only writes to a socket; the window closes in the event loop.
void closeOnTerminate(QWidget &window)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window, notifier] {
        char byte;
        [[maybe_unused]] const auto got = ::read(g_signalPipe[1], &byte, 1);
        notifier->setEnabled(false);
        window.close();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

QCommandLineOption appDirOption()
{
    return QCommandLineOption(
        QStringList{QStringLiteral("app-dir")},
        QStringLiteral("Use DIR as the application folder (default: the program's folder when writable, "
                       "else the user's data folder)."),
        QStringLiteral("DIR"));
}

bool wantsScan(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--scan") == 0)
            return true;
    }
    return false;
}

// lumetra --scan ROOT --layout nested|flat: rebuilds the catalogue without a window.
int scanFromCommandLine(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption appDir = appDirOption();
    const QCommandLineOption scan(QStringList{QStringLiteral("scan")}, QStringLiteral("Scan ROOT."),
                                  QStringLiteral("ROOT"));
    const QCommandLineOption layout(QStringList{QStringLiteral("layout")},
                                    QStringLiteral("nested (albums inside artist folders) or flat."),
                                    QStringLiteral("LAYOUT"));
    parser.addOptions({appDir, scan, layout});
    parser.process(app);
    const QString kind = parser.value(layout);
    if (kind != QStringLiteral("nested") && kind != QStringLiteral("flat")) {
        std::fprintf(stderr, "--scan needs --layout nested or --layout flat\n");
        return 2;
    }
    const AppFolder folder(AppFolder::choose(parser.value(appDir)));
    QString error;
    if (!folder.prepare(QStringLiteral(":/files"), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    Catalogue catalogue;
    if (!catalogue.open(folder.file(QStringLiteral("tracks.lum")))) {
        std::fprintf(stderr, "%s\n", qPrintable(catalogue.errorString()));
        return 1;
    }
    RecordView songs(catalogue, QStringLiteral("songs"));
    songs.refresh();
    Scanner scanner(catalogue, songs);
    const Scanner::Result result =
        scanner.scan(Scanner::resolveRoot(parser.value(scan), folder),
                     kind == QStringLiteral("nested") ? Scanner::Layout::Nested : Scanner::Layout::Flat);
    if (!result.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(result.error));
        return 1;
    }
    std::printf("%s\n", qPrintable(Scanner::doneText(result.elapsedMs / 1000, result.found.size())));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (wantsScan(argc, argv))
        return scanFromCommandLine(argc, argv);
    WebBrowser::prepareApplication();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumetra"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_STRING));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Lumetra Jukebox: a wall of album covers that plays your music folder.\n"
                       "The application folder holds tracks.lum, jb.ini, the collections and files/."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption appDir = appDirOption();
    parser.addOption(appDir);
    parser.addOption(QCommandLineOption(
        QStringList{QStringLiteral("scan")},
        QStringLiteral("Rebuild the catalogue from the music folder ROOT without a window (with --layout)."),
        QStringLiteral("ROOT")));
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("layout")},
                                        QStringLiteral("With --scan: nested (albums inside artist folders) or flat."),
                                        QStringLiteral("LAYOUT")));
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "Unexpected argument: %s\n\n%s", qPrintable(parser.positionalArguments().first()),
                     qPrintable(parser.helpText()));
        return 2;
    }

    const AppFolder folder(AppFolder::choose(parser.value(appDir)));
    QString error;
    if (!folder.prepare(QStringLiteral(":/files"), &error)) {
        QMessageBox::critical(nullptr, QStringLiteral("Lumetra"), error);
        return 1;
    }

    const auto random = RandomSource::clockSeeded();
    QtMediaPlayer player;
    QtPrompter prompter;
    QtDialogs dialogs;
    QtShell shell;
    MainWindow window(folder, Seams{player, prompter, *random, dialogs, shell,
                                    [](QWidget *parent) -> Browser * { return new WebBrowser(parent); }});
    prompter.setParent(&window);
    QObject::connect(&window, &MainWindow::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    closeOnTerminate(window);
    window.show();
    window.load();
    return QApplication::exec();
}
