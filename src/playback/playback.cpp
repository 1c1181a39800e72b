#include "playback.h"

#include "collections.h"
#include "core/albumrecord.h"
#include "core/appfolder.h"
#include "core/criteria.h"
#include "core/folderlisting.h"
#include "core/prompter.h"
#include "core/randomsource.h"
#include "core/recordview.h"
#include "mediaplayer.h"
#include "party/party.h"
#include "playbackview.h"
#include "wall/albumlist.h"
#include "wall/wall.h"

#include "logging.h"
#include <QDir>
#include <QFileInfo>

Q_LOGGING_CATEGORY(lcPlayback, "lumetra.playback", QtInfoMsg)

namespace lumetra {

namespace {

constexpr int kAlbumShuffleResetAttempt = 200;

const QString kPath = QStringLiteral("Path");
const QString kPicture = QStringLiteral("Picture");
const QString kProbability = QStringLiteral("Probability");

// A track's name as the track list shows it: the file name without its last four characters.
QString trackName(const QString &fileName)
{
    return fileName.left(qMax<qsizetype>(0, fileName.size() - 4));
}

} // namespace

Playback::Playback(RecordView &songs, Wall &wall, const AlbumList &albums, const AppFolder &app,
                   MediaPlayer &player, Prompter &prompter, RandomSource &random, PlaybackView &view)
    : m_songs(songs)
    , m_wall(wall)
    , m_albums(albums)
    , m_app(app)
    , m_player(player)
    , m_prompter(prompter)
    , m_random(random)
    , m_view(view)
    , m_upNext(songs, random)
    , m_queue(*this, player, view, prompter, app)
    , m_watch(player, [this](const QString &path) { trackFailed(path); })
{
    m_nextPoll.setInterval(kNextPollMs);
    QObject::connect(&m_nextPoll, &QTimer::timeout, [this] { tellNext(); });
    // Answered after the event, when whatever the player interrupted has finished.
    QObject::connect(&m_player, &MediaPlayer::nextWanted, &m_nextPoll, [this] {
        m_nextTold.reset();
        m_nextPoll.start(0);
    });
}

void Playback::resumeStartMode()
{
    if (m_startMode != QStringLiteral("jukebox"))
        return;
    m_startMode.clear();
    jukeboxmode();
}

bool Playback::selectTrack(int i)
{
    if (i < 0 || i >= m_trackNames.size())
        return false;
    m_selectedTrack = i;
    m_view.trackListChanged();
    trackListClicked();
    return true;
}

void Playback::setSelectedTrack(int i)
{
    if (i < 0 || i >= m_trackNames.size())
        return;
    m_selectedTrack = i;
    m_view.trackListChanged();
}

void Playback::trackListClicked()
{
    if (m_collEdit) {
        m_view.popupCollEditMenu();
        return;
    }
    if (!m_jukeMode) {
        player();
        return;
    }
    const int i = m_selectedTrack;
    if (i < 0 || i >= m_trackNames.size())
        return;
    const QString file = m_albumFiles.value(i);
    const QString path =
        m_queue.refilling() ? m_albumFolder + file : m_folderAsListed + QDir::separator() + file;
    const bool person = !m_queue.refilling();
    if (person && !guestMayQueue(path, m_trackNames[i]))
        return;
    m_queue.add(m_trackNames[i], m_albumTitle, path, m_songs.value(kPath) + m_songs.value(kPicture));
    if (person)
        queuedByPerson(path);
}

Playback::RemotePick Playback::queueCatalogueTrack(qint64 id, int track, const QString &name,
                                                   QString *refusal)
{
    if (!m_jukeMode)
        return RemotePick::NotJukebox;
    const QString idText = QString::number(id);
    const QString folder = m_songs.valueWhere(QStringLiteral("ID"), idText, kPath);
    if (folder.isEmpty())
        return RemotePick::NoAlbum;
    const QStringList files = listFiles(folder, kMusicPatterns);
    if (track < 0 || track >= files.size())
        return RemotePick::NoTrack;
    const QString listed = trackName(files[track]);
    if (listed != name)
        return RemotePick::Changed;
    if (listed == m_queue.lastQueued())
        return RemotePick::JustQueued;
    // The line and the file as a click in the album's track list gives them.
    const QString path = QDir::cleanPath(folder) + QDir::separator() + files[track];
    if (const QString why = guestRefusal(path, listed); !why.isEmpty()) {
        if (refusal)
            *refusal = why;
        return RemotePick::Refused;
    }
    m_queue.add(listed, m_songs.valueWhere(QStringLiteral("ID"), idText, QStringLiteral("Album")), path,
                folder + m_songs.valueWhere(QStringLiteral("ID"), idText, kPicture));
    queuedByPerson(path);
    return RemotePick::Queued;
}

void Playback::trackListKey(Key key)
{
    if (key == Key::KeypadPlus) {
        m_view.display();
    } else if (key == Key::KeypadMinus) {
        if (m_wall.firstAlbum() <= m_wall.slotCount()) {
            m_wall.setFirstAlbum(m_albums.size());
            m_view.display();
        }
        int first = m_wall.firstAlbum() - 2 * m_wall.slotCount();
        if (first < 0)
            first += m_albums.size();
        m_wall.setFirstAlbum(first);
        m_view.display();
    }
    if (m_collMode && key == Key::Space) {
        if (m_collections)
            m_collections->collrandomiser();
    } else if (m_jukeMode) {
        playskip();
    } else if (m_shuffleMode && key == Key::Space) {
        randomiser();
    }
}

void Playback::queueListKey(Key)
{
    if (m_jukeMode)
        m_queue.playskip();
}

void Playback::queueListPressed(bool leftButton)
{
    if (leftButton)
        m_view.popupQueueMenu();
}

void Playback::coverPressed(int slot, bool leftButton)
{
    const auto &page = m_wall.page();
    if (slot < 0 || slot >= static_cast<int>(page.size()) || page[slot].title.isEmpty())
        return;
    if (!leftButton) {
        if (!m_collMode) {
            m_overCover = slot;
            m_view.popupCoverMenu();
        }
        return;
    }
    m_albumShuffle = false;
    if (m_shuffleMode) {
        m_prompter.message(tr("You cannot select albums in Shuffle All mode"));
        return;
    }
    m_clickedCover = slot;
    if (m_collMode) {
        if (m_collections)
            m_collections->coverClicked(page[slot].title);
        return;
    }
    openAlbum(slot);
    if (m_jukeMode)
        return;
    if (m_autoplay)
        selectTrack(0);
}

void Playback::openAlbum(int slot)
{
    const SlotContent &content = m_wall.page()[slot];
    clearTrackList();
    m_songs.moveFirst();
    m_songs.findFirst(idCriteria(content.id));
    loadAlbum(content.title);
}

void Playback::loadAlbum(const QString &title)
{
    const QString path = m_songs.value(kPath);
    const QString picture = m_songs.value(kPicture);
    m_view.showNowPlayingPicture(m_app.noCoverPicture());
    if (!picture.isEmpty())
        m_view.showNowPlayingPicture(path + picture);
    m_albumFiles = listFiles(path, kMusicPatterns);
    if (m_party)
        m_party->history().noteAlbumSize(path, static_cast<int>(m_albumFiles.size()));
    m_albumFolder = path;
    m_folderAsListed = QDir::cleanPath(path);
    m_albumTitle = title;
    m_trackNames.clear();
    for (const QString &file : m_albumFiles)
        m_trackNames.append(trackName(file));
    m_selectedTrack = -1;
    m_view.trackListChanged();
}

void Playback::clearTrackList()
{
    m_albumFiles.clear();
    m_trackNames.clear();
    m_selectedTrack = -1;
    m_view.trackListChanged();
}

void Playback::playStateChanged(int state)
{
    if (state == MediaPlayer::MediaEnded) {
        m_trackEnded = true;
        return;
    }
    if (state != MediaPlayer::Transitioning || !m_trackEnded)
        return;
    m_trackEnded = false;
    if (!endOfTrack())
        m_player.stop();
}

bool Playback::endOfTrack()
{
    if (m_shuffleMode) {
        randomiser();
        return true;
    }
    if (m_jukeMode)
        return m_queue.advance();
    if (m_collMode) {
        if (m_collections)
            m_collections->collrandomiser();
        return true;
    }
    if (m_albumShuffle)
        return pickAlbumShuffleTrack();
    // Normal Play: the next track of the open album; after the last there is none and playback ends.
    return selectTrack(m_selectedTrack + 1);
}

bool Playback::pickAlbumShuffleTrack()
{
    const int n = static_cast<int>(m_albumFiles.size());
    int attempts = 0;
    int r = 0;
    do {
        if (++attempts == kAlbumShuffleResetAttempt)
            m_playedTracks = QStringLiteral(",");
        r = m_random.pick(n);
    } while (m_playedTracks.contains(u',' + QString::number(r) + u','));
    if (!selectTrack(r))
        return false;
    m_playedTracks += QString::number(m_selectedTrack) + u',';
    return true;
}

void Playback::player()
{
    if (m_jukeMode) {
        m_queue.select(m_queue.isEmpty() ? -1 : 0);
        m_view.queueChanged();
        hand(m_queue.head());
        return;
    }
    if (m_collMode) {
        hand(m_collTrack);
        return;
    }
    const int i = m_selectedTrack;
    if (i < 0 || i >= m_albumFiles.size())
        return;
    if (m_shuffleMode)
        m_view.setStatus(tr("*Shuffle Mode: \"%1\" [hit album picture to skip].").arg(m_trackNames[i]));
    hand(m_albumFolder + m_albumFiles[i]);
}

void Playback::hand(const QString &path)
{
    qCDebug(lcPlayback).noquote() << "playing" << path;
    m_nextPoll.stop();
    m_watch.watch(path);
    m_player.setGain(gainFor(path));
    m_player.setUrl(path);
    m_player.play();
    if (m_party)
        m_party->history().record(path);
    offerUpNext();
}

void Playback::trackFailed(const QString &path)
{
    const QFileInfo file(path);
    m_view.trackSkipped(tr("Could not play \"%1\"").arg(file.fileName()));
    if (m_watch.failuresInRow() >= kFailureLimit) {
        // A dead disk or a folder of broken files must not spin for ever.
        m_watch.resetFailures();
        m_player.stop();
        m_prompter.message(
            tr("Playback has stopped: %1 files in a row could not be played. The last one was in "
               "the folder \"%2\".")
                .arg(kFailureLimit)
                .arg(QDir::toNativeSeparators(file.absolutePath())));
        return;
    }
    m_trackEnded = false;
    if (!endOfTrack())
        m_player.stop();
}

void Playback::skipCollectionCover()
{
    if (m_collEdit)
        m_prompter.message(tr("Cannot skip tracks when editing collections..."));
    else if (m_collections)
        m_collections->collrandomiser();
}

void Playback::skip()
{
    if (m_shuffleMode)
        randomiser();
    else if (m_jukeMode)
        skipQueueCover();
    else if (m_collMode)
        skipCollectionCover();
    else if (!endOfTrack())
        m_player.stop();
}

void Playback::previous()
{
    constexpr qint64 kRestartAfterMs = 3000;
    if (!m_shuffleMode && !m_jukeMode && !m_collMode && m_player.position() <= kRestartAfterMs) {
        if (!m_albumShuffle) {
            if (selectTrack(m_selectedTrack - 1))
                return;
        } else if (m_playedTracks.endsWith(u',' + QString::number(m_selectedTrack) + u',')) {
            // Back to the track played before; the current one counts as unplayed again.
            const QStringList played = m_playedTracks.split(u',', Qt::SkipEmptyParts);
            if (played.size() > 1) {
                m_playedTracks.chop(played.last().size() + 1);
                if (selectTrack(played[played.size() - 2].toInt()))
                    return;
            }
        }
    }
    m_player.setPosition(0);
}

void Playback::play()
{
    if (m_jukeMode && m_queue.isEmpty()) {
        if (!m_queue.refill())
            m_player.stop();
    } else if (!m_player.url().isEmpty()) {
        m_player.play();
    }
}

bool Playback::canPlay() const
{
    if (m_jukeMode && m_queue.isEmpty())
        return !m_albums.isEmpty();
    return !m_player.url().isEmpty();
}

Playback::NowPlaying Playback::nowPlaying() const
{
    NowPlaying now;
    now.path = m_player.url();
    if (now.path.isEmpty())
        return now;
    const qsizetype cut = now.path.lastIndexOf(QDir::separator());
    const QString folder = now.path.left(cut + 1);
    const QString file = now.path.mid(cut + 1);
    now.title = trackName(file);
    now.album = m_songs.valueWhere(QStringLiteral("Path"), folder, QStringLiteral("Album"));
    now.artist = m_songs.valueWhere(QStringLiteral("Path"), folder, QStringLiteral("Artist"));
    const QString picture = m_songs.valueWhere(QStringLiteral("Path"), folder, QStringLiteral("Picture"));
    now.cover = picture.isEmpty() ? m_app.noCoverPicture() : folder + picture;
    return now;
}

void Playback::enterCollMode()
{
    dropUpNext();
    m_startMode.clear();
    if (m_jukeMode)
        leaveJukebox();
    m_collMode = true;
    m_shuffleMode = false;
    m_albumShuffle = false;
    m_collEdit = false;
}

void Playback::leaveCollections()
{
    m_collMode = false;
    m_collEdit = false;
    m_view.setCollectionsArea(false);
}

void Playback::setTrackList(const QStringList &names)
{
    dropUpNext();
    m_albumFiles.clear();
    m_trackNames = names;
    m_selectedTrack = -1;
    m_view.trackListChanged();
}

void Playback::appendToTrackList(const QString &name)
{
    dropUpNext();
    m_trackNames.append(name);
    m_view.trackListChanged();
}

void Playback::rereadAlbumFiles()
{
    if (m_collMode || m_albumFolder.isEmpty())
        return;
    m_albumFiles = listFiles(m_albumFolder, kMusicPatterns);
    m_trackNames.clear();
    for (const QString &file : m_albumFiles)
        m_trackNames.append(trackName(file));
    if (m_selectedTrack >= m_trackNames.size())
        m_selectedTrack = -1;
    m_view.trackListChanged();
}

void Playback::removeSelectedTrack()
{
    if (m_selectedTrack < 0 || m_selectedTrack >= m_trackNames.size())
        return;
    dropUpNext();
    m_trackNames.removeAt(m_selectedTrack);
    if (m_selectedTrack < m_albumFiles.size())
        m_albumFiles.removeAt(m_selectedTrack);
    m_selectedTrack = -1;
    m_view.trackListChanged();
}

void Playback::skipNowPlayingCover()
{
    if (m_shuffleMode)
        randomiser();
}

void Playback::leaveJukebox()
{
    m_jukeMode = false;
    m_view.setJukeboxArea(false);
    m_view.unloader();
}

void Playback::mnunormal()
{
    qCDebug(lcPlayback) << "mode normal play";
    dropUpNext();
    m_startMode.clear();
    if (m_jukeMode) {
        m_albumShuffle = false;
        leaveJukebox();
    }
    clearTrackList();
    m_view.showNowPlayingPicture(m_app.defaultPicture());
    m_shuffleMode = false;
    leaveCollections();
    m_view.setSlotsEnabled(true);
    m_player.stop();
    m_view.setStatus(tr("%n albums loaded.", nullptr, static_cast<int>(m_albums.size())));
}

void Playback::mnurandom()
{
    qCDebug(lcPlayback) << "mode shuffle all";
    dropUpNext();
    if (m_jukeMode)
        leaveJukebox();
    m_albumShuffle = false;
    m_startMode.clear();
    leaveCollections();
    m_view.setSlotsEnabled(true);
    randomiser();
}

void Playback::mnuplsh()
{
    m_albumShuffle = true;
    if (m_collMode)
        return;
    if (m_jukeMode) {
        m_prompter.message(tr("This can't be used in Jukebox mode"));
        return;
    }
    const auto &page = m_wall.page();
    if (m_overCover < 0 || m_overCover >= static_cast<int>(page.size()))
        return;
    openAlbum(m_overCover);
    m_playedTracks = QStringLiteral(",");
    if (selectTrack(m_random.pick(static_cast<int>(m_albumFiles.size()))))
        m_playedTracks += QString::number(m_selectedTrack) + u',';
}

void Playback::mnuskip()
{
    setProbability(QStringLiteral("No"));
}

void Playback::mnuplay()
{
    setProbability(QString());
}

void Playback::setProbability(const QString &value)
{
    const auto &page = m_wall.page();
    if (m_overCover < 0 || m_overCover >= static_cast<int>(page.size()) || page[m_overCover].id.isEmpty())
        return;
    // Only the album the slot shows may change; a slot whose album is gone changes nothing.
    if (!m_songs.findFirst(idCriteria(page[m_overCover].id)))
        return;
    m_songs.setValue(kProbability, value);
    m_songs.update();
    // The announced pick may not be an album marked "No", unless a collection plays it.
    const auto &next = m_upNext.pick();
    if (value == u"No" && next && next->folder == m_songs.value(kPath) && !collectionPicks())
        repickUpNext();
    m_songs.moveLast();
}

void Playback::jukeboxmode()
{
    if (m_jukeMode)
        return;
    qCDebug(lcPlayback) << "mode jukebox";
    dropUpNext();
    leaveCollections();
    m_jukeMode = true;
    clearTrackList();
    m_shuffleMode = false;
    m_view.showNowPlayingPicture(m_app.defaultPicture());
    m_view.setSlotsEnabled(true);
    m_player.stop();
    m_queue.clear();
    m_view.setJukeboxArea(true);
    m_view.showQueuePicture(m_app.defaultPicture());
    m_view.unloader();
}

} // namespace lumetra
