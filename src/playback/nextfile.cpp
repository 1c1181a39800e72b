// The file that follows the playing one, told to the player before the end so that it can join the two
// without a gap, or by a crossfade between albums.
#include "playback.h"

#include "collections.h"
#include "wall/albumlist.h"

#include <QDir>

namespace lumetra {

namespace {

QString folderOf(const QString &path)
{
    return path.left(path.lastIndexOf(QDir::separator()) + 1);
}

} // namespace

Playback::Next Playback::upcoming()
{
    // In the end-of-track step's order of the modes.
    Next next;
    if (m_shuffleMode || (m_jukeMode && m_queue.paths().size() == 1) || m_collMode) {
        // Party mode plays the pick it shows; otherwise one is drawn now, as the end would draw it.
        const std::optional<UpNext::Pick> &pick = partyOn() ? m_upNext.pick() : drawAhead();
        if (pick)
            next.path = pick->folder + pick->file;
    } else if (m_jukeMode) {
        next.path = m_queue.paths().value(1);
    } else if (m_albumShuffle) {
        if (!m_drewAhead && !m_albumFiles.isEmpty()) {
            m_drewAhead = true;
            ShuffleDraw draw{0, m_playedTracks};
            draw.track = drawAlbumShuffleTrack(draw.played);
            m_shuffleAhead = draw;
        }
        if (m_shuffleAhead)
            next.path = m_albumFolder + m_albumFiles.value(m_shuffleAhead->track);
    } else if (m_selectedTrack + 1 < m_albumFiles.size()) {
        next.path = m_albumFolder + m_albumFiles[m_selectedTrack + 1];
    }
    if (next.path.isEmpty() || next.path == m_albumFolder)
        return {};
    // Files of one album always follow each other straight on; another album's may crossfade.
    if (m_crossfade && folderOf(next.path) != folderOf(m_player.url()))
        next.join = MediaPlayer::Join::Crossfade;
    next.gain = gainFor(next.path);
    return next;
}

const std::optional<UpNext::Pick> &Playback::drawAhead()
{
    if (!m_drewAhead) {
        m_drewAhead = true;
        // Only a pick the end would make without a refusal: refusals keep their notices, made at the end.
        if (!collectionPicks()) {
            m_drawnAhead.choose(
                m_albums.size(), [this](int i) { return m_albums.at(i); }, nullptr, true, 1);
        } else if (!m_collEdit && m_collections && m_collections->chosen()) {
            const QStringList albums = m_trackNames;
            m_drawnAhead.choose(
                static_cast<int>(albums.size()), [&albums](int i) { return albums.at(i); }, nullptr, false,
                1);
        }
    }
    return m_drawnAhead.pick();
}

void Playback::forgetAhead()
{
    m_drawnAhead.clear();
    m_shuffleAhead.reset();
    m_drewAhead = false;
}

void Playback::tellNext()
{
    if (!m_player.isPlaying() && !m_player.isPaused()) {
        m_nextPoll.stop();
        return;
    }
    m_nextPoll.setInterval(kNextPollMs);
    const Next next = upcoming();
    if (m_nextTold == next)
        return;
    m_nextTold = next;
    m_player.setNext(next.path, next.join, next.gain);
}

void Playback::setSound(int crossfadeMs, bool levelling)
{
    m_crossfade = crossfadeMs > 0;
    m_levelling = levelling;
    m_player.setCrossfade(crossfadeMs);
}

double Playback::gainFor(const QString &path) const
{
    if (!m_levelling || !m_gainSource)
        return 0;
    // An album that plays as a whole keeps its own balance; single tracks are levelled one by one.
    const bool albumGain = !m_shuffleMode && !m_jukeMode && !m_collMode;
    return m_gainSource(path, albumGain);
}

} // namespace lumetra
