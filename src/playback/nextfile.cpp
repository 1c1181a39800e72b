// The file that follows the playing one, told to the player before the end so that it can join the two
// without a gap, or by a crossfade between albums.
#include "playback.h"

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
    Next next;
    if (m_albumShuffle)
        return next;
    if (m_jukeMode)
        next.path = m_queue.paths().value(1);
    else if (!m_shuffleMode && !m_collMode && m_selectedTrack + 1 < m_albumFiles.size())
        next.path = m_albumFolder + m_albumFiles[m_selectedTrack + 1];
    // Shuffle All, Collections and the refill play party mode's pick drawn ahead: the one shown.
    const std::optional<UpNext::Pick> &pick = m_upNext.pick();
    if (next.path.isEmpty() && (m_shuffleMode || m_collMode || m_jukeMode) && partyOn() && pick)
        next.path = pick->folder + pick->file;
    if (next.path.isEmpty())
        return next;
    // Files of one album always follow each other straight on; another album's may crossfade.
    if (m_crossfade && folderOf(next.path) != folderOf(m_player.url()))
        next.join = MediaPlayer::Join::Crossfade;
    next.gain = gainFor(next.path);
    return next;
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
