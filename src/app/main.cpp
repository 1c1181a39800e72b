#include "commandline.h"
#include "core/appfolder.h"
#include "core/randomsource.h"
#include "desktop/mpris.h"
#include "playback/qtmediaplayer.h"
#include "ui/mainwindow.h"
#include "ui/qtdialogs.h"
#include "ui/qtprompter.h"
#include "ui/qtshell.h"
#include "web/webbrowser.h"

#include <QApplication>
#include <QDBusConnection>
#include <QIcon>
#include <QMessageBox>
#include <QSocketNotifier>

#include <csignal>
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

} // namespace

int main(int argc, char *argv[])
{
    if (!CommandLine::windowWanted(argc, argv))
        return runWithoutWindow(argc, argv);
    WebBrowser::prepareApplication();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumetra"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_STRING));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/lumetra.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral(LUMETRA_APP_ID));

    CommandLine command;
    if (!command.parse(QApplication::arguments()))
        return command.usageError();

    const AppFolder folder(AppFolder::choose(command.appDir()));
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
    // Media keys and the desktop's player controls; without a session bus the jukebox simply goes without.
    Mpris mpris(QDBusConnection::sessionBus(), window.playback(), player,
                {[&window] {
                     window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
                     window.raise();
                     window.activateWindow();
                 },
                 [&window] { window.close(); }});
    mpris.publish();
    QObject::connect(&window, &MainWindow::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    closeOnTerminate(window);
    window.showFullScreen();
    window.load();
    if (!command.playlist().isEmpty())
        window.collections().openPlaylist(command.playlist());
    return QApplication::exec();
}
