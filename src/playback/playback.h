#pragma once

#include "jukeboxqueue.h"
#include "party/norepeat.h"
#include "playerwatch.h"
#include "upnext.h"

#include "mediaplayer.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace lumetra {

class AlbumList;
class AppFolder;
class Collections;
class MediaPlayer;
class Party;
class PlayHistory;
class PlaybackView;
class Prompter;
class RandomSource;
class RecordView;
class Wall;

// The play modes, the now-playing state and what plays next: the main window's playback decisions, free of
// widgets. The window forwards clicks, keys and the player's state reports here and renders what it is told.
class Playback
{
    Q_DECLARE_TR_FUNCTIONS(Playback)
public:
    enum class Key { KeypadPlus, KeypadMinus, Space, Other };

    Playback(RecordView &songs, Wall &wall, const AlbumList &albums, const AppFolder &app,
             MediaPlayer &player, Prompter &prompter, RandomSource &random, PlaybackView &view);

    // The play-mode flags; none set is Normal Play. Tested in this order when a track ends.
    bool shuffleMode() const { return m_shuffleMode; }
    bool jukeMode() const { return m_jukeMode; }
    bool collMode() const { return m_collMode; }
    bool albumShuffle() const { return m_albumShuffle; }
    void setAlbumShuffle(bool on) { m_albumShuffle = on; }
    bool collEdit() const { return m_collEdit; }
    void setCollEdit(bool on) { m_collEdit = on; }
    // The file Collections mode plays next (colltrack).
    const QString &collTrack() const { return m_collTrack; }
    void setCollTrack(const QString &path) { m_collTrack = path; }
    // Collections mode's panel; it picks the tracks while that mode is on.
    void setCollections(Collections *collections) { m_collections = collections; }
    // Enters Collections mode's flags: Jukebox left first, the other modes off.
    void enterCollMode();
    // In Collections mode the track list holds album names.
    void setTrackList(const QStringList &names);
    void appendToTrackList(const QString &name);
    // "Remove This Album": the selected entry of the track list.
    void removeSelectedTrack();
    // The open album's folder listed again (files were added to it).
    void rereadAlbumFiles();

    void setAutoplay(bool on) { m_autoplay = on; }
    bool autoplay() const { return m_autoplay; }
    // The start mode left by the last run ("jukebox" or empty).
    void setStartMode(const QString &mode) { m_startMode = mode; }
    // After the wall is filled: enters Jukebox mode once if the last run ended in it.
    void resumeStartMode();

    // The open album: its music files (SongList), the names shown in the track list (List1).
    const QStringList &albumFiles() const { return m_albumFiles; }
    const QStringList &trackNames() const { return m_trackNames; }
    int selectedTrack() const { return m_selectedTrack; }
    QString albumFolder() const { return m_albumFolder; }
    // Album shuffle's played tracks: ",3,0,7," after tracks 3, 0 and 7.
    const QString &playedTracks() const { return m_playedTracks; }
    void setPlayedTracks(const QString &played) { m_playedTracks = played; }

    // The Jukebox queue: the lines shown (List2) and the files played (playlist); entry 0 is playing.
    const QStringList &queueLines() const { return m_queue.lines(); }
    const QStringList &queuePaths() const { return m_queue.paths(); }
    int selectedQueueEntry() const { return m_queue.selected(); }
    void selectQueueEntry(int i) { m_queue.select(i); }
    const QString &lastQueued() const { return m_queue.lastQueued(); }

    int overCover() const { return m_overCover; }
    void setOverCover(int slot) { m_overCover = slot; }
    int clickedCover() const { return m_clickedCover; }

    // Selects a track and runs the track-list click handling, as a user's click does. False when there
    // is no such entry.
    bool selectTrack(int i);
    // Moves the selection only, without the click handling (a pick that then plays by itself).
    void setSelectedTrack(int i);
    void trackListClicked();
    void trackListKey(Key key);
    void queueListKey(Key key);
    void queueListPressed(bool leftButton);
    void coverPressed(int slot, bool leftButton);

