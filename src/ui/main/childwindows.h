#pragma once

#include "ui/common/browser.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace lumetra {

class AddTracksWindow;
class AlbumCommands;
class AlbumList;
class AppFolder;
class Catalogue;
class CoverArtWindow;
class Dialogs;
class HelpWindow;
class Loudness;
class NewAlbumWindow;
class Playback;
class Prompter;
class RecordView;
class Remote;
class RemoteDialog;
class SearchWindow;
class SettingsWindow;
class Shell;
class TrackListingWindow;
class Wall;
struct Settings;

// The windows the main window opens from its menus and buttons, at most one of each; opening one that is
// open brings it forward. Reports what they changed for the main window to show.
class ChildWindows : public QObject
{
    Q_OBJECT
public:
    // What the windows work on; all of it outlives this object.
    struct Context {
        const AppFolder &app;
        Catalogue &catalogue;
        RecordView &songs;
        const AlbumList &albums;
        const Wall &wall;
        Playback &playback;
        AlbumCommands &albumCommands;
        const Settings &settings;
        Prompter &prompter;
        Dialogs &dialogs;
        Shell &shell;
        Remote &remote;
        BrowserFactory browser;
        Loudness *loudness; // may be null
        // Moves the wall to the first album of that exact title; false when there is none.
        std::function<bool(const QString &)> jumpToAlbum;
    };
    ChildWindows(Context context, QWidget *window);

    // Options > Settings.
    void openSettings();
    // Settings with its scan panel open on `root` (empty: the music folder jb.ini names), as a first run
    // offers it.
    void openScanPanel(const QString &root);
    // Options > Add New Album: Normal Play, then the "Create a New Album" window.
    void openNewAlbum();
    // Options > Search.
    void openSearch();
    // Options > List Albums in Browser: writes albums.htm and opens it.
    void listAlbumsInBrowser();
    void openHelp();
    // Options > Phone remote….
    void openRemote();
    // The cover menu's album commands, for the slot in Playback::overCover().
    void listSongs();
    void exploreAlbum();
    void addSongs();
    void openCoverArt();

    SettingsWindow *settingsWindow() const;
    NewAlbumWindow *newAlbumWindow() const;
    AddTracksWindow *addTracksWindow() const;
    TrackListingWindow *trackListingWindow() const;
    SearchWindow *searchWindow() const;
    HelpWindow *helpWindow() const;
    CoverArtWindow *coverArtWindow() const;
    RemoteDialog *remoteDialog() const;

Q_SIGNALS:
    // Albums or jb.ini changed: the album list and the wall are due anew.
    void wallChanged();
    // sound.ini was written.
    void soundChanged();
    void scanStarted();
    // A scan replaced the catalogue: the window reads it anew.
    void catalogueReplaced();
    void scanFinished();
    // Another window's work is done; the main window comes back to the front.
    void restoreWanted();
    // Slot `k` showed album `id` when its cover file `cover` was written.
    void coverSaved(int k, const QString &id, const QString &cover);

private:
    // Shows a new child window: transient for the main window, within the screen, over the main window.
    void present(QWidget *window);

    Context m_context;
    QWidget *m_window;
    QPointer<SettingsWindow> m_settings;
    QPointer<NewAlbumWindow> m_newAlbum;
    QPointer<AddTracksWindow> m_addTracks;
    QPointer<TrackListingWindow> m_trackListing;
    QPointer<SearchWindow> m_search;
    QPointer<HelpWindow> m_help;
    QPointer<CoverArtWindow> m_coverArt;
    QPointer<RemoteDialog> m_remote;
};

} // namespace lumetra
