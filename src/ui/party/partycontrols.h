#pragma once

#include "party/party.h"
#include "party/partyguard.h"
#include "playback/playback.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class QWidget;

namespace lumetra {

class AppFolder;
class Catalogue;
class LockDialog;
class MainMenus;
class MediaPlayer;
class Prompter;
class RecordView;
class SkippedAlbumsWindow;

// Party mode in the main window: its Options and Mode items, locking and unlocking, the list of skipped
// albums, and the PIN that every guarded command asks for while the jukebox is locked.
class PartyControls : public QObject
{
    Q_OBJECT
public:
    struct Context {
        const AppFolder &app;
        const Catalogue &catalogue;
        RecordView &songs;
        Playback &playback;
        MediaPlayer &player;
        Prompter &prompter;
        MainMenus &menus;
        // A passing notice in the status line.
        std::function<void(const QString &)> notice;
    };
    PartyControls(Context context, QWidget *window);

    // Reads party.ini (a damaged file is said once); a lock read back puts the window full screen again.
    void load();
    Party &party() { return m_party; }

    // True when the command may run now: it needs no PIN, or the right PIN was typed for it.
    bool permit(PartyCommand command);
    // What a click or key in the track list, or a press on a cover, does in the mode that plays.
    PartyCommand trackClick() const;
    PartyCommand trackKey(Playback::Key key) const;
    PartyCommand coverPress(bool left) const;
    // Leaving full screen (F11, Escape); while locked the window manager's requests are undone.
    bool permitLeavingFullScreen();
    // The window may close: unlocked, the PIN typed, or the program is ending (SIGTERM at logout).
    bool mayClose();
    void setEnding() { m_ending = true; }
    // Widgets that act by themselves (the player's buttons, the collections frame): while locked, a press,
    // key or drop on them or inside them asks for the PIN first.
    void guard(QWidget *widget, PartyCommand command);

    void setPartyMode(bool on);
    void openLockDialog();
    void unlock();
    void openSkippedAlbums();
    LockDialog *lockDialog() const;
    SkippedAlbumsWindow *skippedAlbumsWindow() const;

Q_SIGNALS:
    // Party mode went on or off, or albums may shuffle again: the wall's badges are due anew.
    void badgesChanged();
    // Whether the jukebox is locked, after every change of party mode.
    void lockChanged(bool locked);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void lockWith(const QString &pin, const GuestRules &rules);
    // The menus, the input filter, the other windows, the window's state and the volume follow party mode
    // and the lock.
    void apply();
    void closeWindows();
    void keepFullScreen();
    void volumeChanged(int volume);
    void showSkipped();

    Context m_context;
    QWidget *m_window;
    Party m_party;
    PartyGuard m_guard;
    QHash<QWidget *, PartyCommand> m_guarded;
    QPointer<QWidget> m_admitted; // let through once after the PIN
    bool m_filtering = false;
    bool m_ending = false;
    bool m_released = false; // the PIN let the window leave full screen
    QTimer m_keeper;
    bool m_askingVolume = false;
    int m_allowedVolume = -1;
    QPointer<LockDialog> m_lockDialog;
    QPointer<SkippedAlbumsWindow> m_skipped;
};

} // namespace lumetra
