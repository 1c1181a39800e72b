#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace lumetra {

class AppFolder;
class MediaPlayer;
class Playback;
class PlaybackView;
class Prompter;

// Jukebox mode's queue: the lines shown (List2), the files played (playlist), the selected line and the
// track last queued by a click. Entry 0 is the one playing; the player is started through Playback, and an
// emptied queue refills through its pick (fillsub).
class JukeboxQueue
{
    Q_DECLARE_TR_FUNCTIONS(JukeboxQueue)

public:
    JukeboxQueue(Playback &playback, MediaPlayer &player, PlaybackView &view, Prompter &prompter,
                 const AppFolder &app);

    const QStringList &lines() const { return m_lines; }
    const QStringList &paths() const { return m_paths; }
    QString head() const { return m_paths.value(0); }
    bool isEmpty() const { return m_paths.isEmpty(); }
    int selected() const { return m_selected; }
    void select(int i);
    const QString &lastQueued() const { return m_lastQueued; }
    // True while the refill's pick is under way (queueempty): its track is queued with the refill note.
    bool refilling() const { return m_refilling; }

    // Empties the queue, as entering Jukebox mode does.
    void clear();
    // A track chosen in the track list: `name` as listed, the title of the album opened, its file and the
    // album's cover. Queued once unless a queued track ended since; the first in an empty queue starts.
    void add(const QString &name, const QString &album, const QString &path, const QString &cover);
    // The end of the head's track: the next entry plays, or the emptied queue refills. False when the
    // queue was already empty or the refill found nothing.
    bool advance();
    // The refill's pick (fillsub) for an empty queue; false when it found nothing.
    bool refill();

    void playskip();    // a key in the queue list: the selected entry leaves, the head (re)starts
    void skipHead();    // Image15
    void playlistpic(); // the head's folder picture, or the default one
    void mnutop();      // "Move to top of list"
    void playdel();     // "Delete from Playlist"

private:
    bool remove(int i);
    // Removes entry i and starts the head, or refills an emptied queue.
    void skip(int i);

    Playback &m_playback;
    MediaPlayer &m_player;
    PlaybackView &m_view;
    Prompter &m_prompter;
    const AppFolder &m_app;

    QStringList m_lines;
    QStringList m_paths;
    int m_selected = -1;
    QString m_lastQueued;
    bool m_refilling = false;
};

} // namespace lumetra
