#include "party/norepeat.h"
#include "party/playhistory.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

// Album `a` of /lib/A00 ..., and its track `t`.
QString album(int a)
{
    return u"/lib/A%1"_s.arg(a, 2, 10, QChar(u'0'));
}

QStringList tracksOf(int a, int count)
{
    QStringList files;
    for (int t = 0; t < count; ++t)
        files.append(album(a) + u"/t%1.mp3"_s.arg(t));
    return files;
}

TEST(NoRepeat, WithoutAHistoryEveryDrawIsThePlainPick)
{
    ScriptedRandom random;
    random.script = {0.6, 0.1};
    NoRepeatPick pick(nullptr, random, 4, album);
    EXPECT_EQ(pick.drawAlbum(), 2);
    EXPECT_EQ(pick.drawTrack(album(2), tracksOf(2, 3)), 0);
    EXPECT_EQ(random.draws, 2);
}

TEST(NoRepeat, AnAlbumWhoseTracksAllPlayedLatelyIsPassedOverForTheRestOfThePick)
{
    PlayHistory history;
    for (const QString &track : tracksOf(0, 2) + tracksOf(3, 1))
        history.record(track);                         // recent albums: A03, A00
    history.setLimits(PlayHistory::kDefaultTracks, 1); // only A03 counts as a recent album
    ScriptedRandom random;
    random.script = {0.0, 0.9};
    NoRepeatPick pick(&history, random, 4, album);
    EXPECT_EQ(pick.drawAlbum(), 0);
    EXPECT_EQ(pick.drawTrack(album(0), tracksOf(0, 2)), -1);
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
