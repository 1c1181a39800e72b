#include "childwindows.h"

#include "core/appfolder.h"
#include "core/prompter.h"
#include "core/settings.h"
#include "core/shell.h"
#include "core/vbcolor.h"
#include "export/inventory.h"
#include "loudness/loudness.h"
#include "playback/playback.h"
#include "remote/remote.h"
#include "ui/party/remotedialog.h"
#include "ui/windows/addtrackswindow.h"
#include "ui/windows/coverartwindow.h"
#include "ui/windows/helpwindow.h"
#include "ui/windows/newalbumwindow.h"
#include "ui/windows/searchwindow.h"
#include "ui/windows/settingswindow.h"
#include "ui/windows/soundbox.h"
#include "wall/albumcommands.h"
#include "wall/albumlist.h"
#include "wall/wall.h"

#include <QLayout>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include <algorithm>

namespace lumetra {

namespace {

// Shows a window that exists and brings it forward.
void bringForward(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

// Room the window manager's frame takes around a window, which is not known before it shows.
constexpr QSize kFrameAllowance(16, 48);

// Escape closes `window` as its Cancel or close box would.
void closeOnEscape(QWidget *window, std::function<void()> close)
{
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, window, std::move(close));
}

} // namespace

void ChildWindows::present(QWidget *window)
{
    // Above the main window whatever is clicked there (the window system keeps a dialog over the window it
    // belongs to, not a plain window), and never larger than the screen it is on.
    if (window->windowType() == Qt::Window)
        window->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    window->winId();
    if (QWindow *handle = window->windowHandle())
        handle->setTransientParent(m_window->window()->windowHandle());
    const QRect room = m_window->screen()->availableGeometry();
    const QSize most = (room.size() - kFrameAllowance).expandedTo(QSize(1, 1));
    if (QLayout *layout = window->layout())
        layout->activate();
    window->resize(window->size().expandedTo(window->minimumSizeHint()).boundedTo(most));
    QRect placed(QPoint(), window->size());
    placed.moveCenter(m_window->window()->geometry().center());
    placed.moveLeft(
        std::clamp(placed.left(), room.left(),
                   std::max(room.left(), room.right() - placed.width() - kFrameAllowance.width())));
    placed.moveTop(
        std::clamp(placed.top(), room.top(),
                   std::max(room.top(), room.bottom() - placed.height() - kFrameAllowance.height())));
    window->move(placed.topLeft());
    bringForward(window);
}

ChildWindows::ChildWindows(Context context, QWidget *window)
    : QObject(window)
    , m_context(std::move(context))
    , m_window(window)
{
}

void ChildWindows::openSettings()
{
    if (m_settings) {
        m_settings->raise();
        m_settings->activateWindow();
        return;
    }
    const Context &c = m_context;
    m_settings = new SettingsWindow(c.app, c.catalogue, c.songs, c.prompter, c.dialogs, m_window);
    connect(m_settings, &SettingsWindow::saved, this, &ChildWindows::wallChanged);
    connect(m_settings, &SettingsWindow::saved, this, &ChildWindows::soundChanged);
    connect(m_settings, &SettingsWindow::catalogueReplaced, this, &ChildWindows::catalogueReplaced);
    connect(m_settings, &SettingsWindow::scanStarted, this, &ChildWindows::scanStarted);
    connect(m_settings, &SettingsWindow::scanFinished, this, &ChildWindows::scanFinished);
    if (c.loudness) {
        SoundBox &sound = m_settings->sound();
        sound.setMeasured(c.loudness->measured(), c.loudness->total());
        m_settings->growToFit();
        connect(c.loudness, &Loudness::progressChanged, &sound, &SoundBox::setMeasured);
    }
    closeOnEscape(m_settings, [settings = m_settings.data()] { settings->escape(); });
    present(m_settings);
}

void ChildWindows::openScanPanel(const QString &root)
{
    openSettings();
    if (m_settings)
        m_settings->scanFrom(root);
}

void ChildWindows::openNewAlbum()
{
    m_context.playback.mnunormal();
    if (m_newAlbum) {
        m_newAlbum->raise();
        m_newAlbum->activateWindow();
        return;
    }
    const Context &c = m_context;
    m_newAlbum = new NewAlbumWindow(
        c.songs, c.app, c.prompter, c.dialogs, c.shell, [this] { return m_context.albums.size(); }, m_window);
    connect(m_newAlbum, &NewAlbumWindow::created, this, &ChildWindows::wallChanged);
    connect(m_newAlbum, &NewAlbumWindow::closed, this, &ChildWindows::restoreWanted);
    connect(m_newAlbum, &NewAlbumWindow::settingsWanted, this, &ChildWindows::openSettings,
            Qt::QueuedConnection);
    present(m_newAlbum);
}

void ChildWindows::openSearch()
{
    if (m_search) {
        m_search->raise();
        m_search->activateWindow();
        return;
    }
    const Context &c = m_context;
    const SearchWindow::Look look{colorFromStored(c.settings.backColor),
                                  colorFromStored(c.settings.textColor), c.settings.backgroundPicture};
    m_search =
        new SearchWindow(c.app.file(QStringLiteral("tracks.lum")), c.prompter, c.jumpToAlbum, look, m_window);
    closeOnEscape(m_search, [search = m_search.data()] { search->close(); });
    present(m_search);
}

void ChildWindows::listAlbumsInBrowser()
{
    const Context &c = m_context;
    if (c.albums.isEmpty())
        return;
    const QString page = c.app.file(QStringLiteral("albums.htm"));
    QString error;
    if (!Inventory::write(page, c.albums.titles(), c.app.ownFile(QStringLiteral("lumetra2.jpg")), &error)) {
        c.prompter.message(tr("The album list could not be written: %1").arg(error));
        return;
    }
    c.shell.open(page);
}

void ChildWindows::openHelp()
{
    if (!m_context.browser)
        return;
    if (m_help) {
        bringForward(m_help);
        return;
    }
    m_help = new HelpWindow(m_context.app, m_context.browser, m_window);
    closeOnEscape(m_help, [help = m_help.data()] { help->close(); });
    present(m_help);
}

void ChildWindows::openRemote()
{
    if (m_remote) {
        bringForward(m_remote);
        return;
    }
    Remote &remote = m_context.remote;
    m_remote = new RemoteDialog(m_window);
    m_remote->setAttribute(Qt::WA_DeleteOnClose);
    const QPointer<RemoteDialog> dialog = m_remote;
    const auto show = [&remote, dialog] {
        dialog->setOn(remote.isListening());
        dialog->setPort(remote.port());
        dialog->setAddresses(remote.isListening() ? remote.addresses() : QStringList());
    };
    const auto apply = [dialog, show](bool done, const QString &error) {
        dialog->setProblem(done ? QString() : error);
        show();
    };
    connect(m_remote, &RemoteDialog::onWanted, m_remote, [&remote, apply](bool on) {
        QString error;
        const bool done = remote.setOn(on, &error);
        apply(done, error);
    });
    connect(m_remote, &RemoteDialog::portWanted, m_remote, [&remote, apply](quint16 port) {
        if (port == remote.port())
            return;
        QString error;
        const bool done = remote.setPort(port, &error);
        apply(done, error);
    });
    connect(m_remote, &RemoteDialog::newAddressWanted, m_remote, [&remote, apply] {
        QString error;
        const bool done = remote.drawToken(&error);
        apply(done, error);
    });
    show();
    dialog->setProblem({});
    present(m_remote);
}

RemoteDialog *ChildWindows::remoteDialog() const
{
    return m_remote;
}

void ChildWindows::listSongs()
{
    const int slot = m_context.playback.overCover();
    if (m_trackListing)
        m_trackListing->close();
    const QStringList tracks = m_context.albumCommands.trackNames(slot);
    const auto &page = m_context.wall.page();
    const QString title = slot >= 0 && slot < static_cast<int>(page.size()) ? page[slot].title : QString();
    m_trackListing = new TrackListingWindow(title, tracks, m_window);
    present(m_trackListing);
}

void ChildWindows::exploreAlbum()
{
    if (const auto album = m_context.albumCommands.album(m_context.playback.overCover())) {
        if (!m_context.shell.open(album->path))
            m_context.prompter.message(tr("The folder %1 could not be opened.").arg(album->path));
    }
}

void ChildWindows::addSongs()
{
    const auto album = m_context.albumCommands.album(m_context.playback.overCover());
    if (!album)
        return;
    if (!m_addTracks) {
        m_addTracks = new AddTracksWindow(m_context.albumCommands,
                                          m_context.app.ownFile(QStringLiteral("vista.jpg")), m_window);
        connect(m_addTracks, &AddTracksWindow::copied, this, [this] {
            Q_EMIT restoreWanted();
            m_context.playback.rereadAlbumFiles();
        });
    }
    m_addTracks->setTarget(album->path);
    present(m_addTracks);
}

void ChildWindows::openCoverArt()
{
    const Context &c = m_context;
    const int slot = c.playback.overCover();
    const auto album = c.albumCommands.album(slot);
    if (!album || !c.browser)
        return;
    if (m_coverArt)
        m_coverArt->close();
    const CoverArtWindow::Album chosen{c.wall.page()[slot].id, album->title, album->path, slot};
    m_coverArt = new CoverArtWindow(chosen, c.songs, c.app, c.prompter, c.dialogs, c.browser, m_window);
    connect(m_coverArt, &CoverArtWindow::saved, this, &ChildWindows::coverSaved);
    present(m_coverArt);
}

SettingsWindow *ChildWindows::settingsWindow() const
{
    return m_settings;
}

NewAlbumWindow *ChildWindows::newAlbumWindow() const
{
    return m_newAlbum;
}

AddTracksWindow *ChildWindows::addTracksWindow() const
{
    return m_addTracks;
}

TrackListingWindow *ChildWindows::trackListingWindow() const
{
    return m_trackListing;
}

SearchWindow *ChildWindows::searchWindow() const
{
    return m_search;
}

HelpWindow *ChildWindows::helpWindow() const
{
    return m_help;
}

CoverArtWindow *ChildWindows::coverArtWindow() const
{
    return m_coverArt;
}

} // namespace lumetra
