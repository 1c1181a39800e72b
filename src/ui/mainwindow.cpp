#include "mainwindow.h"

#include "addtrackswindow.h"
#include "collectionspanel.h"
#include "copyprogress.h"
#include "core/coverloader.h"
#include "core/dialogs.h"
#include "core/prompter.h"
#include "core/shell.h"
#include "core/vbcolor.h"
#include "coverartwindow.h"
#include "coverslot.h"
#include "export/inventory.h"
#include "helpwindow.h"
#include "letterbar.h"
#include "listbox.h"
#include "newalbumwindow.h"
#include "picturebutton.h"
#include "playback/mediaplayer.h"
#include "playerbar.h"
#include "pointerwidgets.h"
#include "searchwindow.h"
#include "settingswindow.h"
#include "wall/slotlayout.h"
#include "wall/twips.h"
#include "widgethelpers.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QMenu>
#include <QScreen>
#include <QtConcurrent/QtConcurrentMap>

namespace lumetra {

Q_LOGGING_CATEGORY(lcMainWindow, "lumetra.mainwindow", QtInfoMsg)

namespace {

// Window design, in twips.
constexpr int kWallWidthMargin = 5000;
constexpr int kWallHeightMargin = 2100;
constexpr int kStripGap = 100;
constexpr int kStripHeight = 900;
constexpr int kRightPanelGap = 400;
constexpr int kRightPanelMargin = 200;
constexpr int kRightPanelHeightMargin = 1050;
constexpr int kTrackListHeightMargin = 5500;
constexpr int kNowPlayingCover = 3000;
constexpr int kTrackListTop = 4395;
constexpr int kTrackListWidth = 4080;
constexpr int kHoverStripHeight = 300;
constexpr int kLetterBarWidth = 10680;
constexpr int kLetterBarHeight = 480;
constexpr int kJukeboxWallShortening = 2600;
constexpr int kQueueGap = 100;
constexpr int kQueueCoverWidth = 2220;

const QString kEmptyCatalogueMessage = QStringLiteral(
    "Lumetra doesn't yet contain any albums - click on Options > Add New Album to start building your "
    "collection, or use the options screen where Lumetra can scan your hard disk for you..   Once done, you "
    "MUST restart Lumetra before these first albums are added to teh collection.");
const QString kLetterTip = QStringLiteral("Hover mouse at top of screen to jump to a letter..");

} // namespace

MainWindow::MainWindow(const AppFolder &app, Seams seams, QRect screen, QWidget *parent)
    : QWidget(parent)
    , m_app(app)
    , m_player(seams.player)
    , m_prompter(seams.prompter)
    , m_dialogs(seams.dialogs)
    , m_shell(seams.shell)
    , m_browser(std::move(seams.browser))
    , m_songs(m_catalogue, QStringLiteral("songs"))
    , m_opts(m_catalogue, QStringLiteral("opts"))
    , m_wall(m_songs, m_albums, m_app)
    , m_playback(m_songs, m_wall, m_albums, m_app, seams.player, seams.prompter, seams.random, *this)
    , m_collections(m_playback, m_songs, m_app, seams.player, seams.prompter, seams.random, *this)
    , m_albumCommands(m_songs, m_wall, m_albums, seams.prompter,
                      {[this] { populate(); }, [this] { unloader(); },
                       [this](int slot, const QString &title) {
                           m_wall.setSlotTitle(slot, title);
                           if (slot < slotCount())
                               m_slots[slot]->setTitle(title);
                       }})
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Lumetra Jukebox"));
    setAccessibleName(QStringLiteral("Lumetra Jukebox"));
    QScreen *display = QGuiApplication::primaryScreen();
    m_screen = screen.isEmpty() && display ? display->availableGeometry() : screen;
    if (display)
        m_dpi = display->logicalDotsPerInchX();
    setGeometry(m_screen);

    const int screenW = pixelsToTwips(m_screen.width(), m_dpi);
    const int screenH = pixelsToTwips(m_screen.height(), m_dpi);
    m_wallTwips = QSize(screenW - kWallWidthMargin, screenH - kWallHeightMargin);

    buildWall();
    buildStrip();
    buildRightPanel();
    buildJukeboxArea();
    buildMenus();
    placeWall();
    m_collectionsPanel =
        new CollectionsPanel(m_rightPanel, m_collections, m_app, [this](int twips) { return px(twips); });
    applyLook();
    connectPlayback();
    m_nowPlayingCover->setPixmap(
        QPixmap::fromImage(loadCover(m_app.defaultPicture(), m_nowPlayingCover->size())));
}

MainWindow::~MainWindow() = default;

int MainWindow::px(int twips) const
{
    return twipsToPixels(twips, m_dpi);
}

