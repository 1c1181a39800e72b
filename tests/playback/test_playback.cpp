#include "playbackfixture.h"

using namespace lumetra;
using namespace lumetra::test;

namespace {

TEST_F(PlaybackTest, NormalPlayRunsTheAlbumToItsEndAndStops)
{
    m_playback.setAutoplay(true);
    m_playback.coverPressed(slotOf(QStringLiteral("Alpha")), true);
    const QString folder = folderOf(QStringLiteral("Alpha"));
    EXPECT_EQ(m_playback.trackNames(),
              (QStringList{QStringLiteral("01 One"), QStringLiteral("02 Two"), QStringLiteral("03 Three")}));
    EXPECT_EQ(m_player.url(), folder + QStringLiteral("01 One.wav"));
    EXPECT_TRUE(m_player.isPlaying());

    endTrack();
    EXPECT_EQ(m_player.url(), folder + QStringLiteral("02 Two.ogg"));
    endTrack();
    EXPECT_EQ(m_player.url(), folder + QStringLiteral("03 Three.mp3"));
    const int stops = m_player.stops;
    endTrack();
    EXPECT_FALSE(m_player.isPlaying());
    EXPECT_EQ(m_player.stops, stops + 1);
    EXPECT_EQ(m_playback.selectedTrack(), 2);
    EXPECT_TRUE(m_view.status.isEmpty()); // Normal Play leaves the title alone
}

TEST_F(PlaybackTest, OnlyAnEndedReportFollowedByTransitioningAdvances)
{
    m_playback.setAutoplay(true);
    m_playback.coverPressed(slotOf(QStringLiteral("Alpha")), true);
    const QString first = m_player.url();
    m_playback.playStateChanged(MediaPlayer::Transitioning); // as when a new file is loaded
    m_playback.playStateChanged(MediaPlayer::Playing);
    EXPECT_EQ(m_player.url(), first);
    m_playback.playStateChanged(MediaPlayer::MediaEnded);
    m_playback.playStateChanged(MediaPlayer::Stopped);
    EXPECT_EQ(m_player.url(), first);
    m_playback.playStateChanged(MediaPlayer::Transitioning);
    EXPECT_NE(m_player.url(), first);
    const QString second = m_player.url();
    m_playback.playStateChanged(MediaPlayer::Transitioning);
    EXPECT_EQ(m_player.url(), second);
}

TEST_F(PlaybackTest, OpeningAnotherAlbumWithoutAutoplayPlaysItsFirstTrackNext)
{
    m_playback.coverPressed(slotOf(QStringLiteral("Alpha")), true);
    EXPECT_EQ(m_player.plays, 0);
    EXPECT_EQ(m_view.nowPlaying, folderOf(QStringLiteral("Alpha")) + QStringLiteral("cover.jpg"));
    ASSERT_TRUE(m_playback.selectTrack(1));
    EXPECT_EQ(m_player.url(), folderOf(QStringLiteral("Alpha")) + QStringLiteral("02 Two.ogg"));

    m_playback.coverPressed(slotOf(QStringLiteral("Beta")), true);
    EXPECT_EQ(m_playback.selectedTrack(), -1);
    EXPECT_EQ(m_view.nowPlaying, m_app.noCoverPicture());
    EXPECT_EQ(m_playback.trackNames(), (QStringList{QStringLiteral("b1"), QStringLiteral("B2")}));
    endTrack();
    EXPECT_EQ(m_player.url(), folderOf(QStringLiteral("Beta")) + QStringLiteral("b1.mp3"));
}

TEST_F(PlaybackTest, AlbumShufflePlaysEveryTrackOnceThenStartsOver)
{
    m_playback.coverPressed(slotOf(QStringLiteral("Gamma")), true);
    m_playback.setAlbumShuffle(true);
    m_playback.setPlayedTracks(QStringLiteral(","));
    // floor(r × 4): 2, then 2 again (refused), 0, 3, 0 (refused), 1.
    m_random.script = {0.5, 0.6, 0.1, 0.9, 0.2, 0.3};
    QStringList played;
    for (int i = 0; i < 4; ++i) {
        endTrack();
        played.append(m_player.url().section(u'/', -1));
    }
    EXPECT_EQ(played, (QStringList{QStringLiteral("g3.wav"), QStringLiteral("g1.wav"), QStringLiteral("g4.wav"),
                                   QStringLiteral("g2.wav")}));
    EXPECT_EQ(m_playback.playedTracks(), QStringLiteral(",2,0,3,1,"));

    // Every track played: 199 refused draws, then the 200th resets the list and is taken.
    m_random.draws = 0;
    m_random.script.assign(199, 0.0);
    m_random.script.push_back(0.75);
    endTrack();
    EXPECT_EQ(m_random.draws, 200);
    EXPECT_EQ(m_player.url().section(u'/', -1), QStringLiteral("g4.wav"));
    EXPECT_EQ(m_playback.playedTracks(), QStringLiteral(",3,"));
}

TEST_F(PlaybackTest, ACoverClickEndsAlbumShuffleAndOneTrackAlbumsRepeat)
{
    load({{QStringLiteral("Solo"), true, {QStringLiteral("only.ogg")}}}); // joins the three albums
    m_playback.setAutoplay(true);
    m_playback.coverPressed(slotOf(QStringLiteral("Solo")), true);
    m_playback.setAlbumShuffle(true);
    m_playback.setPlayedTracks(QStringLiteral(","));
    endTrack();
    endTrack();
    EXPECT_EQ(m_player.url().section(u'/', -1), QStringLiteral("only.ogg"));
    EXPECT_TRUE(m_player.isPlaying());
    EXPECT_EQ(m_playback.playedTracks(), QStringLiteral(",0,"));
    m_playback.coverPressed(slotOf(QStringLiteral("Solo")), true);
    EXPECT_FALSE(m_playback.albumShuffle());
}

TEST_F(PlaybackTest, RightClickTargetsTheSlotAndEmptySlotsIgnoreClicks)
{
    m_playback.coverPressed(2, false);
    EXPECT_EQ(m_playback.overCover(), 2);
    EXPECT_EQ(m_view.coverMenus, 1);
    m_wall.setNoWrap(true);
    m_wall.display(); // past the end: every slot empty
    m_playback.coverPressed(1, false);
    m_playback.coverPressed(1, true);
    EXPECT_EQ(m_view.coverMenus, 1);
    EXPECT_TRUE(m_playback.trackNames().isEmpty());
}

TEST_F(JukeboxTest, EnteringRebuildsTheWallAndPlaysNothing)
{
    EXPECT_TRUE(m_playback.jukeMode());
    EXPECT_TRUE(m_view.jukeboxArea);
    EXPECT_EQ(m_view.unloads, 1);
    EXPECT_EQ(m_view.queuePicture, m_app.defaultPicture());
    EXPECT_EQ(m_player.plays, 0);
    EXPECT_EQ(m_playback.trackNames().size(), 3); // the cover click lists, it does not queue
    EXPECT_TRUE(m_playback.queueLines().isEmpty());
    m_playback.jukeboxmode();
    EXPECT_EQ(m_view.unloads, 1);
}

TEST_F(JukeboxTest, TracksQueueOnceAndTheFirstStartsAtOnce)
{
    m_playback.selectTrack(0);
    EXPECT_EQ(m_playback.queueLines(), QStringList{QStringLiteral("01 One  -  Alpha")});
    EXPECT_EQ(m_playback.queuePaths(), QStringList{m_alpha + QStringLiteral("01 One.wav")});
    EXPECT_EQ(m_player.url(), m_alpha + QStringLiteral("01 One.wav"));
    EXPECT_EQ(m_view.queuePicture, m_alpha + QStringLiteral("cover.jpg"));
    EXPECT_EQ(m_view.status, QStringLiteral("*Playlist Mode: (click album art in playlist area to skip track...)"));

    m_playback.selectTrack(0); // the same track again
    EXPECT_EQ(m_playback.queueLines().size(), 1);
    m_playback.selectTrack(1);
    EXPECT_EQ(m_playback.queueLines().size(), 2);
    EXPECT_EQ(m_player.plays, 1);

    endTrack();
    EXPECT_EQ(m_playback.queueLines(), QStringList{QStringLiteral("02 Two  -  Alpha")});
    EXPECT_EQ(m_player.url(), m_alpha + QStringLiteral("02 Two.ogg"));
    EXPECT_EQ(m_view.queuePicture, m_alpha + QStringLiteral("cover.jpg"));
    m_playback.selectTrack(1); // allowed again once a queued track has ended
    EXPECT_EQ(m_playback.queueLines().size(), 2);

    endTrack();
    endTrack(); // the last queued track ends: the queue refills itself
    EXPECT_EQ(m_playback.queueLines(),
              QStringList{QStringLiteral("01 One - Added by Lumetra - Hey, Nothing was waiting in the queue...")});
    EXPECT_EQ(m_player.url(), m_alpha + QStringLiteral("01 One.wav"));
}

TEST_F(JukeboxTest, TheQueueCoverShowsTheHeadFoldersFirstPicture)
{
    queueSeveral(1);
    const QString gamma = folderOf(QStringLiteral("Gamma"));
    writeFile(gamma + QStringLiteral("Back.GIF"), QByteArray("GIF89a"));
    m_playback.coverPressed(slotOf(QStringLiteral("Beta")), true);
    m_playback.selectTrack(0);
    endTrack();
    EXPECT_EQ(m_view.queuePicture, gamma + QStringLiteral("Back.GIF")); // before cover.jpg by name
    endTrack();
    EXPECT_EQ(m_view.queuePicture, m_app.defaultPicture()); // Beta's folder has no picture
}

TEST_F(JukeboxTest, DeletingAndMovingEntries)
{
    queueSeveral(4); // Alpha 01, then g1..g4
    ASSERT_EQ(m_playback.queueLines().size(), 5);
    const int plays = m_player.plays;

    m_playback.selectQueueEntry(0);
    m_playback.playdel();
    EXPECT_EQ(m_prompter.messages, QStringList{QStringLiteral("Cannot delete a playing track - click on the album "
                                                              "cover art to right if you want to skip this track")});
    m_playback.selectQueueEntry(3);
    m_playback.playdel();
    EXPECT_EQ(m_playback.queueLines().size(), 4);
    EXPECT_FALSE(m_playback.queueLines().contains(QStringLiteral("g3  -  Gamma")));
    EXPECT_EQ(m_playback.selectedQueueEntry(), 0);
    EXPECT_EQ(m_player.plays, plays);

    m_playback.selectTrack(2); // back to five: Alpha 01, g1, g2, g4, g3
    m_playback.selectQueueEntry(4);
    m_playback.mnutop();
    EXPECT_EQ(m_playback.queueLines().at(1), QStringLiteral("g3  -  Gamma"));
    EXPECT_EQ(m_playback.queuePaths().at(1).section(u'/', -1), QStringLiteral("g3.wav"));
    EXPECT_EQ(m_playback.selectedQueueEntry(), 1);
    EXPECT_EQ(m_player.plays, plays);

    m_playback.selectQueueEntry(0); // the playing line itself moves behind the next one
    m_playback.mnutop();
    EXPECT_EQ(m_playback.queueLines().at(0), QStringLiteral("g3  -  Gamma"));
    EXPECT_EQ(m_playback.queueLines().at(1), QStringLiteral("01 One  -  Alpha"));
}

TEST_F(JukeboxTest, AnyKeySkipsTheSelectedEntryAndRestartsTheHead)
{
    queueSeveral(3); // Alpha 01, g1, g2, g3
    m_playback.selectQueueEntry(2);
    m_playback.queueListKey(Playback::Key::Other);
    EXPECT_EQ(m_playback.queueLines().size(), 3);
    EXPECT_FALSE(m_playback.queueLines().contains(QStringLiteral("g2  -  Gamma")));
    EXPECT_EQ(m_player.url(), m_alpha + QStringLiteral("01 One.wav"));

    m_playback.selectQueueEntry(0);
    m_playback.trackListKey(Playback::Key::Space);
    EXPECT_EQ(m_player.url().section(u'/', -1), QStringLiteral("g1.wav"));
    EXPECT_EQ(m_playback.queueLines().size(), 2);
}

TEST_F(JukeboxTest, QueueCoverSkipWithOneEntryLeavesTheQueueEmpty)
{
    m_playback.selectTrack(0);
    const int plays = m_player.plays;
    m_playback.skipQueueCover();
    EXPECT_TRUE(m_playback.queueLines().isEmpty());
    EXPECT_FALSE(m_player.isPlaying());
    EXPECT_EQ(m_player.plays, plays);
    EXPECT_EQ(m_view.queuePicture, m_app.defaultPicture());
    EXPECT_TRUE(m_prompter.messages.isEmpty());
}

TEST_F(JukeboxTest, JukeboxComesBeforeAlbumShuffleWhenATrackEnds)
{
    queueSeveral(1);
    m_playback.setAlbumShuffle(true);
    m_playback.setPlayedTracks(QStringLiteral(","));
    endTrack();
    EXPECT_EQ(m_player.url().section(u'/', -1), QStringLiteral("g1.wav"));
    EXPECT_EQ(m_random.draws, 0);
}

TEST_F(JukeboxTest, NormalPlayLeavesJukebox)
{
    m_playback.selectTrack(0);
    m_playback.mnunormal();
    EXPECT_FALSE(m_playback.jukeMode());
    EXPECT_FALSE(m_view.jukeboxArea);
    EXPECT_EQ(m_view.unloads, 2);
    EXPECT_FALSE(m_player.isPlaying());
    EXPECT_TRUE(m_playback.trackNames().isEmpty());
    EXPECT_EQ(m_view.status, QStringLiteral("3 albums loaded."));
    EXPECT_EQ(m_view.nowPlaying, m_app.defaultPicture());
}

TEST_F(PlaybackTest, KeypadPlusAndMinusPageTheWall)
{
    QList<TestAlbum> twenty;
    for (int i = 0; i < 20; ++i)
        twenty.append({QStringLiteral("T%1").arg(i, 2, 10, QLatin1Char('0')), false});
    QTemporaryDir other;
    ASSERT_TRUE(writeCatalogue(other.path(), twenty));
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.open(other.filePath(QStringLiteral("tracks.lum"))));
    RecordView songs(catalogue, QStringLiteral("songs"));
    songs.refresh();
    AlbumList albums;
    albums.populate(songs);
    Wall wall(songs, albums, m_app);
    wall.setSlotCount(9);
    wall.display();
    RecordingView view(wall);
    Playback playback(songs, wall, albums, m_app, m_player, m_prompter, m_random, view);

    playback.trackListKey(Playback::Key::KeypadPlus);
    EXPECT_EQ(wall.page()[0].title, QStringLiteral("T09"));
    playback.trackListKey(Playback::Key::KeypadMinus);
    EXPECT_EQ(wall.page()[0].title, QStringLiteral("T00"));
    playback.trackListKey(Playback::Key::KeypadMinus); // from the first page: the last albums, wrapping
    EXPECT_EQ(wall.page()[0].title, QStringLiteral("T11"));
}

TEST_F(PlaybackTest, StartModeEntersJukeboxOnce)
{
    m_playback.setStartMode(QStringLiteral("jukebox"));
    m_playback.resumeStartMode();
    EXPECT_TRUE(m_playback.jukeMode());
    m_playback.mnunormal();
    m_playback.resumeStartMode();
    EXPECT_FALSE(m_playback.jukeMode());
}

} // namespace
