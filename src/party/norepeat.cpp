#include "norepeat.h"

#include "core/randomsource.h"
#include "playhistory.h"

#include <QList>

#include <algorithm>

namespace lumetra {

namespace {

// Draws by rejection first; a source that is nearly all recent is then filtered whole, once.
constexpr int kRejectionDraws = 16;

} // namespace

NoRepeatPick::NoRepeatPick(PlayHistory *history, RandomSource &random, int count,
                           std::function<QString(int)> albumAt, std::function<bool(int)> playable)
    : m_history(history)
    , m_random(random)
    , m_count(count)
    , m_albumAt(std::move(albumAt))
    , m_playable(std::move(playable))
{
}

int NoRepeatPick::available() const
{
    if (m_available >= 0 || !m_history)
        return std::max(m_available, 0);
    // The windows reach their limits at twice the larger one (an album holds a track at least), so the
    // count stops there: a large library is not walked on every pick.
    const int enough = 2 * std::max(m_history->trackLimit(), m_history->albumLimit()) + 2;
    m_available = 0;
    for (int i = 0; i < m_count && m_available < enough; ++i) {
        if ((!m_playable || m_playable(i)) && !m_history->knownEmpty(m_albumAt(i)))
            ++m_available;
    }
    return m_available;
}

int NoRepeatPick::trackWindow() const
{
    return m_history ? m_history->trackWindow(m_history->estimatedTracks(available())) : 0;
}

int NoRepeatPick::albumWindow() const
{
    return m_history ? m_history->albumWindow(available()) : 0;
}

bool NoRepeatPick::allowed(int i) const
{
    const QString album = PlayHistory::trackKey(m_albumAt(i));
    return !m_passed.contains(album) && !m_history->albumWithin(album, albumWindow());
}

int NoRepeatPick::drawAlbum()
{
    if (!filtering() || m_count <= 0)
        return m_random.pick(m_count);
    for (int attempt = 0; attempt < kRejectionDraws; ++attempt) {
        const int i = m_random.pick(m_count);
        if (allowed(i))
            return i;
    }
    QList<int> left;
    for (int i = 0; i < m_count; ++i) {
        if (allowed(i))
            left.append(i);
    }
    if (!left.isEmpty())
        return left.at(m_random.pick(static_cast<int>(left.size())));
    // Nothing but recent albums: the source leaves no other choice.
    m_relaxed = true;
    return m_random.pick(m_count);
}

int NoRepeatPick::drawTrack(const QString &album, const QStringList &tracks)
{
    const int m = static_cast<int>(tracks.size());
    if (!filtering() || m == 0)
        return m_random.pick(m);
    m_history->noteAlbumSize(album, m);
    const int window = trackWindow();
    QList<int> fresh;
    for (int t = 0; t < m; ++t) {
        if (!m_history->playedWithin(tracks.at(t), window))
            fresh.append(t);
    }
    if (!fresh.isEmpty())
        return fresh.at(m_random.pick(static_cast<int>(fresh.size())));
    m_passed.insert(PlayHistory::trackKey(album));
    return -1;
}

void NoRepeatPick::refuse(int i)
{
    if (filtering() && i >= 0 && i < m_count)
        m_passed.insert(PlayHistory::trackKey(m_albumAt(i)));
}

} // namespace lumetra
