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

// The dimmed line's life: chosen when the last queued track starts, kept last behind people's picks,
// chosen again on a click, played with the automatic pick's line text.
TEST_F(PartyJukeboxTest, UpNextIsChosenWhenTheLastEntryStartsAndPlaysWhenThePeoplesPicksHavePlayed)
{
    // Alpha just played, so the pick leaves Alpha out: 0.5 of the other two is Beta, 0.9 its second track.
    m_random.script = {0.5, 0.9};
    m_playback.selectTrack(0);
    EXPECT_EQ(m_playback.upNextLine(), u"Up next (random): B2  -  Beta"_s);
    EXPECT_EQ(m_playback.upNextCover(), QString()) << "Beta has no cover";
    EXPECT_EQ(m_playback.queueLines(), QStringList{u"01 One  -  Alpha"_s});

    m_playback.selectTrack(1); // a person's pick goes ahead of it
    endTrack();
    EXPECT_EQ(m_playback.queueLines(), QStringList{u"02 Two  -  Alpha"_s});
    EXPECT_EQ(m_player.url(), m_alpha + u"02 Two.ogg"_s);
    EXPECT_EQ(m_playback.upNextLine(), u"Up next (random): B2  -  Beta"_s);

    m_random.script = {0.99, 0.0};
    m_playback.repickUpNext();
    EXPECT_EQ(m_playback.upNextLine(), u"Up next (random): g1  -  Gamma"_s);
    EXPECT_EQ(m_playback.upNextCover(), folderOf(u"Gamma"_s) + u"cover.jpg"_s);

    endTrack();
    EXPECT_EQ(m_playback.queueLines(), QStringList{u"g1"_s + kRefillNote});
    EXPECT_EQ(m_player.url(), folderOf(u"Gamma"_s) + u"g1.wav"_s);
    // The next one is chosen at once: Gamma and Alpha's two tracks just played, so Alpha's third.
    EXPECT_EQ(m_playback.upNextLine(), u"Up next (random): 03 Three  -  Alpha"_s);

    ASSERT_TRUE(m_party.setOn(false));
    m_playback.partyChanged();
    EXPECT_TRUE(m_playback.upNextLine().isEmpty());
    endTrack();
    EXPECT_EQ(m_playback.queueLines(), QStringList{u"01 One"_s + kRefillNote}) << "a plain draw again";
}

