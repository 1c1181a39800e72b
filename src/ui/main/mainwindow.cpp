#include "mainwindow.h"

#include "childwindows.h"
#include "core/dialogs.h"
#include "core/prompter.h"
#include "core/vbcolor.h"
#include "loudness/loudness.h"
#include "mainmenus.h"
#include "playback/mediaplayer.h"
#include "playback/soundsettings.h"
#include "remote/remote.h"
#include "scan/scanner.h"
#include "ui/common/copyprogress.h"
#include "ui/common/look.h"
#include "ui/common/picturebutton.h"
#include "ui/common/widgethelpers.h"
#include "ui/party/partycontrols.h"
#include "ui/wall/buttonstrip.h"
#include "ui/wall/collectionspanel.h"
#include "ui/wall/coverslot.h"
#include "ui/wall/jukeboxarea.h"
#include "ui/wall/rightpanel.h"
#include "ui/wall/wallview.h"
#include "ui/windows/settingswindow.h"
#include "wall/slotlayout.h"
#include "wall/twips.h"
#include "windowsizer.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QMenu>
#include <QScreen>
#include <QStandardPaths>

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
constexpr int kJukeboxWallShortening = 2600;
constexpr int kQueueGap = 100;
constexpr int kQueueCoverWidth = 2220;
// The smallest window in which the strip's buttons, the panels and the collections list all fit.
constexpr QSize kMinimumWindow(13200, 10200);
constexpr int kNoticeMs = 4000;

// Smaller covers would lay out thousands of slots on a page, and nobody can see them.
constexpr int kMinCoverPixels = 16;

// A right click on a control with a menu of its own (the collections frame) opens that menu alone.
bool hasOwnMenu(const QWidget *widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (widget->contextMenuPolicy() == Qt::CustomContextMenu)
            return true;
    }
    return false;
}

} // namespace

MainWindow::MainWindow(const AppFolder &app, Seams seams, QRect screen, QWidget *parent)
    : QWidget(parent)
    , m_app(app)
    , m_player(seams.player)
    , m_loudness(seams.loudness)
    , m_prompter(seams.prompter)
    , m_dialogs(seams.dialogs)
    , m_songs(m_catalogue, QStringLiteral("songs"))
    , m_opts(m_catalogue, QStringLiteral("opts"))
    , m_wall(m_songs, m_albums, m_app)
    , m_playback(m_songs, m_wall, m_albums, m_app, seams.player, seams.prompter, seams.random, *this)
    , m_collections(m_playback, m_songs, m_app, seams.player, seams.prompter, seams.random, *this)
    , m_albumCommands(m_songs, m_wall, m_albums, seams.prompter,
                      {[this] { populate(); }, [this] { unloader(); },
                       [this](int slot, const QString &title) {
                           m_wall.setSlotTitle(slot, title);
                           m_wallView->setSlotTitle(slot, title);
                       }})
    , m_remoteHost(m_playback, seams.player, [this](const QString &mode) { chooseMode(mode); })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Lumetra Jukebox"));
    // Without a name of its own the window reads as its title, which is the program's status line.
    installAccessibleRoles();
    m_notice.setSingleShot(true);
    m_notice.setInterval(kNoticeMs);
    connect(&m_notice, &QTimer::timeout, this, [this] { setWindowTitle(m_status); });
    QScreen *display = QGuiApplication::primaryScreen();
    if (display)
        m_dpi = display->logicalDotsPerInchX();
    // The first layout is made for the size the window will have full screen, so showing it costs no
    // second one.
    setGeometry(screen.isEmpty() && display ? display->geometry() : screen);
    setMinimumSize(twipsToPixels(kMinimumWindow.width(), m_dpi),
                   twipsToPixels(kMinimumWindow.height(), m_dpi));
    m_sizer = new WindowSizer(this);
    // The panels follow a new size at once; the wall's slots wait until the size has settled.
    connect(m_sizer, &WindowSizer::resized, this, &MainWindow::placeWall);
    connect(m_sizer, &WindowSizer::settled, this, &MainWindow::relayout);

    m_wallView = new WallView(m_wall, m_albums, m_app.noCoverPicture(), m_dpi, this);
    m_strip = new ButtonStrip(m_app, m_dpi, this);
    m_rightPanel = new RightPanel(m_player, m_dpi, this);
    m_jukeboxArea = new JukeboxArea(m_dpi, this);
    m_menus = new MainMenus(this);
    m_party = new PartyControls({m_app, m_catalogue, m_songs, m_playback, m_player, m_prompter, *m_menus,
                                 [this](const QString &text) { showNotice(text); }},
                                this);
    m_sizer->setLeaveGate([this] { return m_party->permitLeavingFullScreen(); });
    m_remoteHost.setParty(&m_party->party());
    m_remote = new Remote(
        m_remoteHost, m_party->party(),
        {m_app.file(QStringLiteral("tracks.lum")), m_app.noCoverPicture(),
         QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/remote-covers")},
        this);
    m_windows = new ChildWindows({m_app, m_catalogue, m_songs, m_albums, m_wall, m_playback, m_albumCommands,
                                  m_settings, seams.prompter, seams.dialogs, seams.shell, *m_remote,
                                  std::move(seams.browser), seams.loudness,
                                  [this](const QString &title) { return jumpToAlbum(title); }},
                                 this);
    placeWall();
    m_collectionsPanel = new CollectionsPanel(m_rightPanel, m_collections, m_app,
                                              [this](int twips) { return twipsToPixels(twips, m_dpi); });
    applyLook();
    connectWall();
    connectMenus();
    connectPlayback();
    guardForParty();
    if (m_loudness) {
        // The file about to play, and then its album, are measured before anything else.
        m_playback.setGainSource(
            [loudness = m_loudness, asked = QString()](const QString &path, bool albumGain) mutable {
                if (path != asked) {
                    asked = path;
                    loudness->prioritise(path);
                }
                return loudness->gainDb(path, albumGain);
            });
    }
    m_rightPanel->showNowPlayingPicture(m_app.defaultPicture());
    showMode();
    m_wallView->setFocus();
}

