#include "playbackfixture.h"

#include <array>
#include <cmath>

using namespace lumetra;
using namespace lumetra::test;

namespace {

// Albums sorted Alpha (3 tracks), Beta (2), Gamma (4): a draw r picks floor(3r), then floor(tracks × r).
constexpr double kAlpha = 0.1;
constexpr double kBeta = 0.4;
constexpr double kGamma = 0.8;
const QString kLimitMessage = QStringLiteral(
    "Cannot find enough albums to play in this mode.  Please ensure that they are not all set to skip in shuffle "
    "mode!");

QString fileOf(const QString &url)
{
    return url.section(u'/', -1);
}

TEST_F(PlaybackTest, ShuffleAllPlaysARandomTrackOfARandomAlbumAndPicksAgainAtEveryEnd)
{
    m_random.script = {kGamma, 0.6, kAlpha, 0.9};
    m_playback.mnurandom();
    EXPECT_TRUE(m_playback.shuffleMode());
    EXPECT_EQ(fileOf(m_player.url()), QStringLiteral("g3.wav"));
    EXPECT_EQ(m_view.status, QStringLiteral("*Shuffle Mode: \"g3\" [hit album picture to skip]."));
    EXPECT_EQ(m_view.nowPlaying, folderOf(QStringLiteral("Gamma")) + QStringLiteral("cover.jpg"));
    endTrack();
    EXPECT_EQ(fileOf(m_player.url()), QStringLiteral("03 Three.mp3"));
}

TEST_F(PlaybackTest, TenRefusalsInARowEndInOneMessageAndNormalPlay)
{
    for (const char *title : {"Alpha", "Beta", "Gamma"})
        mark(QString::fromLatin1(title), QStringLiteral("No"));
    m_player.play();
    m_playback.mnurandom();
    EXPECT_EQ(m_prompter.messages, QStringList{kLimitMessage});
    EXPECT_EQ(m_random.draws, 10);
    EXPECT_EQ(m_view.statuses.count(QStringLiteral("Alpha was skipped because it is set not to play in Random mode.")),
              10);
    EXPECT_FALSE(m_playback.shuffleMode());
    EXPECT_FALSE(m_player.isPlaying());
    EXPECT_EQ(m_playback.skipCount(), 0);
    EXPECT_EQ(m_view.status, QStringLiteral("3 albums loaded."));
}

TEST_F(PlaybackTest, NineRefusalsThenAnAcceptedAlbumShowNoMessage)
{
    mark(QStringLiteral("Alpha"), QStringLiteral("No"));
    mark(QStringLiteral("Beta"), QStringLiteral("No"));
    for (int i = 0; i < 9; ++i)
        m_random.script.push_back(i % 2 ? kAlpha : kBeta);
    m_random.script.insert(m_random.script.end(), {kGamma, 0.0});
    m_playback.mnurandom();
    EXPECT_TRUE(m_prompter.messages.isEmpty());
    EXPECT_EQ(m_playback.skipCount(), 0);
    EXPECT_EQ(fileOf(m_player.url()), QStringLiteral("g1.wav"));
}

TEST_F(PlaybackTest, OnlyAnExactNoRefusesAnAlbum)
{
    mark(QStringLiteral("Alpha"), QStringLiteral("no"));
    mark(QStringLiteral("Beta"), QStringLiteral("NO"));
    m_random.script = {kAlpha, 0.0};
    m_playback.mnurandom();
    EXPECT_EQ(fileOf(m_player.url()), QStringLiteral("01 One.wav"));
    m_random.script = {kBeta, 0.0};
    endTrack();
    EXPECT_EQ(fileOf(m_player.url()), QStringLiteral("b1.mp3"));
    EXPECT_EQ(m_playback.skipCount(), 0);
}

TEST_F(PlaybackTest, EveryAlbumButOneMarkedAlwaysLandsOnThatOne)
{
    mark(QStringLiteral("Alpha"), QStringLiteral("No"));
    mark(QStringLiteral("Gamma"), QStringLiteral("No"));
    m_random.script = {kAlpha, kGamma, kAlpha, kBeta, 0.9, kGamma, kBeta, 0.1, kBeta, 0.5};
    m_playback.mnurandom();
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            endTrack();
        EXPECT_TRUE(m_player.url().startsWith(folderOf(QStringLiteral("Beta")))) << i;
    }
    EXPECT_TRUE(m_prompter.messages.isEmpty());
    EXPECT_TRUE(m_random.script.empty());
}