TEST_F(PartyJukeboxTest, LockedGuestsMayNotFloodTheQueueNorQueueWhatWaitsOrJustPlayed)
{
    GuestRules rules;
    rules.maxWaiting = 3;
    ASSERT_TRUE(m_party.lockWith(u"4321"_s, rules));
    for (int i = 0; i < 3; ++i)
        m_playback.selectTrack(i);
    m_playback.selectTrack(1);
    m_playback.selectTrack(0);
    m_playback.coverPressed(slotOf(u"Gamma"_s), true);
    m_playback.selectTrack(0);
    m_playback.selectTrack(1);
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

TEST_F(PlaybackTest, InPartyModeTheSkipNoticeStaysReadableOverTheNextTracksStatus)
{
    mark(u"Alpha"_s, u"No"_s);
    Party party(m_app.file(u"party.ini"_s));
    m_playback.setParty(&party);
    m_random.script = {0.1, 0.5, 0.0};
    m_playback.mnurandom();
    const QString notice = u"Alpha was skipped because it is set not to play in Random mode."_s;
    EXPECT_TRUE(m_view.statuses.contains(notice)) << "party mode off: the status line, as ever";
    EXPECT_TRUE(m_view.notices.isEmpty());

    ASSERT_TRUE(party.setOn(true));
    m_playback.partyChanged();
    m_view.statuses.clear();
    m_random.script = {0.1, 0.99, 0.0}; // Beta played last, so Gamma
    m_playback.mnunormal();
    m_playback.mnurandom();
    EXPECT_EQ(m_view.notices, QStringList{notice});
    EXPECT_FALSE(m_view.statuses.contains(notice));
}

enum class Picker { ShuffleAll, Refill, Collections };

// Twenty albums of five tracks, party mode on, a fixed random sequence.
class PartyPicks : public PlaybackTest, public ::testing::WithParamInterface<Picker>
{
protected:
    void SetUp() override
    {
        QList<TestAlbum> albums;
        for (int a = 0; a < 20; ++a) {
            QStringList tracks;
            for (int t = 1; t <= 5; ++t)
                tracks.append(u"%1 Track.wav"_s.arg(t));
            albums.append({u"Album %1"_s.arg(a, 2, 10, QChar(u'0')), true, tracks});
        }
        load(albums);
        std::mt19937_64 engine(19);
        std::uniform_real_distribution<double> uniform(0.0, 1.0);
        for (int i = 0; i < 50000; ++i)
            m_random.script.push_back(uniform(engine));
        m_party.load();
        ASSERT_TRUE(m_party.setOn(true));
        m_playback.setParty(&m_party);
    }

    void start()
    {
        switch (GetParam()) {
        case Picker::ShuffleAll:
            m_playback.mnurandom();
            break;
        case Picker::Refill:
            m_playback.jukeboxmode();
            m_playback.play(); // an empty queue refills
            break;
        case Picker::Collections:
            ASSERT_TRUE(
                writeFile(CollectionFile::path(m_app, u"All"_s), m_albums.titles().join(u"\r\n"_s).toUtf8()));
            m_collections.mnucoll();
            m_collections.collpicclick(0);
            break;
        }
    }

    Party m_party{m_app.file(u"party.ini"_s)};
    Collections m_collections{m_playback, m_songs, m_app, m_player, m_prompter, m_random, m_view};
};

// Each pick is the one shown as up next; no track comes back within 50 plays, no album within 3 albums,
// and every album gets its turn.
TEST_P(PartyPicks, PlayWhatWasShownWithoutRepeatsAndLeaveNoAlbumOut)
{
    m_playback.setCollections(&m_collections);
    m_playback.setSound(4000, false);
    start();
    QStringList played{QDir::cleanPath(m_player.url())};
    QHash<QString, int> albumPlays;
    constexpr int kPicks = 300;
    for (int i = 0; i < kPicks; ++i) {
        ASSERT_TRUE(m_playback.upNext().has_value()) << "pick " << i;
        const QString shown = QDir::cleanPath(m_playback.upNext()->folder + m_playback.upNext()->file);
        if (i < 3) {
            // Asked ahead, the player is told that pick, crossfading into another album.
            Q_EMIT m_player.nextWanted();
            QCoreApplication::processEvents();
            ASSERT_EQ(QDir::cleanPath(m_player.next), shown) << "pick " << i;
            EXPECT_EQ(m_player.nextJoin, MediaPlayer::Join::Crossfade);
        }
        endTrack();
        const QString now = QDir::cleanPath(m_player.url());
        ASSERT_EQ(now, shown) << "pick " << i;
        const qsizetype last = played.lastIndexOf(now);
        if (last >= 0) {
            ASSERT_GT(played.size() - last, 50) << qPrintable(now);
        }
        const QString album = now.section(u'/', -2, -2);
        QStringList recentAlbums;
        for (qsizetype j = played.size() - 1; j >= 0 && recentAlbums.size() < 3; --j) {
            const QString before = played[j].section(u'/', -2, -2);
            if (!recentAlbums.contains(before))
                recentAlbums.append(before);
        }
        ASSERT_FALSE(recentAlbums.contains(album)) << qPrintable(now);
        played.append(now);
        ++albumPlays[album];
    }
    EXPECT_EQ(albumPlays.size(), 20);
    EXPECT_TRUE(m_prompter.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Pickers, PartyPicks,
                         ::testing::Values(Picker::ShuffleAll, Picker::Refill, Picker::Collections),
                         [](const auto &info) {
                             switch (info.param) {
                             case Picker::ShuffleAll:
                                 return "ShuffleAll";
                             case Picker::Refill:
                                 return "Refill";
                             default:
                                 return "Collections";
                             }
                         });

} // namespace