MainWindow::~MainWindow() = default;

int MainWindow::slotCount() const
{
    return m_wallView->slotCount();
}

CoverSlot *MainWindow::slot(int k) const
{
    return m_wallView->slot(k);
}

LetterBar *MainWindow::letterBar() const
{
    return m_wallView->letterBar();
}

void MainWindow::placeWall()
{
    // The design's lengths that name the screen's size take the window's. The strip and the panels stay
    // where the full-height wall puts them; Jukebox only shortens the wall.
    m_sizer->setPlacedSize(size());
    const int windowW = pixelsToTwips(width(), m_dpi);
    const int windowH = pixelsToTwips(height(), m_dpi);
    const int wallW = windowW - kWallWidthMargin;
    const int fullH = windowH - kWallHeightMargin;
    const int wallH = fullH - m_wallShortening;
    m_wallTwips = QSize(wallW, wallH);

    m_wallView->setSizeTwips(m_wallTwips);
    const QRect queue(0, wallH + kQueueGap, wallW - kQueueCoverWidth, kJukeboxWallShortening - 2 * kQueueGap);
    const int queueCover = std::min(queue.height(), kQueueCoverWidth - 2 * kQueueGap);
    m_jukeboxArea->place(queue, QRect(queue.right() + 1 + kQueueGap, queue.top(), queueCover, queueCover));
    m_strip->place(QRect(0, fullH + kStripGap, wallW, kStripHeight));
    const int panelLeft = wallW + kRightPanelGap;
    m_rightPanel->place(
        QRect(panelLeft, 0, windowW - panelLeft - kRightPanelMargin, windowH - kRightPanelHeightMargin),
        windowH - kTrackListHeightMargin);
}

void MainWindow::applyLook()
{
    const QColor back = colorFromStored(m_settings.backColor);
    const QColor text = colorFromStored(m_settings.textColor);
    QFont font(m_settings.fontName);
    font.setPointSizeF(m_settings.fontSize);
    font.setBold(m_settings.fontBold);
    m_wallView->setLook({back, text, font, m_settings.backgroundPicture});
    setPanelColors(m_strip, back, text);
    m_rightPanel->setColors(back, text);
    m_jukeboxArea->setColors(back, text);
    if (m_collectionsPanel)
        m_collectionsPanel->setTextColor(text);
    QPalette own = palette();
    own.setColor(QPalette::Window, back.darker(125));
    setPalette(own);
    setAutoFillBackground(true);
}

