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
    // A source of `count` entries (duplicates allowed); `albumAt(i)` gives entry i's album folder;
    // `playable(i)` says whether the picker may play entry i at all (none: every entry).
    NoRepeatPick(PlayHistory *history, RandomSource &random, int count, std::function<QString(int)> albumAt,
                 std::function<bool(int)> playable = {});

    // The entry to try next. Entries whose album is recent, or was passed over in this pick, are left out
    // while any other is left; after that every entry may come.
    int drawAlbum();
    // The track of the album drawn last (`tracks` are its files' full paths). -1 when every one of them
    // played lately and another album may still be drawn: the caller then draws again.
    int drawTrack(const QString &album, const QStringList &tracks);
    // Entry i was refused (not playable, or nothing to play): it is not drawn again in this pick.
    void refuse(int i);

    // N and K as they hold for this source: bounded by half of what the picker can choose from, the
    // entries it may play whose album is not known to hold nothing.
    int trackWindow() const;
    int albumWindow() const;

private:
    bool allowed(int i) const;
    bool filtering() const { return m_history && !m_relaxed; }
    int available() const;

    PlayHistory *m_history;
    RandomSource &m_random;
    int m_count;
    std::function<QString(int)> m_albumAt;
    std::function<bool(int)> m_playable;
    QSet<QString> m_passed;
    bool m_relaxed = false;
    mutable int m_available = -1;
};

} // namespace lumetra
