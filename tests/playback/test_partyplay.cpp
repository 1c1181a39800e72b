#include "core/collectionfile.h"
#include "party/party.h"
#include "playback/collections.h"
#include "playbackfixture.h"

#include <QDir>
#include <QHash>

#include <random>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

const QString kRefillNote = u" - Added by Lumetra - Hey, Nothing was waiting in the queue..."_s;

// Jukebox mode with Alpha open, party mode on.
class PartyJukeboxTest : public JukeboxTest
{
protected:
    void SetUp() override
    {
        JukeboxTest::SetUp();
        m_party.load();
        ASSERT_TRUE(m_party.setOn(true));
        m_playback.setParty(&m_party);
    }

    Party m_party{m_app.file(u"party.ini"_s)};
};

// The dimmed line's life: chosen when the last queued track starts, kept behind people's picks, chosen again
// on a click or when its album is marked "No"; without party mode the refill is a plain draw again. (That it
// plays, with the automatic pick's line text, is checked end to end; that it goes with party mode, in the
// window.)
TEST_F(PartyJukeboxTest, UpNextIsChosenWhenTheLastEntryStartsAndAgainOnAClickOrAMark)
{
    // Alpha just played, so the pick leaves Alpha out: 0.5 of the other two is Beta, 0.9 its second track.
    m_random.script = {0.5, 0.9};
    m_playback.selectTrack(0);
    EXPECT_EQ(m_playback.upNextLine(), u"Up next (random): B2  -  Beta"_s);
    EXPECT_EQ(m_playback.upNextCover(), QString()) << "Beta has no cover";
    EXPECT_EQ(m_playback.queueLines(), QStringList{u"01 One  -  Alpha"_s});
    m_playback.selectTrack(1); // a person's pick goes ahead of it
    EXPECT_EQ(m_playback.upNextLine(), u"Up next (random): B2  -  Beta"_s);

    m_random.script = {0.99, 0.0};
    m_playback.repickUpNext();
    EXPECT_EQ(m_playback.upNextLine(), u"Up next (random): g1  -  Gamma"_s);
    EXPECT_EQ(m_playback.upNextCover(), folderOf(u"Gamma"_s) + u"cover.jpg"_s);
    // Gamma marked "No": the line may not name it; Alpha just played, so Beta.
    m_playback.setOverCover(slotOf(u"Gamma"_s));
    m_playback.mnuskip();
    EXPECT_EQ(m_playback.upNextLine(), u"Up next (random): b1  -  Beta"_s);

    ASSERT_TRUE(m_party.setOn(false));
    m_playback.partyChanged();
    m_random.script = {0.5, 0.99};
    endTrack();
    endTrack();
    EXPECT_EQ(m_playback.queueLines(), QStringList{u"B2"_s + kRefillNote}) << "a plain draw again";
}

TEST_F(PartyJukeboxTest, LockedGuestsMayNotFloodTheQueueNorQueueWhatWaitsOrJustPlayed)
{
    ASSERT_TRUE(m_party.lockWith(u"4321"_s, {.maxWaiting = 3}));
    for (const int track : {0, 1, 2, 1, 0})
        m_playback.selectTrack(track);
    m_playback.coverPressed(slotOf(u"Gamma"_s), true);
    for (const int track : {0, 1})
        m_playback.selectTrack(track);
    EXPECT_EQ(m_view.notices,
              (QStringList{u"\"02 Two\" is already waiting in the queue."_s,
                           u"\"01 One\" played a short while ago; please choose another track."_s,
                           u"The queue is full for now (at most 3 picks may wait); please wait until one has "
                           u"played."_s}));
    EXPECT_EQ(m_playback.queueLines(), (QStringList{u"01 One  -  Alpha"_s, u"02 Two  -  Alpha"_s,
                                                    u"03 Three  -  Alpha"_s, u"g1  -  Gamma"_s}));
    ASSERT_TRUE(m_party.unlock());
    m_playback.selectTrack(1);
    EXPECT_EQ(m_playback.queueLines().size(), 5) << "the host queues freely";
}

enum class Picker { ShuffleAll, Refill, Collections };

struct PartyRun {
    const char *name;
    Picker picker;
    int albums = 20;
    int tracksEach = 5;
    int markedNo = 0; // the first albums are marked "No"
    int empty = 0;    // the last albums hold no music file
    // Half way Jukebox, where every seventh pick a person queues the announced track or another of its album.
    bool thenJukebox = false;
};

// A catalogue of the run's shape, party mode on, a fixed random sequence.
class PartyPicks : public PlaybackTest, public ::testing::WithParamInterface<PartyRun>
{
protected:
    void SetUp() override
    {
        const PartyRun &run = GetParam();
        QList<TestAlbum> albums;
        for (int a = 0; a < run.albums; ++a) {
            QStringList tracks;
            for (int t = 1; t <= run.tracksEach && a < run.albums - run.empty; ++t)
                tracks.append(u"%1 Track %2.wav"_s.arg(t).arg(a)); // names differ, as a click compares them
            albums.append({u"Album %1"_s.arg(a, 2, 10, QChar(u'0')), true, tracks});
        }
        load(albums);
        for (int a = 0; a < run.markedNo; ++a)
            mark(albums[a].title, u"No"_s);
        std::mt19937_64 engine(19);
        std::uniform_real_distribution<double> uniform(0.0, 1.0);
        for (int i = 0; i < 50000; ++i)
            m_random.script.push_back(uniform(engine));
        m_party.load();
        ASSERT_TRUE(m_party.setOn(true));
        m_playback.setParty(&m_party);
    }

