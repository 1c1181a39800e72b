#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>

namespace lumetra {

class PlayHistory;
class RandomSource;
class RecordView;

// The next automatic pick (the Jukebox refill, the next Shuffle All track, the next Collections track) drawn
// ahead of time: party mode's, shown before it plays, and the one the player is told of ahead of the end.
class UpNext
{
    Q_DECLARE_TR_FUNCTIONS(lumetra::UpNext)

public:
    struct Pick {
        int entry = -1; // the pick source's entry it was drawn from
        QString album;  // its title
        QString folder; // the album's Path, ending with the separator
        QString file;   // the track's file name in that folder
        QString cover;  // the album's cover, empty when it has none
    };

    UpNext(RecordView &songs, RandomSource &random);

    // The pickers give up after this many refused albums in a row.
    static constexpr int kRefusalLimit = 10;

    // Draws like the pickers, quietly: an entry of the `count` album titles `titleAt` gives, whose album is
    // in the catalogue and holds music (and is not marked "No" when `refuseSkipped`: Shuffle All and the
    // refill, not a collection), then one of its tracks, both under the history's no-repeat rule (none
    // without a history: the pickers' plain draws). Gives up, keeping no pick, after `refusalLimit`
    // refusals. Neither the catalogue's cursor nor anything shown changes.
    bool choose(int count, const std::function<QString(int)> &titleAt, PlayHistory *history,
                bool refuseSkipped, int refusalLimit = kRefusalLimit);
    const std::optional<Pick> &pick() const { return m_pick; }
    void clear() { m_pick.reset(); }

    // "Up next (random): TRACK  -  ALBUM"
    QString line() const;

private:
    RecordView &m_songs;
    RandomSource &m_random;
    std::optional<Pick> m_pick;
};

} // namespace lumetra