    // A pick from afar (the phone remote): track `track` of the album with catalogue ID `id`, queued as a
    // click on it in the track list would queue it, without opening the album on the screen. `name` is the
    // track's name as it was listed to the guest; another name there now means the album has changed. A
    // phone is a guest: the guest rules apply, and `refusal` says why they refused.
    enum class RemotePick { Queued, NotJukebox, NoAlbum, NoTrack, Changed, JustQueued, Refused };
    RemotePick queueCatalogueTrack(qint64 id, int track, const QString &name, QString *refusal = nullptr);

    // The player's play-state report: acts on a media-ended report followed by a transitioning one.
    void playStateChanged(int state);
    // player: hand the current track to the media player and start it.
    void player();
    void playskip() { m_queue.playskip(); }
    void playlistpic() { m_queue.playlistpic(); }
    void skipQueueCover() { m_queue.skipHead(); } // Image15
    void skipNowPlayingCover();                   // Image2
    void skipCollectionCover();                   // Image14
    // The skip of the current mode, as desktop media keys ask for it: a new Shuffle All pick, the next
    // queued track, a new collection pick, else the next track as if the playing one had ended.
    void skip();
    // Back, as desktop media keys ask for it: in Normal Play and album shuffle the track before (the one
    // played before, in album shuffle), unless the current one has played over 3 s; else its start.
    void previous();
    // Play, as the desktop asks for it: resumes what the player holds; an empty Jukebox queue refills.
    void play();
    // False when play() would do nothing.
    bool canPlay() const;

    // What the player holds now, from its file: the track (file name without extension), the album of that
    // folder in the catalogue, its artist and its cover. Empty when nothing is loaded.
    struct NowPlaying {
        QString path;
        QString title;
        QString album;
        QString artist;
        QString cover;
    };
    NowPlaying nowPlaying() const;

    // Party mode (none: off): the history every play is recorded in and, while it is on, the no-repeat rule,
    // the next automatic pick shown ahead, the guest rules of a locked jukebox and the longer skip notice.
    void setParty(Party *party) { m_party = party; }
    bool partyOn() const;
    // The history the pickers avoid repeats from: null while party mode is off.
    PlayHistory *noRepeatHistory() const;
    // "Up next (random): TRACK  -  ALBUM" and its album's cover; empty when there is no such pick.
    QString upNextLine() const { return m_upNext.line(); }
    QString upNextCover() const;
    const std::optional<UpNext::Pick> &upNext() const { return m_upNext.pick(); }
    // The next pick, taken to be played now; nullopt when there is none.
    std::optional<UpNext::Pick> takeUpNext();
    // The up-next line clicked: another pick.
    void repickUpNext();
    // Party mode was switched on or off: the up-next pick appears or goes.
    void partyChanged();
    // A scan replaced the catalogue: the up-next pick is drawn from the new one.
    void catalogueChanged();
    // Why a guest may not queue the track at `path` now (the guest rules against the queue and the history),
    // empty when they may or there is no party. `name` is the track as the reason names it.
    QString guestRefusal(const QString &path, const QString &name) const;

    // randomiser: Shuffle All's pick of a random track of a random album that is not marked "No".
    void randomiser();
    // fillsub: the same pick for an empty Jukebox queue; the track is queued by the track-list handling.
    // False when it fails (the end-of-track step then stops the player).
    bool fillsub();
    int skipCount() const { return m_skipCount; }
    bool queueEmpty() const { return m_queue.refilling(); }

    void mnunormal();
    void mnurandom();
    void jukeboxmode();
    void mnuplsh(); // "Play this album shuffled", for the slot in overCover()
    void mnuskip(); // "Skip this album when in shuffle mode"
    void mnuplay(); // "Play this album when in Shuffle mode"

