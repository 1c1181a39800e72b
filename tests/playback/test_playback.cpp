#include "playbackfixture.h"

#include <QDir>

#include <functional>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

TEST_F(PlaybackTest, OnlyAnEndedReportFollowedByTransitioningAdvances)
{
    m_playback.setAutoplay(true);
    m_playback.coverPressed(slotOf(u"Alpha"_s), true);
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

TEST_F(PlaybackTest, OpeningAnotherAlbumWithoutAutoplayPlaysItsTracksInTurnFromTheFirstThenStops)
{
    m_playback.coverPressed(slotOf(u"Alpha"_s), true);
    EXPECT_EQ(m_player.plays, 0);
    EXPECT_EQ(m_view.nowPlaying, folderOf(u"Alpha"_s) + u"cover.jpg"_s);
    ASSERT_TRUE(m_playback.selectTrack(1));
    EXPECT_EQ(m_player.url(), folderOf(u"Alpha"_s) + u"02 Two.ogg"_s);

    m_playback.coverPressed(slotOf(u"Beta"_s), true);
    EXPECT_EQ(m_playback.selectedTrack(), -1);
    EXPECT_EQ(m_view.nowPlaying, m_app.noCoverPicture());
    EXPECT_EQ(m_playback.trackNames(), (QStringList{u"b1"_s, u"B2"_s}));
    endTrackToldAhead();
    EXPECT_EQ(m_player.url(), folderOf(u"Beta"_s) + u"b1.mp3"_s);
    endTrackToldAhead();
    EXPECT_EQ(m_player.url(), folderOf(u"Beta"_s) + u"B2.MP3"_s);
    const int stops = m_player.stops;
    endTrack();
    EXPECT_FALSE(m_player.isPlaying());
    EXPECT_EQ(m_player.stops, stops + 1);
    EXPECT_EQ(m_playback.selectedTrack(), 1);
    EXPECT_TRUE(m_view.status.isEmpty()); // Normal Play leaves the title alone
}

TEST_F(PlaybackTest, ACoverClickEndsAlbumShuffleAndOneTrackAlbumsRepeat)
{
    load({{u"Solo"_s, true, {u"only.ogg"_s}}}); // joins the three albums
    m_playback.setAutoplay(true);
    m_playback.coverPressed(slotOf(u"Solo"_s), true);
    m_playback.setAlbumShuffle(true);
    m_playback.setPlayedTracks(u","_s);
    endTrack();
    endTrack();
    EXPECT_EQ(m_player.url().section(u'/', -1), u"only.ogg"_s);
    EXPECT_TRUE(m_player.isPlaying());
    EXPECT_EQ(m_playback.playedTracks(), u",0,"_s);
    m_playback.coverPressed(slotOf(u"Solo"_s), true);
    EXPECT_FALSE(m_playback.albumShuffle());
}

TEST_F(PlaybackTest, EmptySlotsIgnoreClicks)
{
    m_wall.setNoWrap(true);
    m_wall.display(); // past the end: every slot empty
    m_playback.coverPressed(1, false);
    m_playback.coverPressed(1, true);
    EXPECT_EQ(m_view.coverMenus, 0);
    EXPECT_TRUE(m_playback.trackNames().isEmpty());
}

// Entered, the wall is rebuilt and nothing plays; a track queues once and the first starts at once; one album
// shuffled is refused; Normal Play leaves.
TEST_F(JukeboxTest, EnteringQueueingOnceAndLeaving)
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

    m_playback.selectTrack(0);
    EXPECT_EQ(m_playback.queueLines(), QStringList{u"01 One  -  Alpha"_s});
    EXPECT_EQ(m_playback.queuePaths(), QStringList{m_alpha + u"01 One.wav"_s});
    EXPECT_EQ(m_player.url(), m_alpha + u"01 One.wav"_s);
    EXPECT_EQ(m_view.queuePicture, m_alpha + u"cover.jpg"_s);
    m_playback.selectTrack(0); // the same track again
    EXPECT_EQ(m_playback.queueLines().size(), 1);
    m_playback.selectTrack(1);
    EXPECT_EQ(m_playback.queueLines().size(), 2);
    EXPECT_EQ(m_player.plays, 1);
    endTrackToldAhead();
    EXPECT_EQ(m_playback.queueLines(), QStringList{u"02 Two  -  Alpha"_s});
    EXPECT_EQ(m_player.url(), m_alpha + u"02 Two.ogg"_s);
    m_playback.selectTrack(1); // allowed again once a queued track has ended
    EXPECT_EQ(m_playback.queueLines().size(), 2);

    m_playback.setOverCover(slotOf(u"Gamma"_s));
    m_playback.mnuplsh();
    EXPECT_EQ(m_prompter.messages, QStringList{u"This can't be used in Jukebox mode"_s});
    EXPECT_EQ(m_playback.queueLines().size(), 2);
    EXPECT_EQ(m_playback.trackNames().size(), 3); // Alpha's list stays

    m_playback.mnunormal();
    EXPECT_FALSE(m_playback.jukeMode());
    EXPECT_FALSE(m_view.jukeboxArea);
    EXPECT_EQ(m_view.unloads, 2);
    EXPECT_FALSE(m_player.isPlaying());
    EXPECT_TRUE(m_playback.trackNames().isEmpty());
    EXPECT_EQ(m_view.status, u"3 albums loaded."_s);
    EXPECT_EQ(m_view.nowPlaying, m_app.defaultPicture());
    m_playback.jukeboxmode(); // the queue starts empty again, its files too
    m_playback.coverPressed(slotOf(u"Gamma"_s), true);
    m_playback.selectTrack(0);
    EXPECT_EQ(m_playback.queuePaths(), QStringList{folderOf(u"Gamma"_s) + u"g1.wav"_s});
}