void MainWindow::load()
{
    const QString path = m_app.file(QStringLiteral("tracks.lum"));
    if (!m_catalogue.open(path)) {
        m_prompter.message(
            tr("The album catalogue could not be opened, so Lumetra starts with an empty wall.\n\n"
               "%1\n\nThe file has been left exactly as it was.")
                .arg(m_catalogue.errorString()));
    }
    // The titles now; the other fields when something first needs them.
    m_songs.refresh({QStringLiteral("Album")});
    m_opts.refresh();
    m_state = StateRecord::read(m_opts);
    // Only here: a rebuild keeps the volume the user has set since.
    m_player.setVolume(m_state.volume());
    applySound();
    m_playback.setStartMode(m_state.formcolor);
    populate();
    thumb();
    display();
    // A first run: after the message, the scan panel, on the user's music folder when it holds music.
    if (m_catalogue.isOpen() && m_albums.isEmpty()) {
        const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
        m_windows->openScanPanel(!music.isEmpty() && Scanner::holdsMusic(music) ? music : QString());
    }
    m_party->load();
    qCInfo(lcMainWindow).noquote() << windowTitle();
    const QString remoteProblem = m_remote->start();
    if (!remoteProblem.isEmpty()) {
        qCWarning(lcMainWindow).noquote() << remoteProblem;
        showNotice(remoteProblem);
    }
}

void MainWindow::applySound()
{
    const SoundSettings sound = SoundSettings::load(m_app.file(SoundSettings::fileName()));
    m_playback.setSound(sound.crossfade * 1000, sound.levelling);
    if (m_loudness)
        m_loudness->setPaused(!sound.levelling || (settingsWindow() && settingsWindow()->isScanning()));
}

void MainWindow::endProgram()
{
    m_party->setEnding();
    close();
}

void MainWindow::readSettings()
{
    SettingsFile::readInto(m_settings, m_app.file(QStringLiteral("jb.ini")),
                           twipsForPixels(kMinCoverPixels, m_dpi));
}

void MainWindow::populate()
{
    m_albums.populate(m_songs);
    m_remote->catalogueChanged();
    if (m_loudness) {
        QStringList folders;
        m_songs.forEachValue(QStringLiteral("Path"), [&folders](QAnyStringView path) {
            if (!path.isEmpty())
                folders.append(path.toString());
        });
        m_loudness->setLibrary(folders);
    }
}

void MainWindow::clearSlots()
{
    m_wallView->clearSlots();
    m_wall.setSlotCount(0);
    m_playback.setOverCover(0);
}

void MainWindow::thumb()
{
    readSettings();
    m_wall.setNoWrap(m_settings.noWrap);

    if (m_albums.isEmpty()) {
        clearSlots();
        applyLook();
        // An unusable catalogue has already been explained; "no albums yet" would mislead.
        if (m_catalogue.isOpen())
            m_prompter.message(tr(
                "Lumetra doesn't yet contain any albums - click on Options > Add New Album to start building "
                "your collection, or use the options screen where Lumetra can scan your hard disk for you..  "
                " "
                "Once done, you MUST restart Lumetra before these first albums are added to teh "
                "collection."));
        return;
    }

    auto layout = layoutSlots(m_wallTwips.width(), m_wallTwips.height(), m_settings.coverSize,
                              m_settings.coverGap, m_albums.size());
    spreadAcrossWidth(layout, m_wallTwips.width(), m_settings.coverGap);
    m_wallView->setBounceCovers(m_settings.bounceCovers);
    m_wallView->layOut(layout);
    const int count = m_wallView->slotCount();
    m_wall.setSlotCount(count);
    if (m_playback.overCover() >= count)
        m_playback.setOverCover(0);
    m_playback.setAutoplay(m_settings.autoplay);
    applyLook();
}

void MainWindow::display()
{
    m_wall.display();
    m_wallView->showPage();
    m_playback.resumeStartMode();
}

void MainWindow::unloader()
{
    if (slotCount() == 0)
        return;
    m_wallView->keepFirstSlotOnly();
    m_wall.setFirstAlbum(0);
    thumb();
    if (!m_albums.isEmpty())
        display();
}

bool MainWindow::jumpToAlbum(const QString &title)
{
    const int k = m_albums.indexOf(title);
    if (k < 0)
        return false;
    m_wall.setFirstAlbum(k);
    display();
    return true;
}

bool MainWindow::nextPage()
{
    return m_wallView->nextPage();
}

void MainWindow::previousPage()
{
    m_wallView->previousPage();
}

void MainWindow::restoreWindow()
{
    // Back as it was before it was minimised: full screen stays full screen.
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
}

void MainWindow::rebuildWall()
{
    populate();
    if (slotCount() > 0) {
        unloader();
    } else if (m_albums.isEmpty()) {
        // Nothing to lay out yet; the new look still applies at once.
        readSettings();
        applyLook();
    } else {
        // The first albums of a new catalogue show without a restart.
        thumb();
        display();
    }
}

void MainWindow::relayout()
{
    if (slotCount() > 0) {
        unloader();
    } else {
        applyLook();
    }
    qCDebug(lcMainWindow).noquote()
        << QStringLiteral("wall laid out for %1x%2: %3 slots").arg(width()).arg(height()).arg(slotCount());
}

