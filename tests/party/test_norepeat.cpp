#include "core/randomsource.h"
#include "party/norepeat.h"
#include "party/playhistory.h"
#include "support/fakes.h"

#include <QHash>
#include <QSet>

#include <gtest/gtest.h>

#include <random>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

// A fixed sequence: the same picks on every run.
class SeededRandom final : public RandomSource
{
public:
    double next() override { return m_uniform(m_engine); }

private:
    std::mt19937_64 m_engine{20240611};
    std::uniform_real_distribution<double> m_uniform{0.0, 1.0};
};

// Albums /lib/A00 ... each with its tracks' full paths.
struct Library {
    QStringList albums;
    QList<QStringList> tracks;

    Library(int albumCount, int tracksEach)
    {
        for (int a = 0; a < albumCount; ++a) {
            albums.append(u"/lib/A%1"_s.arg(a, 2, 10, QChar(u'0')));
            QStringList files;
            for (int t = 0; t < tracksEach; ++t)
                files.append(albums.last() + u"/t%1.mp3"_s.arg(t));
            tracks.append(files);
        }
    }
};

// One automatic pick as the pickers make it: draw an album, refuse it when it is one of the first
// `markedNo` or holds no track, then draw a track, drawing again when every track of the album played
// lately. Returns the track's path; empty after the pickers' ten refusals in a row.
QString pickOnce(const Library &lib, PlayHistory *history, RandomSource &random, int markedNo = 0)
{
    NoRepeatPick pick(
        history, random, static_cast<int>(lib.albums.size()), [&lib](int i) { return lib.albums.at(i); },
        [markedNo](int i) { return i >= markedNo; });
    for (int refusals = 0; refusals < 10;) {
        const int a = pick.drawAlbum();
        if (lib.tracks.at(a).isEmpty())
            history->noteAlbumSize(lib.albums.at(a), 0);
        if (a < markedNo || lib.tracks.at(a).isEmpty()) {
            pick.refuse(a);
            ++refusals;
            continue;
        }
        const int t = pick.drawTrack(lib.albums.at(a), lib.tracks.at(a));
        if (t >= 0)
            return lib.tracks.at(a).at(t);
    }
    return {};
}

struct Shape {
    int albums, tracksEach;
    int markedNo = 0;
    int empty = 0; // the last albums hold no track
};

class NoRepeatProperty : public ::testing::TestWithParam<Shape>
{
};

// Over many picks no track comes back within N plays and no album within K albums, both bounded by half of
// what may play, the albums refused (marked "No") never stop the music, and every other album keeps being
// picked.
TEST_P(NoRepeatProperty, NoTrackWithinNNoAlbumWithinKAndNoAlbumStarves)
{
    Library lib(GetParam().albums, GetParam().tracksEach);
    for (int a = GetParam().albums - GetParam().empty; a < GetParam().albums; ++a)
        lib.tracks[a].clear();
    const int playable = GetParam().albums - GetParam().markedNo - GetParam().empty;
    const int n = std::min(PlayHistory::kDefaultTracks, playable * GetParam().tracksEach / 2);
    const int k = std::min(PlayHistory::kDefaultAlbums, playable / 2);
    PlayHistory history;
    SeededRandom random;
    QHash<QString, int> lastTrackPlay;
    QList<QString> albumOfPlay;
    QHash<QString, int> albumPicks;
    constexpr int kPicks = 10000;
    for (int play = 0; play < kPicks; ++play) {
        const QString track = pickOnce(lib, &history, random, GetParam().markedNo);
        ASSERT_FALSE(track.isEmpty()) << "ten refusals in a row at play " << play;
        const QString album = PlayHistory::albumOf(track);
        if (lastTrackPlay.contains(track)) {
            ASSERT_GT(play - lastTrackPlay[track], n) << "track " << qPrintable(track) << " at play " << play;
        }
        // No album among the last k distinct albums played.
        QSet<QString> recent;
        for (qsizetype i = albumOfPlay.size() - 1; i >= 0 && recent.size() < k; --i)
            recent.insert(albumOfPlay[i]);
        ASSERT_FALSE(recent.contains(album)) << "album " << qPrintable(album) << " at play " << play;
        lastTrackPlay[track] = play;
        albumOfPlay.append(album);
        ++albumPicks[album];
        history.record(track);
    }
    ASSERT_EQ(albumPicks.size(), playable);
    for (const QString &album : lib.albums.mid(GetParam().markedNo, playable)) // a fair share each
        EXPECT_GT(albumPicks[album], kPicks / playable / 2) << qPrintable(album);
}

INSTANTIATE_TEST_SUITE_P(Libraries, NoRepeatProperty,
                         ::testing::Values(Shape{20, 5}, Shape{20, 1}, Shape{3, 2}, Shape{2, 1}, Shape{1, 3},
                                           Shape{1, 1}, Shape{6, 5, 3}, Shape{4, 3, 2}, Shape{6, 5, 0, 3}));

TEST(NoRepeat, WithoutAHistoryEveryDrawIsThePlainPick)
{
    const Library lib(4, 3);
    PlayHistory history;
    history.record(lib.tracks[2][0]);
    ScriptedRandom random;
    random.script = {0.6, 0.1};
    NoRepeatPick pick(nullptr, random, 4, [&lib](int i) { return lib.albums.at(i); });
    EXPECT_EQ(pick.drawAlbum(), 2);
    EXPECT_EQ(pick.drawTrack(lib.albums[2], lib.tracks[2]), 0);
    EXPECT_EQ(random.draws, 2);
}

TEST(NoRepeat, AnAlbumWhoseTracksAllPlayedLatelyIsPassedOverForTheRestOfThePick)
{
    const Library lib(4, 2);
    PlayHistory history;
    for (const QString &track : {lib.tracks[0][0], lib.tracks[0][1], lib.tracks[3][0]})
        history.record(track);                         // recent albums: A03, A00
    history.setLimits(PlayHistory::kDefaultTracks, 1); // only A03 counts as a recent album
    ScriptedRandom random;
    random.script = {0.0, 0.9};
    NoRepeatPick pick(&history, random, 4, [&lib](int i) { return lib.albums.at(i); });
    EXPECT_EQ(pick.drawAlbum(), 0);
    EXPECT_EQ(pick.drawTrack(lib.albums[0], lib.tracks[0]), -1);
    random.script = {0.0, 0.9, 0.0};
    EXPECT_EQ(pick.drawAlbum(), 1) << "A00 passed over, A03 recent: the draw of 0.0 is rejected";
}

TEST(PlayHistory, AlbumsCountOnceAndATrackIsKnownByItsCleanPath)
{
    PlayHistory history;
    history.setLimits(2, 2);
    history.record(u"/m/A//1.mp3"_s);
    history.record(u"/m/B/1.mp3"_s);
    history.record(u"/m/A/2.mp3"_s);
    EXPECT_TRUE(history.albumWithin(u"/m/A/"_s, 2));
    EXPECT_TRUE(history.albumWithin(u"/m/B"_s, 2));
    EXPECT_FALSE(history.playedWithin(u"/m/A/1.mp3"_s, 2)) << "the third play pushed it out";
    history.record(u"/m/A/2.mp3"_s); // started again: the same play
    EXPECT_TRUE(history.playedWithin(u"/m/B//1.mp3"_s, 2));
    EXPECT_EQ(history.trackWindow(3), 1);
    EXPECT_EQ(history.albumWindow(100), 2);
}

} // namespace
