#pragma once

#include "browser.h"
#include "core/appfolder.h"
#include "core/catalogue.h"
#include "core/recordview.h"
#include "core/settings.h"
#include "core/staterecord.h"
#include "playback/collections.h"
#include "playback/playback.h"
#include "playback/playbackview.h"
#include "wall/albumcommands.h"
#include "wall/albumlist.h"
#include "wall/wall.h"

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <memory>
#include <vector>

class QMenu;

namespace lumetra {

class CollectionsPanel;
class CoverSlot;
class Dialogs;
class LetterBar;
class ListBox;
class MediaPlayer;
class PictureButton;
class PlayerBar;
class PointerFrame;
class PointerLabel;
class Prompter;
class AddTracksWindow;
class CoverArtWindow;
class HelpWindow;
class SearchWindow;
class NewAlbumWindow;
class RandomSource;
class SettingsWindow;
class Shell;
class TrackListingWindow;

// The outside world as the main window meets it; tests pass fakes.
struct Seams {
    MediaPlayer &player;
    Prompter &prompter;
    RandomSource &random;
    Dialogs &dialogs;
    Shell &shell;
    BrowserFactory browser;
};

// The program's window: the album wall with its button strip and letter bar, the track list panel and the
// pop-up menus. It wires widgets to the catalogue, the wall model and playback; decisions live there.
class MainWindow : public QWidget, private PlaybackView
{
    Q_OBJECT
public:
    // `screen` is the area to cover in pixels; empty means the screen's available geometry.
    MainWindow(const AppFolder &app, Seams seams, QRect screen = {}, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Opens the catalogue and builds the wall: populate, thumb, display.
    void load();

    void populate();
    void thumb();
    void display() override;
    void unloader() override;

    // Options > Settings: opens the settings window, or brings the open one forward.
    void openSettings();
    SettingsWindow *settingsWindow() const;
    // Options > Add New Album: Normal Play, then the "Create a New Album" window.
    void openNewAlbum();
    NewAlbumWindow *newAlbumWindow() const;
    // The cover menu's album commands, for the slot in overCover().
    void listSongs();
    void exploreAlbum();
    void addSongs();
    AddTracksWindow *addTracksWindow() const;
    TrackListingWindow *trackListingWindow() const;
    AlbumCommands &albumCommands() { return m_albumCommands; }
    // Options > Search; the window jumps the wall with jumpToAlbum.
    void openSearch();
    SearchWindow *searchWindow() const;
    bool jumpToAlbum(const QString &title);
    // Options > List Albums in Browser: writes albums.htm and opens it.
    void listAlbumsInBrowser();
    void openHelp();
    // "Get Cover Art" for the slot in overCover().
    void openCoverArt();
    CoverArtWindow *coverArtWindow() const;
    HelpWindow *helpWindow() const;
    // After the catalogue or jb.ini changed: the album list and the wall anew.
    void rebuildWall();

    void nextPage();
    void previousPage();
    void jumpToLetter(int j);

    const AlbumList &albums() const { return m_albums; }
    const Wall &wall() const { return m_wall; }
    const Settings &settings() const { return m_settings; }
    Playback &playback() { return m_playback; }
    Collections &collections() { return m_collections; }
    CollectionsPanel *collectionsPanel() const { return m_collectionsPanel; }
    int slotCount() const { return static_cast<int>(m_slots.size()); }
    CoverSlot *slot(int k) const { return m_slots.at(k).get(); }
    int overCover() const { return m_playback.overCover(); }
    LetterBar *letterBar() const { return m_letterBar; }
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
    void showNowPlayingPicture(const QString &path) override;
    void showQueuePicture(const QString &path) override;
    void trackListChanged() override;
    void queueChanged() override;
    void popupCoverMenu() override;
    void popupQueueMenu() override;
    void popupCollEditMenu() override;
    void setCollectionsArea(bool shown) override;
    void collectionsChanged() override;

    int px(int twips) const;
    QRect pxRect(const QRect &twips) const;
    void buildWall();
    void buildStrip();
    void buildRightPanel();
    void buildMenus();
    void buildJukeboxArea();
    void connectPlayback();
    static Playback::Key keyOf(int key, Qt::KeyboardModifiers modifiers);
    void placeWall();
    // Shows the wall model's page in the slots and the album count in the title.
    void showPage();
    void applyLook();
    void clearSlots();
    void coverPointed(int k);
    void backgroundPointed();
    void showLetterBar();
    void hideLetterBar();
    void highlightButton(PictureButton *button);
    void resetButtons();
    void popup(QMenu *menu, const QPoint &globalPos);
    // Brings the main window back to the front (and out of the task bar) after another window's work.
    void restoreWindow();

    AppFolder m_app;
    MediaPlayer &m_player;
    Prompter &m_prompter;
    Dialogs &m_dialogs;
    Shell &m_shell;
    BrowserFactory m_browser;
    QRect m_screen;
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
    bool m_slotsEnabled = true;

    QSize m_wallTwips;
    int m_wallShortening = 0; // twips taken from the wall's height by Jukebox mode
    PointerFrame *m_albumFrame = nullptr;
    PointerLabel *m_background = nullptr;
    PointerLabel *m_hoverStrip = nullptr;
    LetterBar *m_letterBar = nullptr;
    PointerFrame *m_strip = nullptr;
    PictureButton *m_next = nullptr;
    PictureButton *m_previous = nullptr;
    PictureButton *m_mode = nullptr;
    PictureButton *m_options = nullptr;
    PictureButton *m_help = nullptr;
    QWidget *m_rightPanel = nullptr;
    ListBox *m_trackList = nullptr;
    PointerLabel *m_nowPlayingCover = nullptr;
    ListBox *m_queueList = nullptr;
    PointerLabel *m_queueCover = nullptr;
    PlayerBar *m_playerBar = nullptr;
    CollectionsPanel *m_collectionsPanel = nullptr;
    QMenu *m_modeMenu = nullptr;
    QMenu *m_optionsMenu = nullptr;
    QMenu *m_coverMenu = nullptr;
    QMenu *m_queueMenu = nullptr;
    QMenu *m_collEditMenu = nullptr;
    std::vector<std::unique_ptr<CoverSlot>> m_slots;
    QPointer<SettingsWindow> m_settingsWindow;
    QPointer<NewAlbumWindow> m_newAlbumWindow;
    QPointer<AddTracksWindow> m_addTracksWindow;
    QPointer<TrackListingWindow> m_trackListingWindow;
    QPointer<SearchWindow> m_searchWindow;
    QPointer<HelpWindow> m_helpWindow;
    QPointer<CoverArtWindow> m_coverArtWindow;
    bool m_closeAfterScan = false;
};

} // namespace lumetra
