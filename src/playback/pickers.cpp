// Playback's random pickers (Shuffle All, the Jukebox refill) and party mode's part in playback.
#include "playback.h"

#include "collections.h"
#include "core/criteria.h"
#include "core/prompter.h"
#include "core/randomsource.h"
#include "core/recordview.h"
#include "mediaplayer.h"
#include "party/norepeat.h"
#include "party/party.h"
#include "party/playhistory.h"
#include "playbackview.h"
#include "wall/albumlist.h"

namespace lumetra {

namespace {

const QString kPath = QStringLiteral("Path");
const QString kProbability = QStringLiteral("Probability");
const QString kNo = QStringLiteral("No");

} // namespace

void Playback::randomiser()
{
    pickRandomAlbum(Pick::ShuffleAll);
}

bool Playback::fillsub()
{
    return pickRandomAlbum(Pick::Refill);
}

bool Playback::pickRandomAlbum(Pick pick)
{
    if (playUpNext(pick))
        return true;
    NoRepeatPick draw = shuffleDraw(noRepeatHistory());
    // A refused album is retried up to the limit; a loop, so retries never deepen the stack. An album with
    // nothing to play (folder empty, gone or without music) is refused like one marked "No".
    for (;;) {
        if (pick == Pick::ShuffleAll) {
            if (m_albums.isEmpty())
                return true;
            m_shuffleMode = true;
        }
        clearTrackList();
        if (m_albums.isEmpty())
            return false;
        const int entry = draw.drawAlbum();
        const QString name = m_albums.at(entry);
        const bool found = m_songs.findFirst(albumCriteria(name));
        QString refusal;
        if (found && m_songs.value(kProbability) == kNo) {
            refusal = tr("%1 was skipped because it is set not to play in Random mode.").arg(name);
        } else {
            if (found)
                loadAlbum(name);
            if (m_albumFiles.isEmpty())
                refusal = tr("%1 was skipped because its folder holds nothing to play.").arg(name);
        }
        if (!refusal.isEmpty()) {
            draw.refuse(entry);
            // In party mode the notice stays readable although a track starts at once.
            if (partyOn())
                m_view.showNotice(refusal);
            else
                m_view.setStatus(refusal);
            if (++m_skipCount != kSkipLimit)
                continue;
            m_prompter.message(
                tr("Cannot find enough albums to play in this mode.  Please ensure that they are "
                   "not all set to skip in shuffle mode!"));
            m_skipCount = 0;
            mnunormal();
            return true;
        }
        QStringList paths;
        if (partyOn()) {
            for (const QString &file : m_albumFiles)
                paths.append(m_albumFolder + file);
        }
        const int t = partyOn() ? draw.drawTrack(m_albumFolder, paths)
                                : m_random.pick(static_cast<int>(m_albumFiles.size()));
        if (t < 0)
            continue; // every track of the album played lately: another album, not a refusal
        m_skipCount = 0;
        // Selecting the track starts or queues it through the track-list handling.
        return selectTrack(t) || pick == Pick::ShuffleAll;
    }
}

NoRepeatPick Playback::shuffleDraw(PlayHistory *history) const
{
    return NoRepeatPick(
        history, m_random, m_albums.size(),
        [this](int i) { return m_songs.valueWhere(QStringLiteral("Album"), m_albums.at(i), kPath); },
        [this](int i) {
            return m_songs.valueWhere(QStringLiteral("Album"), m_albums.at(i), kProbability) != kNo;
        });
}

bool Playback::partyOn() const
{
    return m_party && m_party->isOn();
}

PlayHistory *Playback::noRepeatHistory() const
{
    return partyOn() ? &m_party->history() : nullptr;
}

QString Playback::upNextCover() const
{
    return m_upNext.pick() ? m_upNext.pick()->cover : QString();
}

std::optional<UpNext::Pick> Playback::takeUpNext()
{
    std::optional<UpNext::Pick> next = partyOn() ? m_upNext.pick() : std::nullopt;
    dropUpNext();
    return next;
}

bool Playback::playUpNext(Pick pick)
{
    const std::optional<UpNext::Pick> next = takeUpNext();
    // The catalogue may have changed since the pick was shown: then a fresh draw.
    if (!next || !m_songs.findFirst(albumCriteria(next->album)) || m_songs.value(kPath) != next->folder ||
        m_songs.value(kProbability) == kNo)
        return false;
    if (pick == Pick::ShuffleAll)
        m_shuffleMode = true;
    loadAlbum(next->album);
    const int t = static_cast<int>(m_albumFiles.indexOf(next->file));
    if (t < 0)
        return false;
    m_skipCount = 0;
    return selectTrack(t);
}

void Playback::offerUpNext()
{
    if (!partyOn() || m_upNext.pick())
        return;
    const bool wanted = m_shuffleMode || (m_jukeMode && m_queue.paths().size() == 1) ||
                        (m_collMode && !m_collEdit && m_collections && m_collections->chosen());
    if (wanted && chooseUpNext())
        m_view.upNextChanged();
}

bool Playback::chooseUpNext()
{
    // The pick plays after the people's picks waiting in the queue: drawn as if they had played (on a copy
    // of the history, which learns nothing from this draw).
    const QStringList waiting = m_jukeMode ? m_queue.paths().mid(1) : QStringList();
    std::optional<PlayHistory> ahead;
    if (!waiting.isEmpty()) {
        ahead = m_party->history();
        for (const QString &path : waiting)
            ahead->record(path);
    }
    PlayHistory &history = ahead ? *ahead : m_party->history();
    if (collectionPicks()) {
        const QStringList albums = m_trackNames; // the collection's albums
        // A collection plays the albums it lists, marked "No" or not.
        return m_upNext.choose(
            static_cast<int>(albums.size()), [&albums](int i) { return albums.at(i); }, history, false);
    }
    return m_upNext.choose(
        m_albums.size(), [this](int i) { return m_albums.at(i); }, history, true);
}

void Playback::queuedByPerson(const QString &path)
{
    if (!partyOn() || !m_upNext.pick())
        return;
    // Played after this pick, the announced track would be a repeat: the track itself, or its album where
    // the album rule holds.
    const QString shown = m_upNext.pick()->folder + m_upNext.pick()->file;
    if (PlayHistory::trackKey(path) == PlayHistory::trackKey(shown) ||
        (PlayHistory::albumOf(path) == PlayHistory::albumOf(shown) &&
         shuffleDraw(&m_party->history()).albumWindow() > 0))
        repickUpNext();
}

void Playback::catalogueChanged()
{
    repickUpNext();
}

void Playback::dropUpNext()
{
    if (!m_upNext.pick())
        return;
    m_upNext.clear();
    m_view.upNextChanged();
}

void Playback::repickUpNext()
{
    if (!partyOn() || !m_upNext.pick())
        return;
    chooseUpNext();
    m_view.upNextChanged();
}

void Playback::partyChanged()
{
    if (!partyOn())
        dropUpNext();
    else if (m_player.isPlaying())
        offerUpNext();
}

QString Playback::guestRefusal(const QString &path, const QString &name) const
{
    if (!m_party)
        return {};
    PlayHistory &history = m_party->history();
    return m_party->guests().refusal(path, name, m_queue.paths().mid(1), history,
                                     shuffleDraw(&history).trackWindow());
}

bool Playback::guestMayQueue(const QString &path, const QString &name)
{
    if (!m_party || !m_party->isLocked())
        return true;
    const QString refusal = guestRefusal(path, name);
    if (refusal.isEmpty())
        return true;
    m_view.showNotice(refusal);
    return false;
}

} // namespace lumetra