// The next queued track plays before album shuffle picks, and the queue cover shows its folder's picture.
TEST_F(JukeboxTest, AnEndedTrackHandsOverToTheNextQueuedOneAndItsFoldersFirstPicture)
{
    queueSeveral(1);
    const QString gamma = folderOf(u"Gamma"_s);
    writeFile(gamma + u"Back.GIF"_s, QByteArray("GIF89a"));
    m_playback.coverPressed(slotOf(u"Beta"_s), true);
    m_playback.selectTrack(0);
    m_playback.setAlbumShuffle(true);
    m_playback.setPlayedTracks(u","_s);
    endTrack();
    EXPECT_EQ(m_player.url().section(u'/', -1), u"g1.wav"_s);
    EXPECT_EQ(m_random.draws, 0);
    EXPECT_EQ(m_view.queuePicture, gamma + u"Back.GIF"_s); // before cover.jpg by name
    endTrack();
    EXPECT_EQ(m_view.queuePicture, m_app.defaultPicture()); // Beta's folder has no picture
}

TEST_F(JukeboxTest, EntriesAreDeletedByMenuOrAnyKeyMovedAndTheHeadSkippedBySpace)
{
    queueSeveral(4); // Alpha 01, then g1..g4
    ASSERT_EQ(m_playback.queueLines().size(), 5);
    const int plays = m_player.plays;

    m_playback.selectQueueEntry(0);
    m_playback.playdel();
    EXPECT_EQ(m_prompter.messages,
              QStringList{QStringLiteral("Cannot delete a playing track - click on the album "
                                         "cover art to right if you want to skip this track")});
    m_playback.selectQueueEntry(3);
    m_playback.playdel();
    EXPECT_EQ(m_playback.queueLines().size(), 4);
    EXPECT_FALSE(m_playback.queueLines().contains(u"g3  -  Gamma"_s));
    EXPECT_EQ(m_playback.selectedQueueEntry(), 0);
    EXPECT_EQ(m_player.plays, plays);
    m_playback.selectQueueEntry(2); // any key deletes too, and starts the head again
    m_playback.queueListKey(Playback::Key::Other);
    EXPECT_EQ(m_playback.queueLines().size(), 3);
    EXPECT_FALSE(m_playback.queueLines().contains(u"g2  -  Gamma"_s));
    EXPECT_EQ(m_player.url(), m_alpha + u"01 One.wav"_s);

    m_playback.selectTrack(2); // Alpha 01, g1, g4, g3
    m_playback.selectQueueEntry(3);
    m_playback.mnutop();
    EXPECT_EQ(m_playback.queueLines().at(1), u"g3  -  Gamma"_s);
    EXPECT_EQ(m_playback.queuePaths().at(1).section(u'/', -1), u"g3.wav"_s);
    EXPECT_EQ(m_playback.selectedQueueEntry(), 1);
    EXPECT_EQ(m_player.plays, plays + 1);
    // One past the last line: the selection stays.
    m_playback.selectQueueEntry(int(m_playback.queueLines().size()));
    EXPECT_EQ(m_playback.selectedQueueEntry(), 1);

    m_playback.selectQueueEntry(0);
    m_playback.trackListKey(Playback::Key::Space);
    EXPECT_EQ(m_player.url().section(u'/', -1), u"g3.wav"_s);
    EXPECT_EQ(m_playback.queueLines().size(), 3);
    m_playback.selectQueueEntry(0); // the playing line itself moves behind the next one
    m_playback.mnutop();
    m_playback.selectQueueEntry(-1); // nothing selected: nothing moves
    m_playback.mnutop();
    EXPECT_EQ(m_playback.queueLines().at(0), u"g1  -  Gamma"_s);
    EXPECT_EQ(m_playback.queueLines().at(1), u"g3  -  Gamma"_s);
}

