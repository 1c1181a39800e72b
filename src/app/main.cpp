#include "commandline.h"
#include "core/appfolder.h"
#include "core/randomsource.h"
#include "core/translations.h"
#include "desktop/mpris.h"
#include "desktop/singleinstance.h"
#include "loudness/loudness.h"
#include "playback/soundplayer.h"
#include "ui/common/look.h"
#include "ui/common/qtdialogs.h"
#include "ui/common/qtprompter.h"
#include "ui/common/qtshell.h"
#include "ui/main/mainwindow.h"
#include "ui/party/partycontrols.h"
#include "web/webbrowser.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDir>
#include <QIcon>
#include <QLocale>
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

void handleTerminate(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

// Where the program is on its way to the end.
struct Ending {
    bool loaded = false;    // load() has returned
    bool requested = false; // a signal asked for the end
};

// SIGTERM and SIGINT (logout, shutdown, Ctrl+C) end the program like a close by the user, so the player's
// state is stored, whatever box is up: the box is dismissed and the window closes, once it has loaded. The
// handler only writes to a socket; the rest happens in the event loop. A second signal ends at once.
void endOnTerminate(MainWindow &window, QtPrompter &prompter, Ending &ending)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window, &prompter, &ending, notifier] {
        char byte;
        [[maybe_unused]] const auto got = ::read(g_signalPipe[1], &byte, 1);
        notifier->setEnabled(false);
        handleTerminate(SIG_DFL);
        ending.requested = true;
        prompter.dismiss();
        if (ending.loaded)
            window.endProgram();
    });
    handleTerminate(onTerminate);
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
    installTranslations(app, QLocale().uiLanguages());
    applyApplicationLook(app);

    CommandLine command;
    if (!command.parse(QApplication::arguments()))
        return command.usageError();

    const AppFolder folder(AppFolder::choose(command.appDir()));
    // A second start for the same folder hands its playlist to the jukebox that runs and ends.
    SingleInstance instance(QDBusConnection::sessionBus(),
                            SingleInstance::serviceName(QStringLiteral(LUMETRA_APP_ID), folder.dir()));
    if (instance.claim() == SingleInstance::Claim::Taken) {
        if (instance.handOver(command.playlist()))
            return 0;
        QtPrompter().message(
            QCoreApplication::translate("main", "Lumetra Jukebox already runs for %1 but does not answer.")
                .arg(QDir::toNativeSeparators(folder.dir())));
        return 1;
    }
    QString error;
    if (!folder.prepare(QStringLiteral(":/files"), &error)) {
        QtPrompter().message(error);
        return 1;
    }

    const auto random = RandomSource::clockSeeded();
    SoundPlayer player;
    Loudness loudness;
    QtPrompter prompter;
    QtDialogs dialogs;
    QtShell shell;
    MainWindow window(folder,
                      Seams{player, prompter, *random, dialogs, shell,
                            [](QWidget *parent) -> Browser * { return new WebBrowser(parent); }, &loudness});
    prompter.setParent(&window);
    const auto raise = [&window] {
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
        window.raise();
        window.activateWindow();
    };
    // Media keys and the desktop's player controls; without a session bus the jukebox simply goes without.
    Mpris mpris(QDBusConnection::sessionBus(), window.playback(), player,
                {raise, [&window] { window.close(); },
                 [&window](PartyCommand command) { return window.party().permit(command); }});
    mpris.publish();
    // Playlists handed over before the wall is up wait for it, as the command line's own does.
    QStringList handedOver;
    Ending ending;
    QObject::connect(&instance, &SingleInstance::activated, &window,
                     [&window, &handedOver, &ending, raise](const QString &playlist) {
                         raise();
                         if (playlist.isEmpty())
                             return;
                         if (ending.loaded)
                             window.collections().openPlaylist(playlist);
                         else
                             handedOver.append(playlist);
                     });
    QObject::connect(&window, &MainWindow::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    endOnTerminate(window, prompter, ending);
    window.showFullScreen();
    window.load();
    if (!command.playlist().isEmpty())
        handedOver.prepend(command.playlist());
    for (const QString &playlist : std::as_const(handedOver)) {
        if (!ending.requested)
            window.collections().openPlaylist(playlist);
    }
    ending.loaded = true;
    if (ending.requested) {
        window.endProgram();
        return 0;
    }
    return QApplication::exec();
}