void MainWindow::chooseMode(const QString &mode)
{
    if (mode == u"normal") {
        m_playback.mnunormal();
    } else if (mode == u"shuffle") {
        m_playback.mnurandom();
    } else if (mode == u"jukebox") {
        m_playback.setAlbumShuffle(false);
        m_playback.jukeboxmode();
    }
    showMode();
}

void MainWindow::showMode()
{
    using Mode = MainMenus::Mode;
    // The end of a track tests the flags in this order, so the first one set is the mode that plays.
    Mode mode = Mode::NormalPlay;
    if (m_playback.shuffleMode())
        mode = Mode::ShuffleAll;
    else if (m_playback.jukeMode())
        mode = Mode::Jukebox;
    else if (m_playback.collMode())
        mode = Mode::Collections;
    else if (m_playback.albumShuffle())
        mode = Mode::None;
    m_menus->setMode(mode);
    m_remote->stateMayHaveChanged();
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
    if (event->button() == Qt::RightButton && !hasOwnMenu(childAt(event->position().toPoint())))
        m_menus->popupOptions(event->globalPosition().toPoint());
    QWidget::mousePressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_closeAfterScan && !m_party->mayClose()) {
        event->ignore();
        return;
    }
    // A scan is running below this event: stop it and close when it has unwound.
    SettingsWindow *settings = m_windows->settingsWindow();
    if (settings && settings->isScanning()) {
        settings->cancelScan();
        m_closeAfterScan = true;
        event->ignore();
        return;
    }
    if (m_catalogue.isOpen())
        StateRecord::write(m_catalogue, m_opts, m_player.volume(), m_playback.jukeMode());
    event->accept();
    Q_EMIT closed();
}

void MainWindow::setJukeboxArea(bool shown)
{
    m_wallShortening = shown ? kJukeboxWallShortening : 0;
    placeWall();
    applyLook();
    m_jukeboxArea->setVisible(shown);
    showMode();
}

void MainWindow::setSlotsEnabled(bool enabled)
{
    m_wallView->setSlotsEnabled(enabled);
}

void MainWindow::setStatus(const QString &text)
{
    m_status = plainWindowTitle(text);
    if (!m_notice.isActive())
        setWindowTitle(m_status);
    showMode();
}

void MainWindow::showNotice(const QString &text)
{
    if (!m_notice.isActive())
        m_status = windowTitle();
    setWindowTitle(plainWindowTitle(text));
    m_notice.start();
    // A party runs full screen, where no title bar shows: the notice goes on the wall as well.
    if (m_party && m_party->party().isOn())
        m_wallView->showNotice(text, kNoticeMs);
}

void MainWindow::trackSkipped(const QString &notice)
{
    showNotice(notice);
    m_remote->service().tell(notice);
}

void MainWindow::showNowPlayingPicture(const QString &path)
{
    m_rightPanel->showNowPlayingPicture(path);
}

void MainWindow::showQueuePicture(const QString &path)
{
    m_jukeboxArea->showQueuePicture(path);
}

void MainWindow::trackListChanged()
{
    m_rightPanel->setTrackLines(m_playback.trackNames(), m_playback.selectedTrack());
}

void MainWindow::queueChanged()
{
    m_jukeboxArea->setQueueLines(m_playback.queueLines(), m_playback.selectedQueueEntry());
    m_remote->stateMayHaveChanged();
}

void MainWindow::upNextChanged()
{
    // Jukebox shows the refill under the queue; Shuffle All and Collections under the track list.
    const bool queue = m_playback.jukeMode() && !m_playback.shuffleMode();
    const QString line = m_playback.upNextLine();
    m_jukeboxArea->setUpNext(queue ? line : QString(), m_playback.upNextCover());
    m_rightPanel->setUpNext(queue ? QString() : line, m_playback.upNextCover());
    m_remote->stateMayHaveChanged();
}

void MainWindow::popupCoverMenu()
{
    m_menus->popupCover(m_coverMenuAt.value_or(QCursor::pos()));
}

void MainWindow::popupQueueMenu()
{
    m_menus->popupQueue(QCursor::pos());
}

void MainWindow::popupCollEditMenu()
{
    m_menus->popupCollEdit(QCursor::pos());
}

void MainWindow::setCollectionsArea(bool shown)
{
    m_collectionsPanel->setShown(shown);
    showMode();
}

void MainWindow::collectionsChanged()
{
    m_collectionsPanel->render();
}

} // namespace lumetra
