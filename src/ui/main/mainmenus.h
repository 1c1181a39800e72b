#pragma once

#include "party/partylock.h"

#include <QObject>

#include <functional>
#include <optional>

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace lumetra {

// The main window's pop-up menus: Mode (mnuMode), Options (mnuoptions), the cover menu (mnurt), the queue
// menu (men1) and the collection editor's menu (mnucolledit), and the window's keyboard shortcuts. Each
// command is reported by its own signal.
class MainMenus : public QObject
{
    Q_OBJECT
public:
    // The menus are children of `window`, so they close with it; the shortcuts work anywhere in it.
    explicit MainMenus(QWidget *window);

    // Asked before a command is reported; false drops it (the party lock).
    using Gate = std::function<bool(PartyCommand)>;
    void setGate(Gate gate) { m_gate = std::move(gate); }

    enum class Mode { None, NormalPlay, ShuffleAll, Jukebox, Collections };
    // The Mode menu's check mark; None marks nothing (one album shuffled has no item).
    void setMode(Mode mode);
    void setFullScreen(bool on);
    // Options > Party Mode checked; "Lock for guests..." while unlocked, "Unlock" while locked.
    void setParty(bool on, bool locked);

    void popupMode(const QPoint &globalPos);
    void popupOptions(const QPoint &globalPos);
    void popupCover(const QPoint &globalPos);
    void popupQueue(const QPoint &globalPos);
    void popupCollEdit(const QPoint &globalPos);
    // Opens `menu` at `globalPos` after closing any other pop-up that is up.
    static void popup(QMenu *menu, const QPoint &globalPos);

Q_SIGNALS:
    // Mode
    void normalPlay();
    void shuffleAll();
    void jukebox();
    void collections();
    // Options
    void search();
    void addNewAlbum();
    void settings();
    void listAlbumsInBrowser();
    void importPlaylist();
    void partyMode(bool on);
    void lockForGuests();
    void unlock();
    // Mode > Albums skipped in shuffle...
    void skippedAlbums();
    void phoneRemote();
    // F11 and Options > Full Screen
    void fullScreen();
    // F1
    void help();
    // The Mode menu is about to show: a chance to set its check mark.
    void modeMenuAboutToShow();
    // The cover menu, for the slot last pointed at or right-clicked
    void playShuffled();
    void listSongs();
    void getCoverArt();
    void explore();
    void skipInShuffle();
    void playInShuffle();
    void addSongs();
    void renameAlbum();
    void deleteAlbum();
    // The queue menu and the collection editor's menu
    void moveToTop();
    void deleteFromPlaylist();
    void removeThisAlbum();

private:
    QAction *addCommand(QMenu *menu, const QString &name, const QString &caption, void (MainMenus::*signal)(),
                        std::optional<PartyCommand> command);

    Gate m_gate;
    QAction *m_partyMode;
    QAction *m_lock;
    QAction *m_unlock;
    QAction *m_skippedSeparator;
    QAction *m_skipped;
    QAction *m_normalPlay;
    QAction *m_shuffleAll;
    QAction *m_jukebox;
    QAction *m_collections;
    QAction *m_fullScreen;
    QMenu *m_mode;
    QMenu *m_options;
    QMenu *m_cover;
    QMenu *m_queue;
    QMenu *m_collEdit;
};

} // namespace lumetra