QRect MainWindow::pxRect(const QRect &t) const
{
    return QRect(px(t.x()), px(t.y()), px(t.width()), px(t.height()));
}

void MainWindow::buildWall()
{
    m_albumFrame = new PointerFrame(this);
    m_albumFrame->setObjectName(QStringLiteral("albumframe"));
    m_albumFrame->setAccessibleName(QStringLiteral("Album wall"));
    m_albumFrame->setAutoFillBackground(true);
    connect(m_albumFrame, &PointerFrame::pointed, this, &MainWindow::resetButtons);

    m_background = new PointerLabel(m_albumFrame);
    m_background->setObjectName(QStringLiteral("Image13"));
    m_background->setAccessibleName(QStringLiteral("Wall background"));
    m_background->setScaledContents(true);
    connect(m_background, &PointerLabel::pointed, this, &MainWindow::backgroundPointed);
    connect(m_background, &PointerLabel::pressed, this, [this](Qt::MouseButton button, const QPoint &pos) {
        if (button == Qt::RightButton)
            popup(m_optionsMenu, pos);
    });

    m_hoverStrip = new PointerLabel(m_albumFrame);
    m_hoverStrip->setObjectName(QStringLiteral("Label6"));
    m_hoverStrip->setAccessibleName(QStringLiteral("Show letter bar"));
    connect(m_hoverStrip, &PointerLabel::pointed, this, &MainWindow::showLetterBar);

    m_letterBar = new LetterBar(m_albumFrame);
    m_letterBar->hide();
    for (int j = 0; j < LetterBar::kLetters; ++j) {
        const QRect rect = j == 0 ? QRect(60, 45, 390, 390) : QRect(500 + 400 * (j - 1), 45, 450, 390);
        m_letterBar->letter(j)->setGeometry(pxRect(rect));
    }
    connect(m_letterBar, &LetterBar::letterClicked, this, &MainWindow::jumpToLetter);
}

void MainWindow::buildStrip()
{
    m_strip = new PointerFrame(this);
    m_strip->setObjectName(QStringLiteral("Frame1"));
    m_strip->setAccessibleName(QStringLiteral("Button strip"));
    m_strip->setAutoFillBackground(true);
    connect(m_strip, &PointerFrame::pointed, this, &MainWindow::resetButtons);

    auto make = [this](const QString &name, const QString &picture, const QString &accessible) {
        auto *button = new PictureButton(m_app.ownFile(picture + QStringLiteral(".png")),
                                         m_app.ownFile(picture + QStringLiteral("-hi.png")), m_strip);
        button->setObjectName(name);
        button->setAccessibleName(accessible);
        connect(button, &PictureButton::pointed, this, [this, button] { highlightButton(button); });
        return button;
    };
    m_next = make(QStringLiteral("Image4"), QStringLiteral("next"), QStringLiteral("Next page"));
    m_previous = make(QStringLiteral("Image6"), QStringLiteral("prev"), QStringLiteral("Previous page"));
    m_mode = make(QStringLiteral("Image8"), QStringLiteral("mode"), QStringLiteral("Mode"));
    m_options = make(QStringLiteral("Image10"), QStringLiteral("options"), QStringLiteral("Options"));
    m_help = make(QStringLiteral("Image12"), QStringLiteral("help"), QStringLiteral("Help"));
    m_next->setToolTip(kLetterTip);
    m_previous->setToolTip(kLetterTip);
    m_help->setToolTip(QStringLiteral("Help"));
    connect(m_help, &PictureButton::clicked, this, &MainWindow::openHelp);

    connect(m_next, &PictureButton::clicked, this, &MainWindow::nextPage);
    connect(m_previous, &PictureButton::clicked, this, &MainWindow::previousPage);
    connect(m_mode, &PictureButton::clicked, this,
            [this] { popup(m_modeMenu, m_mode->mapToGlobal(QPoint(0, m_mode->height()))); });
    connect(m_options, &PictureButton::clicked, this,
            [this] { popup(m_optionsMenu, m_options->mapToGlobal(QPoint(0, m_options->height()))); });
}

void MainWindow::buildRightPanel()
{
    m_rightPanel = new QWidget(this);
    m_rightPanel->setObjectName(QStringLiteral("RtFrame"));
    m_rightPanel->setAccessibleName(QStringLiteral("Now playing"));
    m_rightPanel->setAutoFillBackground(true);

    m_nowPlayingCover = new PointerLabel(m_rightPanel);
    m_nowPlayingCover->setObjectName(QStringLiteral("Image2"));
    m_nowPlayingCover->setAccessibleName(QStringLiteral("Now playing cover"));
    m_nowPlayingCover->setToolTip(QStringLiteral("Click here to skip current track"));
    m_nowPlayingCover->setScaledContents(true);

    m_trackList = new ListBox(m_rightPanel);
    m_trackList->setObjectName(QStringLiteral("List1"));
    m_trackList->setAccessibleName(QStringLiteral("Track list"));

    m_playerBar = new PlayerBar(m_player, m_rightPanel);
}

