#include "core/collectionfile.h"
#include "playback/collections.h"
#include "playbackfixture.h"

#include <QDir>

#include <array>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

// Albums sorted Alpha (3 tracks), Beta (2), Gamma (4): a draw r picks floor(3r), then floor(tracks × r).
constexpr double kAlpha = 0.1;
constexpr double kBeta = 0.4;
constexpr double kGamma = 0.8;
const QString kLimitMessage = QStringLiteral("Cannot find enough albums to play in this mode.  Please ensure "
                                             "that they are not all set to skip in shuffle "
                                             "mode!");

QString fileOf(const QString &url)
{
    return url.section(u'/', -1);
}

// A random track of a random album, and a new pick at every end and every skip; covers cannot be chosen.
TEST_F(PlaybackTest, ShuffleAllPicksAgainAtEveryEndAndSkipAndRefusesCoverClicks)
{
    m_random.script = {kGamma, 0.6, kAlpha, 0.9, kBeta, 0.0, kGamma, 0.0};
    m_playback.mnurandom();
    EXPECT_TRUE(m_playback.shuffleMode());
    EXPECT_EQ(fileOf(m_player.url()), u"g3.wav"_s);
    EXPECT_EQ(m_view.status, u"*Shuffle Mode: \"g3\" [hit album picture to skip]."_s);
    EXPECT_EQ(m_view.nowPlaying, folderOf(u"Gamma"_s) + u"cover.jpg"_s);
    endTrack();
    EXPECT_EQ(fileOf(m_player.url()), u"03 Three.mp3"_s);
    m_playback.skipNowPlayingCover();
    EXPECT_EQ(fileOf(m_player.url()), u"b1.mp3"_s);
    m_playback.trackListKey(Playback::Key::Other); // only Space skips
    EXPECT_EQ(fileOf(m_player.url()), u"b1.mp3"_s);
    m_playback.trackListKey(Playback::Key::Space);
    EXPECT_EQ(fileOf(m_player.url()), u"g1.wav"_s);

    const QStringList tracks = m_playback.trackNames();
    m_playback.coverPressed(slotOf(u"Alpha"_s), true);
    EXPECT_EQ(m_prompter.messages, QStringList{u"You cannot select albums in Shuffle All mode"_s});
    EXPECT_EQ(m_playback.trackNames(), tracks);
    EXPECT_EQ(fileOf(m_player.url()), u"g1.wav"_s);

    // One album shuffled plays its pick, and Shuffle All still picks the next.
    m_playback.setOverCover(slotOf(u"Gamma"_s));
    m_random.script = {0.6, kBeta, 0.0};
    m_playback.mnuplsh();
    EXPECT_EQ(fileOf(m_player.url()), u"g3.wav"_s);
    endTrack();
    EXPECT_EQ(fileOf(m_player.url()), u"b1.mp3"_s);
}

TEST_F(PlaybackTest, ShuffleMarksChangeOnlyTheAlbumsFlag)
{
    const int gamma = slotOf(u"Gamma"_s);
    m_playback.setOverCover(gamma);
    m_playback.mnuskip();
    EXPECT_EQ(querySql(m_app.file(u"tracks.lum"_s), u"SELECT Album, Probability FROM songs ORDER BY ID"_s),
              (QStringList{u"Alpha|"_s, u"Beta|"_s, u"Gamma|No"_s}));
    m_playback.mnuplay();
    EXPECT_EQ(querySql(m_app.file(u"tracks.lum"_s), u"SELECT Probability FROM songs"_s),
              (QStringList{QString(), QString(), QString()}));
    EXPECT_EQ(m_player.plays, 0);

    // A slot whose album has left the catalogue changes nothing.
    m_songs.findFirst(u"ID = "_s + m_wall.page()[gamma].id);
    m_songs.deleteRecord();
    m_playback.mnuskip();
    EXPECT_EQ(querySql(m_app.file(u"tracks.lum"_s), u"SELECT Probability FROM songs"_s),
              (QStringList{QString(), QString()}));
}

// Once every track has played, the 200th draw starts the played list afresh.
TEST_F(PlaybackTest, PlayThisAlbumShuffledCyclesWithoutRepeatsThenStartsAfresh)
{
    m_playback.setOverCover(slotOf(u"Gamma"_s));
    m_random.script = {0.3, 0.3, 0.9, 0.0, 0.6};
    m_playback.mnuplsh();
    QStringList played{fileOf(m_player.url())};
    for (int i = 0; i < 3; ++i) {
        endTrackToldAhead();
        played.append(fileOf(m_player.url()));
    }
    EXPECT_EQ(played, (QStringList{u"g2.wav"_s, u"g4.wav"_s, u"g1.wav"_s, u"g3.wav"_s}));
    EXPECT_TRUE(m_view.status.isEmpty());

    const int draws = m_random.draws;
    m_random.script.assign(199, 0.0);
    m_random.script.push_back(0.75);
    endTrack();
    EXPECT_EQ(m_random.draws - draws, 200);
    EXPECT_EQ(fileOf(m_player.url()), u"g4.wav"_s);
    EXPECT_EQ(m_playback.playedTracks(), u",3,"_s);
}

