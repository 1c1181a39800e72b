#include "mainmenus.h"

#include <QApplication>
#include <QMenu>

namespace lumetra {

namespace {

QMenu *namedMenu(const QString &name, const QString &title, QWidget *window, QMenu *parent = nullptr)
{
    QMenu *menu = parent ? parent->addMenu(title) : new QMenu(title, window);
    menu->setObjectName(name);
    return menu;
}

} // namespace

MainMenus::MainMenus(QWidget *window)
    : QObject(window)
    , m_mode(namedMenu(QStringLiteral("mnuMode"), tr("Mode"), window))
    , m_options(namedMenu(QStringLiteral("mnuoptions"), tr("Options"), window))
    , m_cover(namedMenu(QStringLiteral("mnurt"), QStringLiteral("rightclick"), window))
    , m_queue(namedMenu(QStringLiteral("men1"), QStringLiteral("menu1"), window))
    , m_collEdit(namedMenu(QStringLiteral("mnucolledit"), QStringLiteral("mnucolledit"), window))
{
    using C = PartyCommand;
    auto command = [this](QMenu *menu, const QString &name, const QString &caption,
                          void (MainMenus::*signal)(),
                          C guarded) { return addCommand(menu, name, caption, signal, guarded); };
    m_normalPlay = command(m_mode, QStringLiteral("mnunormal"), tr("Normal Play"), &MainMenus::normalPlay,
                           C::ChangeMode);
    m_shuffleAll = command(m_mode, QStringLiteral("mnurandom"), tr("Shuffle All"), &MainMenus::shuffleAll,
                           C::ChangeMode);
    m_jukebox =
        command(m_mode, QStringLiteral("mnuplaylist"), tr("Jukebox"), &MainMenus::jukebox, C::ChangeMode);
    m_collections =
        command(m_mode, QStringLiteral("mnucoll"), tr("Collections"), &MainMenus::collections, C::ChangeMode);
    for (QAction *mode : {m_normalPlay, m_shuffleAll, m_jukebox, m_collections})
        mode->setCheckable(true);
    connect(m_mode, &QMenu::aboutToShow, this, &MainMenus::modeMenuAboutToShow);
    m_skippedSeparator = m_mode->addSeparator();
    m_skipped = command(m_mode, QStringLiteral("mnuskipped"), tr("Albums skipped in shuffle…"),
                        &MainMenus::skippedAlbums, C::ShuffleChoice);

    // A shortcut belongs to the window too, so that it works while its menu is closed.
    auto shortcut = [window](QAction *action, const QKeySequence &keys) {
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
    };
    shortcut(command(m_options, QStringLiteral("mnufind"), tr("Search"), &MainMenus::search, C::Search),
             QKeySequence(Qt::CTRL | Qt::Key_F));
    command(m_options, QStringLiteral("mnuorg"), tr("Add New Album"), &MainMenus::addNewAlbum,
            C::AddNewAlbum);
    command(m_options, QStringLiteral("mnuopt"), tr("Settings"), &MainMenus::settings, C::Settings);
    command(m_options, QStringLiteral("mnulab"), tr("List Albums in Browser"),
            &MainMenus::listAlbumsInBrowser, C::ListAlbumsInBrowser);
    command(m_options, QStringLiteral("mnuimport"), tr("Import Playlist as Collection..."),
            &MainMenus::importPlaylist, C::Playlists);
    m_fullScreen = addCommand(m_options, QStringLiteral("mnufullscreen"), tr("Full Screen"),
                              &MainMenus::fullScreen, std::nullopt);
    m_fullScreen->setCheckable(true);
    shortcut(m_fullScreen, QKeySequence(Qt::Key_F11));
    auto *help = addCommand(nullptr, QStringLiteral("mnuhelp"), tr("Help"), &MainMenus::help, C::Help);
    shortcut(help, QKeySequence(Qt::Key_F1));
    m_options->addSeparator();
    m_partyMode = command(m_options, QStringLiteral("mnuparty"), tr("Party Mode"), nullptr, C::PartyMode);
    m_partyMode->setCheckable(true);
    // The check mark follows what was written to party.ini, which setParty() reports.
    connect(m_partyMode, &QAction::triggered, this, [this](bool on) {
        m_partyMode->setChecked(!on);
        if (!m_gate || m_gate(C::PartyMode))
            Q_EMIT partyMode(on);
    });
    m_lock = command(m_options, QStringLiteral("mnulock"), tr("Lock for guests…"), &MainMenus::lockForGuests,
                     C::PartyMode);
    // Unlocking asks for the PIN itself.
    m_unlock =
        addCommand(m_options, QStringLiteral("mnuunlock"), tr("Unlock"), &MainMenus::unlock, std::nullopt);
    command(m_options, QStringLiteral("mnuremote"), tr("Phone remote…"), &MainMenus::phoneRemote,
            C::PartyMode);

    command(m_cover, QStringLiteral("mnuplsh"), tr("Play this album shuffled"), &MainMenus::playShuffled,
            C::ChangeMode);
    command(m_cover, QStringLiteral("mnulist"), tr("List Songs"), &MainMenus::listSongs, C::ListSongs);
    command(m_cover, QStringLiteral("mnuart"), tr("Get Cover Art"), &MainMenus::getCoverArt, C::GetCoverArt);
    command(m_cover, QStringLiteral("mnuexplore"), tr("Explore"), &MainMenus::explore, C::Explore);
    QMenu *shuffle = namedMenu(QStringLiteral("mnushuff"), tr("Shuffle"), window, m_cover);
    command(shuffle, QStringLiteral("mnuskip"), tr("Skip this album when in shuffle mode"),
            &MainMenus::skipInShuffle, C::ShuffleChoice);
    command(shuffle, QStringLiteral("mnuplay"), tr("Play this album when in Shuffle mode"),
            &MainMenus::playInShuffle, C::ShuffleChoice);
    command(m_cover, QStringLiteral("mnuaddsongs"), tr("Add songs to this album"), &MainMenus::addSongs,
            C::AddSongs);
    command(m_cover, QStringLiteral("mnurename"), tr("Rename Album"), &MainMenus::renameAlbum, C::Rename);
    command(m_cover, QStringLiteral("mnumaindel"), tr("Delete Album"), &MainMenus::deleteAlbum, C::Delete);

    command(m_queue, QStringLiteral("mnutop"), tr("Move to top of list"), &MainMenus::moveToTop,
            C::EditQueue);
    command(m_queue, QStringLiteral("playdel"), tr("Delete from Playlist"), &MainMenus::deleteFromPlaylist,
            C::EditQueue);

    command(m_collEdit, QStringLiteral("mnurtr"), tr("Remove This Album"), &MainMenus::removeThisAlbum,
            C::EditCollection);
}

QAction *MainMenus::addCommand(QMenu *menu, const QString &name, const QString &caption,
                               void (MainMenus::*signal)(), std::optional<PartyCommand> command)
{
    auto *action = menu ? menu->addAction(caption) : new QAction(caption, this);
    action->setObjectName(name);
    if (signal) {
        connect(action, &QAction::triggered, this, [this, signal, command] {
            if (!command || !m_gate || m_gate(*command))
                Q_EMIT(this->*signal)();
        });
    }
    return action;
}

void MainMenus::setParty(bool on, bool locked)
{
    m_partyMode->setChecked(on);
    m_lock->setVisible(!locked);
    m_unlock->setVisible(locked);
    // Without party mode the Mode menu is as it always was.
    m_skippedSeparator->setVisible(on);
    m_skipped->setVisible(on);
}

void MainMenus::setMode(Mode mode)
{
    m_normalPlay->setChecked(mode == Mode::NormalPlay);
    m_shuffleAll->setChecked(mode == Mode::ShuffleAll);
    m_jukebox->setChecked(mode == Mode::Jukebox);
    m_collections->setChecked(mode == Mode::Collections);
}

void MainMenus::setFullScreen(bool on)
{
    m_fullScreen->setChecked(on);
}

void MainMenus::popup(QMenu *menu, const QPoint &globalPos)
{
    // One pop-up menu at a time: the one that is up closes before another opens.
    while (QWidget *open = QApplication::activePopupWidget()) {
        if (open == menu || !open->close())
            break;
    }
    menu->popup(globalPos);
}

void MainMenus::popupMode(const QPoint &globalPos)
{
    popup(m_mode, globalPos);
}

void MainMenus::popupOptions(const QPoint &globalPos)
{
    popup(m_options, globalPos);
}

void MainMenus::popupCover(const QPoint &globalPos)
{
    popup(m_cover, globalPos);
}

void MainMenus::popupQueue(const QPoint &globalPos)
{
    popup(m_queue, globalPos);
}

void MainMenus::popupCollEdit(const QPoint &globalPos)
{
    popup(m_collEdit, globalPos);
}

} // namespace lumetra