void MainWindow::buildJukeboxArea()
{
    m_queueList = new ListBox(this);
    m_queueList->setObjectName(QStringLiteral("List2"));
    m_queueList->setAccessibleName(QStringLiteral("Jukebox queue"));
    m_queueList->setToolTip(QStringLiteral("Jukebox playlist area"));
    m_queueList->setAutoFillBackground(true);
    m_queueList->hide();

    m_queueCover = new PointerLabel(this);
    m_queueCover->setObjectName(QStringLiteral("Image15"));
    m_queueCover->setAccessibleName(QStringLiteral("Queue cover: skip the current track"));
    m_queueCover->setToolTip(QStringLiteral("Click here to skip the current track"));
    m_queueCover->setScaledContents(true);
    m_queueCover->setCursor(Qt::PointingHandCursor);
    m_queueCover->hide();
}

void MainWindow::buildMenus()
{
    auto menu = [this](const QString &name, const QString &title, QMenu *parent = nullptr) {
        auto *m = parent ? parent->addMenu(title) : new QMenu(title, this);
        m->setObjectName(name);
        return m;
    };
    m_modeMenu = menu(QStringLiteral("mnuMode"), QStringLiteral("Mode"));
    auto command = [this](QMenu *m, const QString &name, const QString &caption, auto handler) {
        QAction *action = m->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    command(m_modeMenu, QStringLiteral("mnunormal"), QStringLiteral("Normal Play"),
            [this] { m_playback.mnunormal(); });
    command(m_modeMenu, QStringLiteral("mnurandom"), QStringLiteral("Shuffle All"),
            [this] { m_playback.mnurandom(); });
    command(m_modeMenu, QStringLiteral("mnuplaylist"), QStringLiteral("Jukebox"), [this] {
        m_playback.setAlbumShuffle(false);
        m_playback.jukeboxmode();
    });
    command(m_modeMenu, QStringLiteral("mnucoll"), QStringLiteral("Collections"),
            [this] { m_collections.mnucoll(); });

    m_optionsMenu = menu(QStringLiteral("mnuoptions"), QStringLiteral("Options"));
    command(m_optionsMenu, QStringLiteral("mnufind"), QStringLiteral("Search"), [this] { openSearch(); });
    command(m_optionsMenu, QStringLiteral("mnuorg"), QStringLiteral("Add New Album"),
            [this] { openNewAlbum(); });
    command(m_optionsMenu, QStringLiteral("mnuopt"), QStringLiteral("Settings"), [this] { openSettings(); });
    command(m_optionsMenu, QStringLiteral("mnulab"), QStringLiteral("List Albums in Browser"),
            [this] { listAlbumsInBrowser(); });

    m_coverMenu = menu(QStringLiteral("mnurt"), QStringLiteral("rightclick"));
    command(m_coverMenu, QStringLiteral("mnuplsh"), QStringLiteral("Play this album shuffled"),
            [this] { m_playback.mnuplsh(); });
    command(m_coverMenu, QStringLiteral("mnulist"), QStringLiteral("List Songs"), [this] { listSongs(); });
    command(m_coverMenu, QStringLiteral("mnuart"), QStringLiteral("Get Cover Art"),
            [this] { openCoverArt(); });
    command(m_coverMenu, QStringLiteral("mnuexplore"), QStringLiteral("Explore"), [this] { exploreAlbum(); });
    QMenu *shuffle = menu(QStringLiteral("mnushuff"), QStringLiteral("Shuffle"), m_coverMenu);
    command(shuffle, QStringLiteral("mnuskip"), QStringLiteral("Skip this album when in shuffle mode"),
            [this] { m_playback.mnuskip(); });
    command(shuffle, QStringLiteral("mnuplay"), QStringLiteral("Play this album when in Shuffle mode"),
            [this] { m_playback.mnuplay(); });
    command(m_coverMenu, QStringLiteral("mnuaddsongs"), QStringLiteral("Add songs to this album"),
            [this] { addSongs(); });
    command(m_coverMenu, QStringLiteral("mnurename"), QStringLiteral("Rename Album"),
            [this] { m_albumCommands.rename(m_playback.overCover()); });
    command(m_coverMenu, QStringLiteral("mnumaindel"), QStringLiteral("Delete Album"),
            [this] { m_albumCommands.remove(m_playback.overCover()); });

    m_queueMenu = menu(QStringLiteral("men1"), QStringLiteral("menu1"));
    command(m_queueMenu, QStringLiteral("mnutop"), QStringLiteral("Move to top of list"),
            [this] { m_playback.mnutop(); });
    command(m_queueMenu, QStringLiteral("playdel"), QStringLiteral("Delete from Playlist"),
            [this] { m_playback.playdel(); });

    m_collEditMenu = menu(QStringLiteral("mnucolledit"), QStringLiteral("mnucolledit"));
    command(m_collEditMenu, QStringLiteral("mnurtr"), QStringLiteral("Remove This Album"),
            [this] { m_playback.removeSelectedTrack(); });
}

void MainWindow::placeWall()
{
    // The strip and the panels stay where the full-height wall puts them; Jukebox only shortens the wall.
    const int wallW = m_wallTwips.width();
    const int fullH = m_wallTwips.height() + m_wallShortening;
    const int wallH = m_wallTwips.height();
    const int screenW = pixelsToTwips(m_screen.width(), m_dpi);
    const int screenH = pixelsToTwips(m_screen.height(), m_dpi);

    m_albumFrame->setGeometry(pxRect(QRect(0, 0, wallW, wallH)));
    m_background->setGeometry(m_albumFrame->rect());
    m_hoverStrip->setGeometry(pxRect(QRect(0, 0, wallW, kHoverStripHeight)));
    m_letterBar->setGeometry(
        pxRect(QRect(wallW / 2 - kLetterBarWidth / 2, 0, kLetterBarWidth, kLetterBarHeight)));

    const QRect queue(0, wallH + kQueueGap, wallW - kQueueCoverWidth, kJukeboxWallShortening - 2 * kQueueGap);
    m_queueList->setGeometry(pxRect(queue));
    const int queueCover = std::min(queue.height(), kQueueCoverWidth - 2 * kQueueGap);
    m_queueCover->setGeometry(
        pxRect(QRect(queue.right() + 1 + kQueueGap, queue.top(), queueCover, queueCover)));

    m_strip->setGeometry(pxRect(QRect(0, fullH + kStripGap, wallW, kStripHeight)));
    m_next->setGeometry(pxRect(QRect(wallW - 1300, 240, 1125, 450)));
    m_previous->setGeometry(pxRect(QRect(wallW - 2600, 240, 1125, 450)));
    m_mode->setGeometry(pxRect(QRect(120, 240, 2250, 450)));
    m_options->setGeometry(pxRect(QRect(2520, 240, 2250, 450)));
    m_help->setGeometry(pxRect(QRect(4920, 240, 450, 450)));

    // The right-hand panel: the player's controls, the now-playing cover (where Collections mode puts its
    // frame) and the track list below.
    const int panelLeft = wallW + kRightPanelGap;
    const int panelW = screenW - panelLeft - kRightPanelMargin;
    m_rightPanel->setGeometry(pxRect(QRect(panelLeft, 0, panelW, screenH - kRightPanelHeightMargin)));
    const int innerW = std::min(panelW - 60, kTrackListWidth);
    m_playerBar->setGeometry(pxRect(QRect(30, 150, innerW, 750)));
    const int coverSide = std::min(innerW, kNowPlayingCover);
    m_nowPlayingCover->setGeometry(pxRect(QRect(30 + (innerW - coverSide) / 2, 1200, coverSide, coverSide)));
    m_trackList->setGeometry(pxRect(QRect(30, kTrackListTop, innerW, screenH - kTrackListHeightMargin)));
}

void MainWindow::applyLook()
{
    const QColor back = colorFromStored(m_settings.backColor);
    const QColor text = colorFromStored(m_settings.textColor);
    for (QWidget *panel :
         {static_cast<QWidget *>(m_albumFrame), static_cast<QWidget *>(m_strip), m_rightPanel,
          static_cast<QWidget *>(m_trackList), static_cast<QWidget *>(m_queueList)}) {
        QPalette p = panel->palette();
        p.setColor(QPalette::Window, back);
        p.setColor(QPalette::Base, back);
        p.setColor(QPalette::Text, text);
        p.setColor(QPalette::WindowText, text);
        panel->setPalette(p);
    }
    m_playerBar->setTextColor(text);
    if (m_collectionsPanel)
        m_collectionsPanel->setTextColor(text);
    QPalette own = palette();
    own.setColor(QPalette::Window, back.darker(125));
    setPalette(own);
    setAutoFillBackground(true);

    QFont font(m_settings.fontName);
    font.setPointSizeF(m_settings.fontSize);
    font.setBold(m_settings.fontBold);
    const QString titleCss = QStringLiteral("color: %1;").arg(cssColor(text));
    const QString coverCss = QStringLiteral("QLabel { color: %1; }").arg(cssColor(text.darker(160)));
    for (const auto &slot : m_slots) {
        slot->titleLabel()->setFont(font);
        slot->titleLabel()->setStyleSheet(titleCss);
        slot->cover()->setStyleSheet(coverCss);
    }

    const QImage picture = m_settings.backgroundPicture.isEmpty()
                               ? QImage()
                               : loadCover(m_settings.backgroundPicture, m_albumFrame->size());
    m_background->setPixmap(QPixmap::fromImage(picture));
}

void MainWindow::load()
{
    const QString path = m_app.file(QStringLiteral("tracks.lum"));
    if (!m_catalogue.open(path)) {
        m_prompter.message(
            QStringLiteral(
                "The album catalogue could not be opened, so Lumetra starts with an empty wall.\n\n"
                "%1\n\nThe file has been left exactly as it was.")
                .arg(m_catalogue.errorString()));
    }
    m_songs.refresh();
    m_opts.refresh();
    m_state = StateRecord::read(m_opts);
    m_playback.setStartMode(m_state.formcolor);
    populate();
    thumb();
    display();
    qCInfo(lcMainWindow).noquote() << windowTitle();
}

void MainWindow::populate()
{
    m_albums.populate(m_songs);
}

void MainWindow::clearSlots()
{
    m_slots.clear();
    m_wall.setSlotCount(0);
    m_playback.setOverCover(0);
}

void MainWindow::thumb()
{
    SettingsFile::readInto(m_settings, m_app.file(QStringLiteral("jb.ini")));
    m_wall.setNoWrap(m_settings.noWrap);
    m_player.setVolume(m_state.volume());

    if (m_albums.isEmpty()) {
        clearSlots();
        applyLook();
        // An unusable catalogue has already been explained; "no albums yet" would mislead.
        if (m_catalogue.isOpen())
            m_prompter.message(kEmptyCatalogueMessage);
        return;
    }

    const auto layout = layoutSlots(m_wallTwips.width(), m_wallTwips.height(), m_settings.coverSize,
                                    m_settings.coverGap, m_albums.size());
    const int count = static_cast<int>(layout.size());
    m_slots.resize(std::min<size_t>(m_slots.size(), count));
    while (static_cast<int>(m_slots.size()) < count) {
        const int k = static_cast<int>(m_slots.size());
        auto slot = std::make_unique<CoverSlot>(k, m_albumFrame);
        connect(slot->cover(), &PointerLabel::pointed, this, [this, k] { coverPointed(k); });
        connect(slot->cover(), &PointerLabel::pressed, this, [this, k](Qt::MouseButton button) {
            if (button == Qt::LeftButton || button == Qt::RightButton)
                m_playback.coverPressed(k, button == Qt::LeftButton);
        });
        slot->cover()->setAcceptDrops(true);
        connect(slot->cover(), &PointerLabel::filesDropped, this, [this, k](const QStringList &paths) {
            CopyProgress progress(this);
            m_albumCommands.dropOnCover(k, paths, progress.callback());
        });
        PointerLabel *title = slot->titleLabel();
        connect(title, &PointerLabel::pointed, title, [title] { title->setToolTip(title->text()); });
        m_slots.push_back(std::move(slot));
    }
    setSlotsEnabled(m_slotsEnabled);
    for (int k = 0; k < count; ++k) {
        m_slots[k]->place(pxRect(layout[k].cover), pxRect(layout[k].shadow), pxRect(layout[k].title));
        m_slots[k]->setVisible(true);
        m_slots[k]->raise();
    }
    m_hoverStrip->raise();
    m_letterBar->raise();
    m_wall.setSlotCount(count);
    if (m_playback.overCover() >= count)
        m_playback.setOverCover(0);
    m_playback.setAutoplay(m_settings.autoplay);
    applyLook();
}

void MainWindow::display()
{
    m_wall.display();
    showPage();
    m_playback.resumeStartMode();
}

void MainWindow::showPage()
{
    const QSize coverSize(px(m_settings.coverSize), px(m_settings.coverSize));
    const auto &page = m_wall.page();
    // Decoding dominates filling a page; the covers are independent, so every core takes a share.
    const QList<QImage> pictures = QtConcurrent::blockingMapped(
        QList<SlotContent>(page.begin(), page.end()),
        [coverSize](const SlotContent &slot) { return loadCover(slot.picture, coverSize); });
    QImage noCover;
    for (size_t k = 0; k < page.size() && k < m_slots.size(); ++k) {
        QImage picture = pictures[static_cast<qsizetype>(k)];
        // A cover that cannot be read must not leave the previous album's picture in the slot.
        if (picture.isNull()) {
            if (noCover.isNull())
                noCover = loadCover(m_app.noCoverPicture(), coverSize);
            picture = noCover;
        }
        m_slots[k]->show(picture, page[k].title, page[k].id);
    }
    setWindowTitle(m_wall.windowTitle());
    qCDebug(lcMainWindow).noquote() << "page starts with" << (page.empty() ? QString() : page.front().title);
}

void MainWindow::unloader()
{
    if (m_slots.empty())
        return;
    m_slots.resize(1);
    m_slots.front()->setVisible(false);
    m_wall.setFirstAlbum(0);
    thumb();
    if (!m_albums.isEmpty())
        display();
}

void MainWindow::openSettings()
{
    if (m_settingsWindow) {
        m_settingsWindow->raise();
        m_settingsWindow->activateWindow();
        return;
    }
    m_settingsWindow = new SettingsWindow(m_app, m_catalogue, m_songs, m_prompter, m_dialogs, this);
    connect(m_settingsWindow, &SettingsWindow::saved, this, &MainWindow::rebuildWall);
    connect(m_settingsWindow, &SettingsWindow::catalogueReplaced, this, &MainWindow::rebuildWall);
    connect(m_settingsWindow, &SettingsWindow::scanFinished, this, [this] {
        if (m_closeAfterScan)
            close();
    });
    m_settingsWindow->show();
}

void MainWindow::openNewAlbum()
{
    m_playback.mnunormal();
    if (m_newAlbumWindow) {
        m_newAlbumWindow->raise();
        m_newAlbumWindow->activateWindow();
        return;
    }
    m_newAlbumWindow = new NewAlbumWindow(
        m_songs, m_app, m_prompter, m_dialogs, m_shell, [this] { return m_albums.size(); }, this);
    connect(m_newAlbumWindow, &NewAlbumWindow::created, this, &MainWindow::rebuildWall);
    connect(m_newAlbumWindow, &NewAlbumWindow::closed, this, &MainWindow::restoreWindow);
    connect(m_newAlbumWindow, &NewAlbumWindow::settingsWanted, this, &MainWindow::openSettings,
            Qt::QueuedConnection);
    m_newAlbumWindow->show();
}

NewAlbumWindow *MainWindow::newAlbumWindow() const
{
    return m_newAlbumWindow;
}

void MainWindow::listSongs()
{
    const int slot = m_playback.overCover();
    if (m_trackListingWindow)
        m_trackListingWindow->close();
    const QStringList tracks = m_albumCommands.trackNames(slot);
    const QString title = slot < slotCount() ? m_slots[slot]->title() : QString();
    m_trackListingWindow = new TrackListingWindow(title, tracks, this);
    m_trackListingWindow->show();
}

TrackListingWindow *MainWindow::trackListingWindow() const
{
    return m_trackListingWindow;
}

void MainWindow::exploreAlbum()
{
    if (const auto album = m_albumCommands.album(m_playback.overCover())) {
        if (!m_shell.open(album->path))
            m_prompter.message(QStringLiteral("The folder %1 could not be opened.").arg(album->path));
    }
}

void MainWindow::addSongs()
{
    const auto album = m_albumCommands.album(m_playback.overCover());
    if (!album)
        return;
    if (!m_addTracksWindow) {
        m_addTracksWindow =
            new AddTracksWindow(m_albumCommands, m_app.ownFile(QStringLiteral("vista.jpg")), this);
        connect(m_addTracksWindow, &AddTracksWindow::copied, this, [this] {
            restoreWindow();
            m_playback.rereadAlbumFiles();
        });
    }
    m_addTracksWindow->setTarget(album->path);
    m_addTracksWindow->show();
    m_addTracksWindow->raise();
    m_addTracksWindow->activateWindow();
}

AddTracksWindow *MainWindow::addTracksWindow() const
{
    return m_addTracksWindow;
}

void MainWindow::openSearch()
{
    if (m_searchWindow) {
        m_searchWindow->raise();
        m_searchWindow->activateWindow();
        return;
    }
    const SearchWindow::Look look{colorFromStored(m_settings.backColor),
                                  colorFromStored(m_settings.textColor), m_settings.backgroundPicture};
    m_searchWindow = new SearchWindow(
        m_app.file(QStringLiteral("tracks.lum")), m_prompter,
        [this](const QString &title) { return jumpToAlbum(title); }, look, this);
    m_searchWindow->show();
}

SearchWindow *MainWindow::searchWindow() const
{
    return m_searchWindow;
}

bool MainWindow::jumpToAlbum(const QString &title)
{
    const int k = static_cast<int>(m_albums.titles().indexOf(title));
    if (k < 0)
        return false;
    m_wall.setFirstAlbum(k);
    display();
    return true;
}

void MainWindow::listAlbumsInBrowser()
{
    if (m_albums.isEmpty())
        return;
    const QString page = m_app.file(QStringLiteral("albums.htm"));
    QString error;
    if (!Inventory::write(page, m_albums.titles(), m_app.ownFile(QStringLiteral("lumetra2.jpg")), &error)) {
        m_prompter.message(QStringLiteral("The album list could not be written: %1").arg(error));
        return;
    }
    m_shell.open(page);
}

void MainWindow::openHelp()
{
    if (!m_browser)
        return;
    if (!m_helpWindow)
        m_helpWindow = new HelpWindow(m_app, m_browser, this);
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}

void MainWindow::openCoverArt()
{
    const int slot = m_playback.overCover();
    const auto album = m_albumCommands.album(slot);
    if (!album || !m_browser)
        return;
    if (m_coverArtWindow)
        m_coverArtWindow->close();
    const CoverArtWindow::Album chosen{m_wall.page()[slot].id, album->title, album->path, slot};
    m_coverArtWindow = new CoverArtWindow(chosen, m_songs, m_app, m_prompter, m_dialogs, m_browser, this);
    connect(m_coverArtWindow, &CoverArtWindow::saved, this,
            [this](int k, const QString &id, const QString &cover) {
                // The slot may show another album by now; then the next fill of the wall shows the new cover.
                if (k < slotCount() && m_slots[k]->id() == id) {
                    const QSize size(px(m_settings.coverSize), px(m_settings.coverSize));
                    m_slots[k]->show(loadCover(cover, size), m_slots[k]->title(), id);
                }
            });
    m_coverArtWindow->show();
}

CoverArtWindow *MainWindow::coverArtWindow() const
{
    return m_coverArtWindow;
}

HelpWindow *MainWindow::helpWindow() const
{
    return m_helpWindow;
}

void MainWindow::restoreWindow()
{
    if (isMinimized())
        showNormal();
    raise();
}

SettingsWindow *MainWindow::settingsWindow() const
{
    return m_settingsWindow;
}

void MainWindow::rebuildWall()
{
    populate();
    if (!m_slots.empty()) {
        unloader();
    } else if (m_albums.isEmpty()) {
        // Nothing to lay out yet; the new look still applies at once.
        SettingsFile::readInto(m_settings, m_app.file(QStringLiteral("jb.ini")));
        applyLook();
    } else {
        // The first albums of a new catalogue show without a restart.
        thumb();
        display();
    }
}

void MainWindow::nextPage()
{
    if (m_wall.nextPage())
        showPage();
}

void MainWindow::previousPage()
{
    m_wall.previousPage();
    showPage();
}

void MainWindow::jumpToLetter(int j)
{
    if (m_wall.jumpToLetter(m_letterBar->caption(j)))
        showPage();
    else
        m_letterBar->letter(j)->setToolTip(QStringLiteral("No albums found"));
}

void MainWindow::coverPointed(int k)
{
    hideLetterBar();
    if (!m_settings.bounceCovers)
        return;
    m_slots[k]->setBounced(true);
    m_playback.setOverCover(k);
}

void MainWindow::backgroundPointed()
{
    const int over = m_playback.overCover();
    if (over >= 0 && over < slotCount())
        m_slots[over]->setBounced(false);
    resetButtons();
    hideLetterBar();
}

void MainWindow::showLetterBar()
{
    if (m_letterBar->isVisible())
        return;
    m_letterBar->move(px(m_wallTwips.width() / 2 - kLetterBarWidth / 2), 0);
    m_letterBar->setColors(colorFromStored(m_settings.textColor), colorFromStored(m_settings.backColor));
    m_letterBar->show();
    m_letterBar->raise();
}

void MainWindow::hideLetterBar()
{
    m_letterBar->hide();
}

void MainWindow::highlightButton(PictureButton *button)
{
    button->setHighlighted(true);
    if (button == m_mode)
        m_options->setHighlighted(false);
    else if (button == m_options)
        m_mode->setHighlighted(false);
}

void MainWindow::resetButtons()
{
    for (PictureButton *button : {m_next, m_previous, m_mode, m_options, m_help})
        button->setHighlighted(false);
}

void MainWindow::popup(QMenu *menu, const QPoint &globalPos)
{
    menu->popup(globalPos);
}

PictureButton *MainWindow::button(const QString &objectName) const
{
    return findChild<PictureButton *>(objectName);
}

QMenu *MainWindow::menu(const QString &objectName) const
{
    return findChild<QMenu *>(objectName);
}

void MainWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        popup(m_optionsMenu, event->globalPosition().toPoint());
    QWidget::mousePressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A scan is running below this event: stop it and close when it has unwound.
    if (m_settingsWindow && m_settingsWindow->isScanning()) {
        m_settingsWindow->cancelScan();
        m_closeAfterScan = true;
        event->ignore();
        return;
    }
    if (m_catalogue.isOpen())
        StateRecord::write(m_catalogue, m_opts, m_player.volume(), m_playback.jukeMode());
    event->accept();
    Q_EMIT closed();
}