    void start(Picker picker)
    {
        if (picker == Picker::ShuffleAll) {
            m_playback.mnurandom();
        } else if (picker == Picker::Refill) {
            m_playback.jukeboxmode();
            m_playback.play(); // an empty queue refills
        } else {
            ASSERT_TRUE(
                writeFile(CollectionFile::path(m_app, u"All"_s), m_albums.titles().join(u"\r\n"_s).toUtf8()));
            m_collections.mnucoll();
            m_collections.collpicclick(0);
        }
    }

    // A person's pick, from its album's track list, of the announced track or another of its album.
    QString queueAnnounced(bool sameTrack)
    {
        const UpNext::Pick shown = m_playback.upNext().value();
        m_playback.coverPressed(slotOf(shown.album), true);
        const int announced = static_cast<int>(m_playback.albumFiles().indexOf(shown.file));
        const int chosen = sameTrack ? announced : (announced + 1) % 5;
        m_playback.selectTrack(chosen);
        return QDir::cleanPath(shown.folder + m_playback.albumFiles().at(chosen));
    }

    Party m_party{m_app.file(u"party.ini"_s)};
    Collections m_collections{m_playback, m_songs, m_app, m_player, m_prompter, m_random, m_view};
};

// Each pick is the one shown as up next; no track comes back within N plays, no album within K albums (both
// bounded by half of what may play), and every album that may play gets a fair share.
TEST_P(PartyPicks, PlayWhatWasShownWithoutRepeatsAndLeaveNoAlbumOut)
{
    const PartyRun &run = GetParam();
    const int playable = run.albums - run.markedNo - run.empty;
    const int n = std::min(PlayHistory::kDefaultTracks, playable * run.tracksEach / 2);
    const int k = std::min(PlayHistory::kDefaultAlbums, playable / 2);
    m_playback.setCollections(&m_collections);
    m_playback.setSound(4000, false);
    start(run.picker);
    QStringList played;
    QHash<QString, int> albumPlays;
    // `picked`: a person's own pick, which may repeat what played.
    auto check = [&](int pick, bool picked = false) {
        const QString now = QDir::cleanPath(m_player.url());
        const qsizetype last = played.lastIndexOf(now);
        ASSERT_TRUE(picked || last < 0 || played.size() - last > n) << qPrintable(now) << " at pick " << pick;
        const QString album = now.section(u'/', -2, -2);
        QStringList recentAlbums;
        for (qsizetype j = played.size() - 1; j >= 0 && recentAlbums.size() < k; --j) {
            const QString before = played[j].section(u'/', -2, -2);
            if (!recentAlbums.contains(before))
                recentAlbums.append(before);
        }
        ASSERT_TRUE(picked || !recentAlbums.contains(album)) << qPrintable(now) << " at pick " << pick;
        played.append(now);
        ++albumPlays[album];
    };
    check(-1);
    constexpr int kPicks = 300;
    for (int i = 0; i < kPicks; ++i) {
        if (run.thenJukebox && i == kPicks / 2) {
            start(Picker::Refill);
            ASSERT_NO_FATAL_FAILURE(check(i));
        }
        if (m_playback.jukeMode() && run.thenJukebox && i % 7 == 0) {
            const bool announced = i % 14 == 0;
            const QString queued = queueAnnounced(announced);
            endTrack();
            ASSERT_EQ(QDir::cleanPath(m_player.url()), queued) << "the person's pick";
            ASSERT_NO_FATAL_FAILURE(check(i, !announced));
        }
        ASSERT_TRUE(m_playback.upNext().has_value()) << "pick " << i;
        const QString shown = QDir::cleanPath(m_playback.upNext()->folder + m_playback.upNext()->file);
        if (i < 3) {
            // Asked ahead, the player is told that pick, crossfading into another album only.
            Q_EMIT m_player.nextWanted();
            QCoreApplication::processEvents();
            ASSERT_EQ(QDir::cleanPath(m_player.next), shown) << "pick " << i;
            EXPECT_EQ(m_player.nextJoin,
                      run.albums > 1 ? MediaPlayer::Join::Crossfade : MediaPlayer::Join::Gapless);
        }
        endTrack();
        ASSERT_EQ(QDir::cleanPath(m_player.url()), shown) << "pick " << i;
        ASSERT_NO_FATAL_FAILURE(check(i));
    }
    EXPECT_EQ(albumPlays.size(), playable);
    for (auto plays = albumPlays.cbegin(); plays != albumPlays.cend(); ++plays)
        EXPECT_GT(plays.value(), kPicks / playable / 2) << qPrintable(plays.key());
    EXPECT_TRUE(m_prompter.messages.isEmpty());
}

using P = Picker;
INSTANTIATE_TEST_SUITE_P(
    Pickers, PartyPicks,
    ::testing::Values(PartyRun{"ShuffleAll", P::ShuffleAll}, PartyRun{"Refill", P::Refill},
                      PartyRun{"Collections", P::Collections},
                      PartyRun{"ShuffleAllThenJukebox", P::ShuffleAll, 20, 5, 0, 0, true},
                      PartyRun{"OneTrackAlbums", P::ShuffleAll, 20, 1},
                      PartyRun{"ThreeAlbums", P::Refill, 3, 2}, PartyRun{"TwoSingles", P::Collections, 2, 1},
                      PartyRun{"OneAlbum", P::ShuffleAll, 1, 3}, PartyRun{"OneTrack", P::Refill, 1, 1},
                      PartyRun{"HalfMarkedNo", P::ShuffleAll, 6, 5, 3},
                      PartyRun{"OneLeftByNo", P::Refill, 4, 3, 2},
                      PartyRun{"HalfEmpty", P::Collections, 6, 5, 0, 3},
                      PartyRun{"HalfEmptyShuffled", P::ShuffleAll, 6, 5, 0, 3}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