TEST_F(PlaybackTest, SkipControlsOfShuffleAllPickAnewAndCoverClicksAreRefused)
{
    m_random.script = {kAlpha, 0.0, kBeta, 0.0, kGamma, 0.0};
    m_playback.mnurandom();
    m_playback.skipNowPlayingCover();
    EXPECT_EQ(fileOf(m_player.url()), QStringLiteral("b1.mp3"));
    m_playback.trackListKey(Playback::Key::Other); // only Space skips
    EXPECT_EQ(fileOf(m_player.url()), QStringLiteral("b1.mp3"));
    m_playback.trackListKey(Playback::Key::Space);
    EXPECT_EQ(fileOf(m_player.url()), QStringLiteral("g1.wav"));

    const QStringList tracks = m_playback.trackNames();
    m_playback.coverPressed(slotOf(QStringLiteral("Alpha")), true);
    EXPECT_EQ(m_prompter.messages, QStringList{QStringLiteral("You cannot select albums in Shuffle All mode")});
    EXPECT_EQ(m_playback.trackNames(), tracks);
    EXPECT_EQ(fileOf(m_player.url()), QStringLiteral("g1.wav"));
}

TEST_F(PlaybackTest, ShuffleAllOnAnEmptyCatalogueDoesNothing)
{
    QTemporaryDir empty;
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.open(empty.filePath(QStringLiteral("tracks.lum"))));
    RecordView songs(catalogue, QStringLiteral("songs"));
    songs.refresh();
    AlbumList albums;
    Wall wall(songs, albums, m_app);
    RecordingView view(wall);
    Playback playback(songs, wall, albums, m_app, m_player, m_prompter, m_random, view);
    playback.mnurandom();
    EXPECT_FALSE(playback.shuffleMode());
    EXPECT_EQ(m_player.plays, 0);
    EXPECT_EQ(m_random.draws, 0);
}

TEST_F(PlaybackTest, ShuffleMarksChangeOnlyTheAlbumsFlag)
{
    const int gamma = slotOf(QStringLiteral("Gamma"));
    m_playback.setOverCover(gamma);
    m_playback.mnuskip();
    EXPECT_EQ(querySql(m_app.file(QStringLiteral("tracks.lum")),
                       QStringLiteral("SELECT Album, Probability FROM songs ORDER BY ID")),
              (QStringList{QStringLiteral("Alpha|"), QStringLiteral("Beta|"), QStringLiteral("Gamma|No")}));
    m_playback.mnuplay();
    EXPECT_EQ(querySql(m_app.file(QStringLiteral("tracks.lum")), QStringLiteral("SELECT Probability FROM songs")),
              (QStringList{QString(), QString(), QString()}));
    EXPECT_EQ(m_player.plays, 0);

    // A slot whose album has left the catalogue changes nothing.
    m_songs.findFirst(QStringLiteral("ID = ") + m_wall.page()[gamma].id);
    m_songs.deleteRecord();
    m_playback.mnuskip();
    EXPECT_EQ(querySql(m_app.file(QStringLiteral("tracks.lum")), QStringLiteral("SELECT Probability FROM songs")),
              (QStringList{QString(), QString()}));
}

TEST_F(JukeboxTest, AnEmptiedQueueRefillsWithARandomTrackThroughTheTrackList)
{
    m_playback.selectTrack(0);
    m_random.script = {kBeta, 0.6};
    endTrack();
    EXPECT_EQ(m_playback.queueLines(),
              QStringList{QStringLiteral("B2 - Added by Lumetra - Hey, Nothing was waiting in the queue...")});
    EXPECT_EQ(m_playback.queuePaths(), QStringList{folderOf(QStringLiteral("Beta")) + QStringLiteral("B2.MP3")});
    EXPECT_EQ(m_player.url(), m_playback.queuePaths().first());
    EXPECT_FALSE(m_playback.queueEmpty());
    EXPECT_FALSE(m_playback.shuffleMode());
    EXPECT_EQ(m_view.status, QStringLiteral("*Playlist Mode: (click album art in playlist area to skip track...)"));

    // The user's next click on that same track queues it normally.
    m_playback.coverPressed(slotOf(QStringLiteral("Beta")), true);
    m_playback.selectTrack(1);
    EXPECT_EQ(m_playback.queueLines().size(), 1);
    m_playback.selectTrack(0);
    EXPECT_EQ(m_playback.queueLines().at(1), QStringLiteral("b1  -  Beta"));
}