void MainWindow::connectPlayback()
{
    connect(&m_player, &MediaPlayer::playStateChanged, this,
            [this](int state) { m_playback.playStateChanged(state); });
    connect(m_trackList, &ListBox::rowClicked, this, [this](int row) { m_playback.selectTrack(row); });
    connect(m_trackList, &ListBox::keyPressed, this, [this](int key, Qt::KeyboardModifiers modifiers) {
        m_playback.trackListKey(keyOf(key, modifiers));
        // Moving the selection by keyboard selects a track like a click does.
        const int row = m_playback.selectedTrack();
        if (key == Qt::Key_Down)
            m_playback.selectTrack(row + 1);
        else if (key == Qt::Key_Up)
            m_playback.selectTrack(row - 1);
        else if (key == Qt::Key_Return || key == Qt::Key_Enter)
            m_playback.selectTrack(std::max(row, 0));
    });
    connect(m_queueList, &ListBox::keyPressed, this, [this](int key, Qt::KeyboardModifiers modifiers) {
        m_playback.queueListKey(keyOf(key, modifiers));
    });
    connect(m_queueList, &ListBox::pressed, this, [this](int row, Qt::MouseButton button) {
        if (row >= 0)
            m_playback.selectQueueEntry(row);
        queueChanged();
        m_playback.queueListPressed(button == Qt::LeftButton);
    });
    connect(m_queueCover, &PointerLabel::pressed, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            m_playback.skipQueueCover();
    });
    connect(m_collectionsPanel, &CollectionsPanel::coverClicked, this,
            [this] { m_playback.skipCollectionCover(); });
    connect(m_collectionsPanel, &CollectionsPanel::exportWanted, this, [this] {
        const QString suggested = m_app.file(m_collections.collectionName() + QStringLiteral(".m3u8"));
        if (const auto file = m_dialogs.saveFile(QStringLiteral("Playlists (*.m3u8)|*.m3u8|"), suggested))
            m_collections.exportPlaylist(*file);
    });
    connect(m_nowPlayingCover, &PointerLabel::pressed, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            m_playback.skipNowPlayingCover();
    });
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

