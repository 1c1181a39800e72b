#pragma once

#include "childwindows.h"
#include "core/appfolder.h"
#include "core/catalogue.h"
#include "core/recordview.h"
#include "core/settings.h"
#include "core/staterecord.h"
#include "playback/collections.h"
#include "playback/playback.h"
#include "playback/playbackview.h"
#include "remote/jukeboxhost.h"
#include "wall/albumcommands.h"
#include "wall/albumlist.h"
#include "wall/wall.h"
#include "wall/wallkeys.h"

#include <QRect>
#include <QTimer>
#include <QWidget>

#include <optional>

class QMenu;

namespace lumetra {

class ButtonStrip;
class CollectionsPanel;
class CoverSlot;
class Dialogs;
class JukeboxArea;
class LetterBar;
class Loudness;
class MainMenus;
class PartyControls;
class MediaPlayer;
class PictureButton;
class Prompter;
class RandomSource;
class Remote;
class RightPanel;
class WallView;
class WindowSizer;

// The outside world as the main window meets it; tests pass fakes.
struct Seams {
    MediaPlayer &player;
    Prompter &prompter;
    RandomSource &random;
    Dialogs &dialogs;
    Shell &shell;
    BrowserFactory browser;
    // Even loudness: the gains and the background measurement; without it every file plays as it is.
    Loudness *loudness = nullptr;
};

// The program's window: creates the wall, the button strip, the right-hand panel, the Jukebox area and the
// menus, and wires them to the catalogue, the wall model and playback, where the decisions live.
class MainWindow : public QWidget, private PlaybackView
{
    Q_OBJECT
public:
    // `screen` is the window's first geometry in pixels; empty means the whole screen, where it goes full
    // screen. The layout follows the window's size from then on.
    MainWindow(const AppFolder &app, Seams seams, QRect screen = {}, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Opens the catalogue and builds the wall: populate, thumb, display; then reads party.ini.
    void load();
    // Closes as the system asks (SIGTERM at logout): the party lock does not ask for its PIN.
    void endProgram();
    // sound.ini read again and given to playback; the loudness measurement rests while levelling is off
    // or a scan runs.
    void applySound();

    void populate();
    void thumb();
    void display() override;
    void unloader() override;

    // The windows opened from the menus and the strip (settings, new album, search, help, cover art, ...).
    ChildWindows &windows() const { return *m_windows; }
    void openSettings() { m_windows->openSettings(); }
    SettingsWindow *settingsWindow() const { return m_windows->settingsWindow(); }
    void openNewAlbum() { m_windows->openNewAlbum(); }
    NewAlbumWindow *newAlbumWindow() const { return m_windows->newAlbumWindow(); }
    void addSongs() { m_windows->addSongs(); }
    AddTracksWindow *addTracksWindow() const { return m_windows->addTracksWindow(); }
    void openSearch() { m_windows->openSearch(); }
    SearchWindow *searchWindow() const { return m_windows->searchWindow(); }
    void listAlbumsInBrowser() { m_windows->listAlbumsInBrowser(); }
    void openHelp() { m_windows->openHelp(); }
    HelpWindow *helpWindow() const { return m_windows->helpWindow(); }
    CoverArtWindow *coverArtWindow() const { return m_windows->coverArtWindow(); }
    void openRemote() { m_windows->openRemote(); }
    Remote &remote() const { return *m_remote; }
    AlbumCommands &albumCommands() { return m_albumCommands; }
    // Moves the wall to the first album of that exact title; false when there is none.
    bool jumpToAlbum(const QString &title);
    // After the catalogue or jb.ini changed: the album list and the wall anew.
    void rebuildWall();

    // The strip's Next and Previous page; false when the page did not move.
    bool nextPage();
    void previousPage();

    const AlbumList &albums() const { return m_albums; }
    const Wall &wall() const { return m_wall; }
    const Settings &settings() const { return m_settings; }
    Playback &playback() { return m_playback; }
    Collections &collections() { return m_collections; }
    CollectionsPanel *collectionsPanel() const { return m_collectionsPanel; }
    PartyControls &party() const { return *m_party; }
    int slotCount() const;
    CoverSlot *slot(int k) const;
    int overCover() const { return m_playback.overCover(); }
    LetterBar *letterBar() const;
    PictureButton *button(const QString &objectName) const;
    QMenu *menu(const QString &objectName) const;
    // The wall panel's size in twips.
    QSize wallTwips() const { return m_wallTwips; }

Q_SIGNALS:
    // The state record has been written; the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    // PlaybackView
    void setJukeboxArea(bool shown) override;
    void setSlotsEnabled(bool enabled) override;
    void setStatus(const QString &text) override;
    void showNotice(const QString &text) override;
    void trackSkipped(const QString &notice) override;
    void showNowPlayingPicture(const QString &path) override;
    void showQueuePicture(const QString &path) override;
    void trackListChanged() override;
    void queueChanged() override;
    void upNextChanged() override;
    void popupCoverMenu() override;
    void popupQueueMenu() override;
    void popupCollEditMenu() override;
    void setCollectionsArea(bool shown) override;
    void collectionsChanged() override;

    void connectWall();
    void connectMenus();
    void connectPlayback();
    // The party lock's PIN in front of the commands that act without a menu.
    void guardForParty();
    static Playback::Key keyOf(int key, Qt::KeyboardModifiers modifiers);
    void placeWall();
    // After the window's size settled: the wall laid out anew for it.
    void relayout();
    // The Mode menu's check mark from playback's flags.
    void showMode();
    // The Mode menu's commands, for the menu and the phone remote's host: "normal", "shuffle", "jukebox".
    void chooseMode(const QString &mode);
    void applyLook();
    void clearSlots();
    // jb.ini over the current settings; a cover size giving covers under 16 pixels keeps the one before.
    void readSettings();
    // Brings the main window back to the front (and out of the task bar) after another window's work.
    void restoreWindow();

    AppFolder m_app;
    MediaPlayer &m_player;
    Loudness *m_loudness;
    Prompter &m_prompter;
    Dialogs &m_dialogs;
    qreal m_dpi = 96;

    Catalogue m_catalogue;
    RecordView m_songs;
    RecordView m_opts;
    StateRecord m_state;
    Settings m_settings;
    AlbumList m_albums;
    Wall m_wall;
    Playback m_playback;
    Collections m_collections;
    AlbumCommands m_albumCommands;
    JukeboxHost m_remoteHost;
    Remote *m_remote = nullptr;

    QSize m_wallTwips;
    int m_wallShortening = 0; // twips taken from the wall's height by Jukebox mode
    WallView *m_wallView = nullptr;
    ButtonStrip *m_strip = nullptr;
    RightPanel *m_rightPanel = nullptr;
    JukeboxArea *m_jukeboxArea = nullptr;
    CollectionsPanel *m_collectionsPanel = nullptr;
    MainMenus *m_menus = nullptr;
    ChildWindows *m_windows = nullptr;
    WindowSizer *m_sizer = nullptr;
    PartyControls *m_party = nullptr;
    bool m_closeAfterScan = false;
    // Where a cover menu opened from the keyboard shows; otherwise at the pointer.
    std::optional<QPoint> m_coverMenuAt;
    // A passing notice covers the status (the window title) for a few seconds.
    QTimer m_notice;
    QString m_status;
};

} // namespace lumetra
