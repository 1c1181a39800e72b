#pragma once

#include <QString>

namespace lumetra {

// What playback asks of the window: rebuild or page the wall, and show what changed. The main window
// implements it; tests record the calls.
class PlaybackView
{
public:
    virtual ~PlaybackView() = default;

    // The wall: fill from the current position (display) or rebuild it whole (unloader).
    virtual void display() = 0;
    virtual void unloader() = 0;
    // Jukebox's layout: the wall 2600 twips shorter with the queue list and queue cover below it.
    virtual void setJukeboxArea(bool shown) = 0;
    // Collections disable the covers; every other mode enables them again.
    virtual void setSlotsEnabled(bool enabled) = 0;

    // The window title, which serves as the status line.
    virtual void setStatus(const QString &text) = 0;
    // A passing notice in the status line; the status comes back after a few seconds.
    virtual void showNotice(const QString &text) = 0;
    // A file that could not be played was skipped: its notice, which a phone that queued it hears too.
    virtual void trackSkipped(const QString &notice) { showNotice(notice); }
    virtual void showNowPlayingPicture(const QString &path) = 0; // Image2
    virtual void showQueuePicture(const QString &path) = 0;      // Image15
    // The track list or the queue changed: show the state's entries and selection again.
    virtual void trackListChanged() = 0;
    virtual void queueChanged() = 0;
    // Party mode's next automatic pick appeared, changed or went (Playback::upNextLine()).
    virtual void upNextChanged() {}

    virtual void popupCoverMenu() = 0;    // mnurt, for the slot in overCover()
    virtual void popupQueueMenu() = 0;    // men1
    virtual void popupCollEditMenu() = 0; // mnucolledit

    // Collections mode's frame and list of collections shown or hidden; their state changed.
    virtual void setCollectionsArea(bool shown) = 0;
    virtual void collectionsChanged() = 0;
};

} // namespace lumetra