// 20,000 picks of the program's own clock-seeded source over seven albums, tested for uniformity with a
// chi-square test of 6 degrees of freedom. The bound 54 is exceeded by chance with probability about
// 5e-10, so the test does not flake, yet a biased pick (one album 5% too often) exceeds it every time.
TEST_F(PlaybackTest, ShuffleAllPicksOverSevenAlbumsAreUniform)
{
    load({{u"D"_s, false, {u"t.wav"_s}},
          {u"E"_s, false, {u"t.wav"_s}},
          {u"F"_s, false, {u"t.wav"_s}},
          {u"G"_s, false, {u"t.wav"_s}}}); // after Alpha, Beta and Gamma
    const auto random = RandomSource::clockSeeded();
    constexpr int kPicks = 20000;
    std::array<int, 7> counts{};
    for (int i = 0; i < kPicks; ++i) {
        m_random.script = {random->next(), random->next()};
        m_playback.randomiser();
        const QString folder = m_player.url().section(u'/', -2, -2);
        ++counts[folder.mid(5).toInt()];
    }
    const double expected = kPicks / 7.0;
    double chiSquare = 0;
    for (const int count : counts)
        chiSquare += (count - expected) * (count - expected) / expected;
    EXPECT_LT(chiSquare, 54.0);
}

// The three pickers meet refused albums: "Alpha" marked "No" (not for a collection, which ignores the mark),
// "Empty" (no music file) and "Gone" (its folder removed). Each refusal counts toward the limit of ten. Beta,
// marked "no", is not refused: only the exact mark is.
enum class Picker { ShuffleAll, Refill, Collection };

class RefusedPicks : public PlaybackTest, public ::testing::WithParamInterface<Picker>
{
protected:
    void SetUp() override
    {
        PlaybackTest::SetUp();
        load({{u"Empty"_s, true, {u"notes.txt"_s}}, {u"Gone"_s, true, {u"x.mp3"_s}}});
        ASSERT_TRUE(QDir(folderOf(u"Gone"_s)).removeRecursively());
        mark(u"Alpha"_s, u"No"_s);
        mark(u"Beta"_s, u"no"_s);
    }

    bool collection() const { return GetParam() == Picker::Collection; }
    QStringList refused() const
    {
        return collection() ? QStringList{u"Empty"_s, u"Gone"_s}
                            : QStringList{u"Alpha"_s, u"Empty"_s, u"Gone"_s};
    }
    // The draw that lands on `title`: the wall's five albums, or the collection's three lines.
    double draw(const QString &title) const
    {
        const QStringList from = collection()
                                     ? QStringList{u"Empty"_s, u"Gone"_s, u"Beta"_s}
                                     : QStringList{u"Alpha"_s, u"Beta"_s, u"Empty"_s, u"Gamma"_s, u"Gone"_s};
        return (from.indexOf(title) + 0.5) / from.size();
    }
    // `count` refused draws in turn.
    void scriptRefusals(int count)
    {
        for (int i = 0; i < count; ++i)
            m_random.script.push_back(draw(refused()[i % refused().size()]));
    }

    void startPicking()
    {
        switch (GetParam()) {
        case Picker::ShuffleAll:
            m_playback.mnurandom();
            break;
        case Picker::Refill:
            m_playback.jukeboxmode();
            m_playback.coverPressed(slotOf(u"Gamma"_s), true);
            m_playback.selectTrack(0);
            endTrack();
            break;
        case Picker::Collection:
            ASSERT_TRUE(writeFile(CollectionFile::path(m_app, u"Mix"_s), "Empty\r\nGone\r\nBeta\r\n"));
            m_collections.mnucoll();
            m_collections.collpicclick(0);
            break;
        }
    }

    Collections m_collections{m_playback, m_songs, m_app, m_player, m_prompter, m_random, m_view};
};

TEST_P(RefusedPicks, NineRefusalsThenAnAcceptedAlbumPlayItAndTenInARowRunTheLimitOnce)
{
    scriptRefusals(9);
    m_random.script.insert(m_random.script.end(), {draw(u"Beta"_s), 0.6});
    startPicking();
    EXPECT_EQ(m_player.url(), folderOf(u"Beta"_s) + u"B2.MP3"_s);
    EXPECT_TRUE(m_player.isPlaying());
    EXPECT_TRUE(m_prompter.messages.isEmpty());
    EXPECT_EQ(m_playback.skipCount(), 0);
    EXPECT_TRUE(m_random.script.empty());

    scriptRefusals(10);
    m_random.script.push_back(draw(u"Beta"_s)); // never reached
    endTrack();
    EXPECT_EQ(m_random.script.size(), 1u);
    EXPECT_FALSE(m_player.isPlaying());
    EXPECT_EQ(m_playback.skipCount(), 0);
    if (collection()) {
        EXPECT_EQ(m_prompter.messages,
                  QStringList{u"None of the albums picked from this collection holds music to play."_s});
        EXPECT_TRUE(m_playback.collMode());
        return;
    }
    EXPECT_EQ(m_prompter.messages, QStringList{kLimitMessage});
    EXPECT_FALSE(m_playback.shuffleMode());
    EXPECT_FALSE(m_playback.jukeMode());
    EXPECT_FALSE(m_view.jukeboxArea);
    EXPECT_EQ(m_view.status, u"5 albums loaded."_s); // Normal Play
    EXPECT_EQ(m_view.statuses.count(u"Alpha was skipped because it is set not to play in Random mode."_s),
              3 + 4);
    EXPECT_EQ(m_view.statuses.count(u"Gone was skipped because its folder holds nothing to play."_s), 3 + 3);
}

std::string pickerName(const ::testing::TestParamInfo<Picker> &info)
{
    static const char *const names[] = {"ShuffleAll", "Refill", "Collection"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Pickers, RefusedPicks,
                         ::testing::Values(Picker::ShuffleAll, Picker::Refill, Picker::Collection),
                         pickerName);

} // namespace
