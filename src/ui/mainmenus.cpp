#include "mainmenus.h"

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
    auto command = [this](QMenu *menu, const QString &name, const QString &caption,
                          void (MainMenus::*signal)()) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, signal);
        return action;
    };
    m_normalPlay = command(m_mode, QStringLiteral("mnunormal"), tr("Normal Play"), &MainMenus::normalPlay);
    m_shuffleAll = command(m_mode, QStringLiteral("mnurandom"), tr("Shuffle All"), &MainMenus::shuffleAll);
    m_jukebox = command(m_mode, QStringLiteral("mnuplaylist"), tr("Jukebox"), &MainMenus::jukebox);
    m_collections = command(m_mode, QStringLiteral("mnucoll"), tr("Collections"), &MainMenus::collections);
    for (QAction *mode : {m_normalPlay, m_shuffleAll, m_jukebox, m_collections})
        mode->setCheckable(true);
    connect(m_mode, &QMenu::aboutToShow, this, &MainMenus::modeMenuAboutToShow);

    // A shortcut belongs to the window too, so that it works while its menu is closed.
    auto shortcut = [window](QAction *action, const QKeySequence &keys) {
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
    };
    shortcut(command(m_options, QStringLiteral("mnufind"), tr("Search"), &MainMenus::search),
             QKeySequence(Qt::CTRL | Qt::Key_F));
    command(m_options, QStringLiteral("mnuorg"), tr("Add New Album"), &MainMenus::addNewAlbum);
    command(m_options, QStringLiteral("mnuopt"), tr("Settings"), &MainMenus::settings);
    command(m_options, QStringLiteral("mnulab"), tr("List Albums in Browser"),
            &MainMenus::listAlbumsInBrowser);
    command(m_options, QStringLiteral("mnuimport"), tr("Import Playlist as Collection..."),
            &MainMenus::importPlaylist);
    m_fullScreen =
        command(m_options, QStringLiteral("mnufullscreen"), tr("Full Screen"), &MainMenus::fullScreen);
    m_fullScreen->setCheckable(true);
    shortcut(m_fullScreen, QKeySequence(Qt::Key_F11));
    auto *help = new QAction(tr("Help"), this);
    help->setObjectName(QStringLiteral("mnuhelp"));
    connect(help, &QAction::triggered, this, &MainMenus::help);
    shortcut(help, QKeySequence(Qt::Key_F1));

    command(m_cover, QStringLiteral("mnuplsh"), tr("Play this album shuffled"), &MainMenus::playShuffled);
    command(m_cover, QStringLiteral("mnulist"), tr("List Songs"), &MainMenus::listSongs);
    command(m_cover, QStringLiteral("mnuart"), tr("Get Cover Art"), &MainMenus::getCoverArt);
    command(m_cover, QStringLiteral("mnuexplore"), tr("Explore"), &MainMenus::explore);
    QMenu *shuffle = namedMenu(QStringLiteral("mnushuff"), tr("Shuffle"), window, m_cover);
    command(shuffle, QStringLiteral("mnuskip"), tr("Skip this album when in shuffle mode"),
            &MainMenus::skipInShuffle);
    command(shuffle, QStringLiteral("mnuplay"), tr("Play this album when in Shuffle mode"),
            &MainMenus::playInShuffle);
    command(m_cover, QStringLiteral("mnuaddsongs"), tr("Add songs to this album"), &MainMenus::addSongs);
    command(m_cover, QStringLiteral("mnurename"), tr("Rename Album"), &MainMenus::renameAlbum);
    command(m_cover, QStringLiteral("mnumaindel"), tr("Delete Album"), &MainMenus::deleteAlbum);

    command(m_queue, QStringLiteral("mnutop"), tr("Move to top of list"), &MainMenus::moveToTop);
    command(m_queue, QStringLiteral("playdel"), tr("Delete from Playlist"), &MainMenus::deleteFromPlaylist);

    command(m_collEdit, QStringLiteral("mnurtr"), tr("Remove This Album"), &MainMenus::removeThisAlbum);
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

void MainMenus::popupMode(const QPoint &globalPos)
{
    m_mode->popup(globalPos);
}

void MainMenus::popupOptions(const QPoint &globalPos)
{
    m_options->popup(globalPos);
}

void MainMenus::popupCover(const QPoint &globalPos)
{
    m_cover->popup(globalPos);
}

void MainMenus::popupQueue(const QPoint &globalPos)
{
    m_queue->popup(globalPos);
}

void MainMenus::popupCollEdit(const QPoint &globalPos)
{
    m_collEdit->popup(globalPos);
}

} // namespace lumetra