TEST_F(JukeboxTest, ARefillWithEveryAlbumRefusedEndsJukebox)
{
    for (const char *title : {"Alpha", "Beta", "Gamma"})
        mark(QString::fromLatin1(title), QStringLiteral("No"));
    m_playback.selectTrack(0);
    endTrack();
    EXPECT_EQ(m_prompter.messages, QStringList{kLimitMessage});
    EXPECT_FALSE(m_playback.jukeMode());
    EXPECT_FALSE(m_view.jukeboxArea);
    EXPECT_FALSE(m_player.isPlaying());
}

TEST_F(PlaybackTest, PlayThisAlbumShuffledCyclesWithoutRepeats)
{
    m_playback.setOverCover(slotOf(QStringLiteral("Gamma")));
    m_random.script = {0.3, 0.3, 0.9, 0.0, 0.6};
    m_playback.mnuplsh();
    QStringList played{fileOf(m_player.url())};
    for (int i = 0; i < 3; ++i) {
        endTrack();
        played.append(fileOf(m_player.url()));
    }
    EXPECT_EQ(played, (QStringList{QStringLiteral("g2.wav"), QStringLiteral("g4.wav"), QStringLiteral("g1.wav"),
                                   QStringLiteral("g3.wav")}));
    EXPECT_TRUE(m_view.status.isEmpty());
}

TEST_F(JukeboxTest, PlayThisAlbumShuffledIsRefusedInJukebox)
{
    m_playback.selectTrack(0);
    m_playback.setOverCover(slotOf(QStringLiteral("Gamma")));
    m_playback.mnuplsh();
    EXPECT_EQ(m_prompter.messages, QStringList{QStringLiteral("This can't be used in Jukebox mode")});
    EXPECT_EQ(m_playback.queueLines().size(), 1);
    EXPECT_EQ(m_playback.trackNames().size(), 3); // Alpha's list stays
}

TEST_F(PlaybackTest, ShuffleAllKeepsPrecedenceAfterPlayThisAlbumShuffled)
{
    m_random.script = {kAlpha, 0.0};
    m_playback.mnurandom();
    m_playback.setOverCover(slotOf(QStringLiteral("Gamma")));
    m_random.script = {0.6, kBeta, 0.0};
    m_playback.mnuplsh();
    EXPECT_EQ(fileOf(m_player.url()), QStringLiteral("g3.wav"));
    endTrack();
    EXPECT_EQ(fileOf(m_player.url()), QStringLiteral("b1.mp3"));
}

// 20,000 picks of the program's own clock-seeded source over seven albums, tested for uniformity with a
// chi-square test of 6 degrees of freedom. The bound 54 is exceeded by chance with probability about
// 5e-10, so the test does not flake, yet a biased pick (one album 5% too often) exceeds it every time.
TEST(ShuffleDistribution, PicksOverSevenAlbumsAreUniform)
{
    QTemporaryDir dir;
    QList<TestAlbum> seven;
    for (int i = 0; i < 7; ++i)
        seven.append({QStringLiteral("Album %1").arg(i), false, {QStringLiteral("t.wav")}});
    ASSERT_TRUE(writeCatalogue(dir.path(), seven));
    const AppFolder app(dir.path());
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.open(app.file(QStringLiteral("tracks.lum"))));
    RecordView songs(catalogue, QStringLiteral("songs"));
    songs.refresh();
    AlbumList albums;
    albums.populate(songs);
    Wall wall(songs, albums, app);
    RecordingView view(wall);
    FakePlayer player;
    FakePrompter prompter;
    const auto random = RandomSource::clockSeeded();
    Playback playback(songs, wall, albums, app, player, prompter, *random, view);

    constexpr int kPicks = 20000;
    std::array<int, 7> counts{};
    for (int i = 0; i < kPicks; ++i) {
        playback.randomiser();
        const QString folder = player.url().section(u'/', -2, -2);
        ++counts[folder.mid(5).toInt()];
    }
    const double expected = kPicks / 7.0;
    double chiSquare = 0;
    for (const int count : counts)
        chiSquare += (count - expected) * (count - expected) / expected;
    EXPECT_LT(chiSquare, 54.0);
}

} // namespace
