// The main window's wiring: which model command each widget's signal reaches, and the party lock's PIN in
// front of the commands that act without a menu.
#include "mainwindow.h"

#include "childwindows.h"
#include "core/dialogs.h"
#include "mainmenus.h"
#include "playback/mediaplayer.h"
#include "remote/remote.h"
#include "ui/common/copyprogress.h"
#include "ui/party/partycontrols.h"
#include "ui/wall/buttonstrip.h"
#include "ui/wall/collectionspanel.h"
#include "ui/wall/coverslot.h"
#include "ui/wall/jukeboxarea.h"
#include "ui/wall/rightpanel.h"
#include "ui/wall/wallview.h"
#include "windowsizer.h"

#include <QDir>
#include <QLoggingCategory>

namespace lumetra {

Q_DECLARE_LOGGING_CATEGORY(lcMainWindow)

void MainWindow::connectWall()
{
    connect(m_wallView, &PointerFrame::pointed, m_strip, &ButtonStrip::resetButtons);
    connect(m_wallView, &WallView::backgroundPointed, this, [this] {
        m_wallView->setBounced(m_playback.overCover(), false);
        m_strip->resetButtons();
    });
    connect(m_wallView, &WallView::backgroundPressed, this,
            [this](Qt::MouseButton button, const QPoint &pos) {
                if (button == Qt::RightButton)
                    m_menus->popupOptions(pos);
            });
    connect(m_wallView, &WallView::coverPointed, this, [this](int k) { m_playback.setOverCover(k); });
    connect(m_wallView, &WallView::coverPressed, this, [this](int k, Qt::MouseButton button) {
        const bool left = button == Qt::LeftButton;
        if ((left || button == Qt::RightButton) && m_party->permit(m_party->coverPress(left)))
            m_playback.coverPressed(k, left);
    });
    connect(m_wallView, &WallView::filesDropped, this, [this](int k, const QStringList &paths) {
        if (!m_party->permit(PartyCommand::AddSongs))
            return;
        CopyProgress progress(this);
        m_albumCommands.dropOnCover(k, paths, progress.callback());
    });
    connect(m_wallView, &WallView::coverMenuWanted, this, [this](int k, const QPoint &pos) {
        m_coverMenuAt = pos;
        m_playback.coverPressed(k, false);
        m_coverMenuAt.reset();
    });
    connect(m_wallView, &WallView::playPauseWanted, this, [this] {
        if (m_party->permit(PartyCommand::Stop))
            m_rightPanel->togglePlay();
    });
    connect(m_wallView, &WallView::pageShown, this, [this] {
        setStatus(m_wall.windowTitle());
        const auto &page = m_wall.page();
        qCDebug(lcMainWindow).noquote()
            << "page starts with" << (page.empty() ? QString() : page.front().title);
    });

    connect(m_strip, &ButtonStrip::nextPage, m_wallView, &WallView::nextPage);
    connect(m_strip, &ButtonStrip::previousPage, m_wallView, &WallView::previousPage);
    connect(m_strip, &ButtonStrip::modeMenuWanted, m_menus, &MainMenus::popupMode);
    connect(m_strip, &ButtonStrip::optionsMenuWanted, m_menus, &MainMenus::popupOptions);
    connect(m_strip, &ButtonStrip::helpWanted, this, [this] {
        if (m_party->permit(PartyCommand::Help))
            openHelp();
    });

    connect(m_windows, &ChildWindows::wallChanged, this, &MainWindow::rebuildWall);
    connect(m_windows, &ChildWindows::soundChanged, this, &MainWindow::applySound);
    connect(m_windows, &ChildWindows::scanStarted, this, &MainWindow::applySound);
    connect(m_windows, &ChildWindows::catalogueReplaced, this, [this] {
        // The album list, the wall and the pickers' source change together, between two events.
        m_songs.refresh({QStringLiteral("Album")});
        rebuildWall();
        m_playback.catalogueChanged();
    });
    connect(m_windows, &ChildWindows::restoreWanted, this, &MainWindow::restoreWindow);
    connect(m_windows, &ChildWindows::scanFinished, this, [this] {
        applySound();
        if (m_closeAfterScan)
            close();
    });
    connect(m_windows, &ChildWindows::coverSaved, this,
            [this](int k, const QString &id, const QString &cover) {
                // The slot may show another album by now; then the next fill of the wall shows the new cover.
                if (k < slotCount() && slot(k)->id() == id)
                    m_wallView->showCoverFile(k, cover);
            });
}

void MainWindow::connectMenus()
{
    MainMenus *menus = m_menus;
    connect(menus, &MainMenus::normalPlay, this, [this] { chooseMode(QStringLiteral("normal")); });
    connect(menus, &MainMenus::shuffleAll, this, [this] { chooseMode(QStringLiteral("shuffle")); });
    connect(menus, &MainMenus::jukebox, this, [this] { chooseMode(QStringLiteral("jukebox")); });
    connect(menus, &MainMenus::collections, this, [this] { m_collections.mnucoll(); });
    connect(menus, &MainMenus::modeMenuAboutToShow, this, &MainWindow::showMode);
    connect(menus, &MainMenus::fullScreen, m_sizer, &WindowSizer::toggleFullScreen);
    connect(m_sizer, &WindowSizer::fullScreenChanged, menus, &MainMenus::setFullScreen);
    connect(menus, &MainMenus::help, this, &MainWindow::openHelp);

    connect(menus, &MainMenus::search, this, &MainWindow::openSearch);
    connect(menus, &MainMenus::addNewAlbum, this, &MainWindow::openNewAlbum);
    connect(menus, &MainMenus::settings, this, &MainWindow::openSettings);
    connect(menus, &MainMenus::listAlbumsInBrowser, this, &MainWindow::listAlbumsInBrowser);
    connect(menus, &MainMenus::phoneRemote, this, &MainWindow::openRemote);
    connect(menus, &MainMenus::importPlaylist, this, [this] {
        if (const auto file = m_dialogs.openFile(
                tr("Playlists (*.m3u;*.m3u8)") + QStringLiteral("|*.m3u;*.m3u8|"), QDir::homePath()))
            m_collections.openPlaylist(*file);
    });

    connect(menus, &MainMenus::playShuffled, this, [this] { m_playback.mnuplsh(); });
    // After the command above, which has changed the mode.
    for (auto command : {&MainMenus::collections, &MainMenus::playShuffled})
        connect(menus, command, this, &MainWindow::showMode);
    connect(menus, &MainMenus::listSongs, m_windows, &ChildWindows::listSongs);
    connect(menus, &MainMenus::getCoverArt, m_windows, &ChildWindows::openCoverArt);
    connect(menus, &MainMenus::explore, m_windows, &ChildWindows::exploreAlbum);
    connect(menus, &MainMenus::skipInShuffle, this, [this] {
        m_playback.mnuskip();
        m_wallView->showBadges();
    });
    connect(menus, &MainMenus::playInShuffle, this, [this] {
        m_playback.mnuplay();
        m_wallView->showBadges();
    });
    connect(menus, &MainMenus::addSongs, m_windows, &ChildWindows::addSongs);
    connect(menus, &MainMenus::renameAlbum, this, [this] { m_albumCommands.rename(m_playback.overCover()); });
    connect(menus, &MainMenus::deleteAlbum, this, [this] { m_albumCommands.remove(m_playback.overCover()); });

    connect(menus, &MainMenus::moveToTop, this, [this] { m_playback.mnutop(); });
    connect(menus, &MainMenus::deleteFromPlaylist, this, [this] { m_playback.playdel(); });
    connect(menus, &MainMenus::removeThisAlbum, this, [this] { m_playback.removeSelectedTrack(); });
}

void MainWindow::connectPlayback()
{
    // Phones show what plays and how loud.
    connect(&m_player, &MediaPlayer::loaded, m_remote, &Remote::stateMayHaveChanged);
    connect(&m_player, &MediaPlayer::failed, m_remote, &Remote::stateMayHaveChanged);
    connect(&m_player, &MediaPlayer::playStateChanged, m_remote, &Remote::stateMayHaveChanged);
    connect(&m_player, &MediaPlayer::volumeChanged, m_remote, &Remote::stateMayHaveChanged);
    connect(&m_player, &MediaPlayer::playStateChanged, this,
            [this](int state) { m_playback.playStateChanged(state); });
    connect(m_rightPanel, &RightPanel::trackClicked, this, [this](int row) {
        if (m_party->permit(m_party->trackClick()))
            m_playback.selectTrack(row);
    });
    connect(m_rightPanel, &RightPanel::trackKey, this, [this](int key, Qt::KeyboardModifiers modifiers) {
        if (m_party->permit(m_party->trackKey(keyOf(key, modifiers))))
            m_playback.trackListKey(keyOf(key, modifiers));
    });
    connect(m_jukeboxArea, &JukeboxArea::queueKey, this, [this](int key, Qt::KeyboardModifiers modifiers) {
        if (m_party->permit(PartyCommand::Skip))
            m_playback.queueListKey(keyOf(key, modifiers));
    });
    connect(m_jukeboxArea, &JukeboxArea::queuePressed, this, [this](int row, Qt::MouseButton button) {
        if (row >= 0)
            m_playback.selectQueueEntry(row);
        queueChanged();
        m_playback.queueListPressed(button == Qt::LeftButton);
    });
    connect(m_jukeboxArea, &JukeboxArea::coverPressed, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton && m_party->permit(PartyCommand::Skip))
            m_playback.skipQueueCover();
    });
    connect(m_collectionsPanel, &CollectionsPanel::coverClicked, this,
            [this] { m_playback.skipCollectionCover(); });
    connect(m_collectionsPanel, &CollectionsPanel::exportWanted, this, [this] {
        const QString suggested = m_app.file(m_collections.collectionName() + QStringLiteral(".m3u8"));
        if (const auto file =
                m_dialogs.saveFile(tr("Playlists (*.m3u8)") + QStringLiteral("|*.m3u8|"), suggested))
            m_collections.exportPlaylist(*file);
    });
    connect(m_rightPanel, &RightPanel::nowPlayingPressed, this, [this](Qt::MouseButton button) {
        // Only Shuffle All skips here.
        if (button == Qt::LeftButton && (!m_playback.shuffleMode() || m_party->permit(PartyCommand::Skip)))
            m_playback.skipNowPlayingCover();
    });
    connect(m_jukeboxArea, &JukeboxArea::upNextClicked, this, [this] { m_playback.repickUpNext(); });
    connect(m_rightPanel, &RightPanel::upNextClicked, this, [this] { m_playback.repickUpNext(); });
    connect(m_party, &PartyControls::badgesChanged, this,
            [this] { m_wallView->setBadgesShown(m_party->party().isOn()); });
    connect(m_party, &PartyControls::lockChanged, m_strip, &ButtonStrip::setLocked);
    // Party mode on or off, or a new PIN: whether phones offer the host's controls.
    connect(m_party, &PartyControls::badgesChanged, m_remote, &Remote::stateMayHaveChanged);
}

Playback::Key MainWindow::keyOf(int key, Qt::KeyboardModifiers modifiers)
{
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (keypad && key == Qt::Key_Plus)
        return Playback::Key::KeypadPlus;
    if (keypad && key == Qt::Key_Minus)
        return Playback::Key::KeypadMinus;
    if (key == Qt::Key_Space)
        return Playback::Key::Space;
    return Playback::Key::Other;
}

void MainWindow::guardForParty()
{
    for (const char *name : {"collFrame", "outpic", "VScroll1"})
        m_party->guard(findChild<QWidget *>(QLatin1String(name)), PartyCommand::EditCollection);
    m_party->guard(findChild<QWidget *>(QStringLiteral("Image14")), PartyCommand::Skip);
    m_party->guard(findChild<QWidget *>(QStringLiteral("stop")), PartyCommand::Stop);
    m_party->guard(findChild<QWidget *>(QStringLiteral("playPause")), PartyCommand::Stop);
    m_party->guard(findChild<QWidget *>(QStringLiteral("position")), PartyCommand::Skip);
}

} // namespace lumetra