// However the last entry goes, the queue refills with a random track through the track list.
TEST_F(JukeboxTest, TheLastEntryEndingOrSkippedByTheCoverOrAKeyRefillsTheQueue)
{
    const QString beta = folderOf(u"Beta"_s);
    const std::function<void()> ways[] = {[this] { endTrack(); }, [this] { m_playback.skipQueueCover(); },
                                          [this] {
                                              m_playback.selectQueueEntry(0);
                                              m_playback.queueListKey(Playback::Key::Other);
                                          }};
    m_playback.selectTrack(0);
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        const bool second = way % 2 == 0; // B2, then b1: each refill plays another track
        m_random.script = {0.4, second ? 0.6 : 0.0};
        ways[way]();
        EXPECT_EQ(m_playback.queueLines(),
                  QStringList{(second ? u"B2"_s : u"b1"_s) +
                              u" - Added by Lumetra - Hey, Nothing was waiting in the queue..."_s});
        EXPECT_EQ(m_playback.queuePaths(), QStringList{beta + (second ? u"B2.MP3"_s : u"b1.mp3"_s)});
        EXPECT_EQ(m_player.url(), m_playback.queuePaths().value(0));
        EXPECT_TRUE(m_player.isPlaying());
    }
    EXPECT_TRUE(m_prompter.messages.isEmpty());
    EXPECT_FALSE(m_playback.shuffleMode());
    EXPECT_EQ(m_view.status, u"*Playlist Mode: (click album art in playlist area to skip track...)"_s);

    // The user's next click on that same track does not queue it twice; another of its album queues normally.
    m_playback.coverPressed(slotOf(u"Beta"_s), true);
    m_playback.selectTrack(1);
    EXPECT_EQ(m_playback.queueLines().size(), 1);
    m_playback.selectTrack(0);
    EXPECT_EQ(m_playback.queueLines().at(1), u"b1  -  Beta"_s);
}

TEST_F(PlaybackTest, KeypadPlusAndMinusPageTheWall)
{
    QList<TestAlbum> twenty; // after Alpha, Beta and Gamma
    for (int i = 0; i < 20; ++i)
        twenty.append({u"T%1"_s.arg(i, 2, 10, QLatin1Char('0')), false});
    load(twenty);
    m_wall.setSlotCount(9);
    m_wall.setFirstAlbum(0);
    m_wall.display();
    m_playback.trackListKey(Playback::Key::KeypadPlus);
    EXPECT_EQ(m_wall.page()[0].title, u"T06"_s);
    m_playback.trackListKey(Playback::Key::KeypadMinus);
    EXPECT_EQ(m_wall.page()[0].title, u"Alpha"_s);
    m_playback.trackListKey(Playback::Key::KeypadMinus); // from the first page: the last albums, wrapping
    EXPECT_EQ(m_wall.page()[0].title, u"T11"_s);
}

TEST_F(PlaybackTest, TenUnplayableFilesInARowStopWithOneMessageAndAGoodFileEndsTheRun)
{
    const QString alpha = folderOf(u"Alpha"_s);
    m_player.broken = {alpha + u"01 One.wav"_s};
    for (int i = 0; i < 9; ++i)
        m_random.script.insert(m_random.script.end(), {0.1, 0.0}); // Alpha's broken first track
    m_random.script.insert(m_random.script.end(), {0.4, 0.0});     // Beta's b1, which plays
    m_playback.mnurandom();
    settle(50);
    EXPECT_EQ(m_player.url(), folderOf(u"Beta"_s) + u"b1.mp3"_s);
    EXPECT_TRUE(m_prompter.messages.isEmpty());

    endTrack(); // from here on the script is used up: every pick is Alpha's first track
    settle(50);
    EXPECT_EQ(m_player.plays, 20);
    EXPECT_FALSE(m_player.isPlaying());
    ASSERT_EQ(m_prompter.messages.size(), 1);
    EXPECT_TRUE(m_prompter.messages[0].contains(u"10 files in a row could not be played"_s));
    EXPECT_TRUE(m_prompter.messages[0].contains(QDir::toNativeSeparators(alpha.chopped(1))));
    EXPECT_EQ(m_view.notices.size(), 19);
}

TEST_F(PlaybackTest, AFileThatNeverLoadsIsSkippedAfterTheTimeoutUnlessTheUserStopped)
{
    const QString alpha = folderOf(u"Alpha"_s);
    m_player.stalled = {alpha + u"01 One.wav"_s, alpha + u"02 Two.ogg"_s};
    m_playback.setLoadTimeout(200);
    m_playback.setAutoplay(true);
    QElapsedTimer clock;
    clock.start();
    m_playback.coverPressed(slotOf(u"Alpha"_s), true);
    ASSERT_EQ(m_player.url(), alpha + u"01 One.wav"_s);
    while (m_player.url() != alpha + u"02 Two.ogg"_s && clock.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_GE(clock.elapsed(), 150); // not before the timeout (a coarse timer may fire a little early)
    ASSERT_EQ(m_player.url(), alpha + u"02 Two.ogg"_s);
    m_player.stop();
    settle(500);
    EXPECT_EQ(m_player.url(), alpha + u"02 Two.ogg"_s);
    EXPECT_EQ(m_view.notices, QStringList{u"Could not play \"01 One.wav\""_s});
}

} // namespace