void MainWindow::setJukeboxArea(bool shown)
{
    const int shortening = shown ? kJukeboxWallShortening : 0;
    m_wallTwips.rheight() += m_wallShortening - shortening;
    m_wallShortening = shortening;
    placeWall();
    applyLook();
    m_queueList->setVisible(shown);
    m_queueCover->setVisible(shown);
}

void MainWindow::setSlotsEnabled(bool enabled)
{
    // Disabled covers ignore the mouse but keep their look.
    m_slotsEnabled = enabled;
    for (const auto &slot : m_slots) {
        slot->cover()->setAttribute(Qt::WA_TransparentForMouseEvents, !enabled);
        slot->titleLabel()->setAttribute(Qt::WA_TransparentForMouseEvents, !enabled);
    }
}

void MainWindow::setStatus(const QString &text)
{
    setWindowTitle(text);
}

void MainWindow::showNowPlayingPicture(const QString &path)
{
    const QImage picture = loadCover(path, m_nowPlayingCover->size());
    if (!picture.isNull())
        m_nowPlayingCover->setPixmap(QPixmap::fromImage(picture));
}

void MainWindow::showQueuePicture(const QString &path)
{
    const QImage picture = loadCover(path, m_queueCover->size());
    if (!picture.isNull())
        m_queueCover->setPixmap(QPixmap::fromImage(picture));
}

void MainWindow::trackListChanged()
{
    m_trackList->setLines(m_playback.trackNames(), m_playback.selectedTrack());
}

void MainWindow::queueChanged()
{
    m_queueList->setLines(m_playback.queueLines(), m_playback.selectedQueueEntry());
}

void MainWindow::popupCoverMenu()
{
    popup(m_coverMenu, QCursor::pos());
}

void MainWindow::popupQueueMenu()
{
    popup(m_queueMenu, QCursor::pos());
}

void MainWindow::popupCollEditMenu()
{
    popup(m_collEditMenu, QCursor::pos());
}

void MainWindow::setCollectionsArea(bool shown)
{
    m_collectionsPanel->setShown(shown);
}

void MainWindow::collectionsChanged()
{
    m_collectionsPanel->render();
}

} // namespace lumetra
