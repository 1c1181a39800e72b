#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

namespace lumetra {

class PlayHistory;
class RandomSource;

// One automatic pick (Shuffle All, the Jukebox refill, a Collections pick) under the no-repeat rule: an
// album among the last K played and a track among the last N plays are passed over as long as the source
// leaves another choice. Without a history every draw is the plain floor(r × n) of the pickers.
class NoRepeatPick
{
public:
    // A source of `count` entries (duplicates allowed); `albumAt(i)` gives entry i's album folder.
    NoRepeatPick(PlayHistory *history, RandomSource &random, int count, std::function<QString(int)> albumAt);

    // The entry to try next. Entries whose album is recent, or was passed over in this pick, are left out
    // while any other is left; after that every entry may come.
    int drawAlbum();
    // The track of the album drawn last (`tracks` are its files' full paths). -1 when every one of them
    // played lately and another album may still be drawn: the caller then draws again.
    int drawTrack(const QString &album, const QStringList &tracks);

private:
    bool allowed(int i) const;
    bool filtering() const { return m_history && !m_relaxed; }

    PlayHistory *m_history;
    RandomSource &m_random;
    int m_count;
    std::function<QString(int)> m_albumAt;
    QSet<QString> m_passed;
    bool m_relaxed = false;
};

} // namespace lumetra