    static constexpr int kSkipLimit = 10;
    // Files in a row that cannot be played before playback stops.
    static constexpr int kFailureLimit = 10;
    // How long a file handed to the player may take to load before it counts as one that cannot be played.
    void setLoadTimeout(int ms) { m_watch.setTimeout(ms); }
    // Loudness levelling: the gain in dB for a file, by its album's loudness or its own.
    using GainSource = std::function<double(const QString &path, bool albumGain)>;
    void setGainSource(GainSource source) { m_gainSource = std::move(source); }
    // The sound settings: automatic changes to another album's file crossfade over `crossfadeMs` (0: they
    // follow straight on); loudness is levelled or not.
    void setSound(int crossfadeMs, bool levelling);
    void mnutop() { m_queue.mnutop(); }   // "Move to top of list"
    void playdel() { m_queue.playdel(); } // "Delete from Playlist"

private:
    enum class Pick { ShuffleAll, Refill };
    bool pickRandomAlbum(Pick pick);
    // Plays the pick shown as up next; false when there is none or it can no longer be played.
    bool playUpNext(Pick pick);
    // Once the last queued entry, a Shuffle All track or a collection track has started.
    void offerUpNext();
    bool chooseUpNext();
    void dropUpNext();
    // A person queued `path`; the up-next pick is drawn again when that made it a repeat.
    void queuedByPerson(const QString &path);
    // Collections mode picks from the loaded collection (neither Shuffle All nor Jukebox is on).
    bool collectionPicks() const { return !m_shuffleMode && !m_jukeMode && m_collMode; }
    // The no-repeat draw over the album list for Shuffle All and the refill: albums marked "No" are not
    // playable. Without a history, the plain draw.
    NoRepeatPick shuffleDraw(PlayHistory *history) const;
    // A locked jukebox: a guest's pick may be refused (with a notice saying why).
    bool guestMayQueue(const QString &path, const QString &name);
    // The one place a file goes to the player.
    void hand(const QString &path);
    // The file that follows, told to the player ahead of the end (nextfile.cpp).
    struct Next {
        QString path;
        MediaPlayer::Join join = MediaPlayer::Join::Gapless;
        double gain = 0;
        bool operator==(const Next &) const = default;
    };
    // What the end-of-track step would hand now; an empty path when it would stop.
    Next upcoming();
    void tellNext();
    double gainFor(const QString &path) const;
    // The watch found that `path` cannot be played: skipped like a track that ended.
    void trackFailed(const QString &path);
    void leaveJukebox();
    void leaveCollections();
    void setProbability(const QString &value);
    bool endOfTrack();
    bool pickAlbumShuffleTrack();
    void openAlbum(int slot);
    // Lists the current record's folder as the open album, shown under `title`.
    void loadAlbum(const QString &title);
    void clearTrackList();

    RecordView &m_songs;
    Wall &m_wall;
    const AlbumList &m_albums;
    const AppFolder &m_app;
    MediaPlayer &m_player;
    Prompter &m_prompter;
    RandomSource &m_random;
    PlaybackView &m_view;

    bool m_shuffleMode = false;
    bool m_jukeMode = false;
    bool m_collMode = false;
    bool m_albumShuffle = false;
    bool m_autoplay = false;
    bool m_trackEnded = false;
    bool m_collEdit = false;
    QString m_collTrack;
    Collections *m_collections = nullptr;
    int m_skipCount = 0;
    QString m_startMode;

    QStringList m_albumFiles;
    QStringList m_trackNames;
    int m_selectedTrack = -1;
    QString m_albumFolder;    // the open album's Path, ending with the separator
    QString m_folderAsListed; // the same folder as the file list reports it, without the separator
    QString m_albumTitle;     // the title of the cover that opened the album
    QString m_playedTracks;

    Party *m_party = nullptr;
    UpNext m_upNext;
    JukeboxQueue m_queue;
    PlayerWatch m_watch;
    GainSource m_gainSource;
    bool m_crossfade = false;
    bool m_levelling = true;
    // While the player waits to hear what follows, the answer is read again this often and told when it
    // changes: a queued track, a skip or another mode makes the late answer the one that counts.
    static constexpr int kNextPollMs = 200;
    QTimer m_nextPoll;
    std::optional<Next> m_nextTold;

    int m_overCover = 0;
    int m_clickedCover = 0;
};

} // namespace lumetra
