#include "party/party.h"
#include "playback/playbackfixture.h"
#include "remote/jukeboxhost.h"

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

using Outcome = RemoteHost::Outcome;

// The remote's host over real playback: Jukebox mode with Alpha's track list open on the screen.
class JukeboxHostTest : public JukeboxTest
{
protected:
    qint64 idOf(const QString &title) { return m_songs.valueWhere(u"Album"_s, title, u"ID"_s).toLongLong(); }

    QStringList m_modes;
    JukeboxHost m_host{m_playback, m_player, [this](const QString &mode) { m_modes.append(mode); }};
};

TEST_F(JukeboxHostTest, APhonesPickIsQueuedAsAClickInTheTrackListWouldAndOnlyInJukeboxMode)
{
    const qint64 gamma = idOf(u"Gamma"_s);
    EXPECT_EQ(m_host.queue(gamma, 1, u"g2"_s).outcome, Outcome::Queued);
    EXPECT_EQ(m_playback.queueLines(), QStringList{u"g2  -  Gamma"_s});
    EXPECT_EQ(m_playback.queuePaths(), QStringList{QDir::cleanPath(folderOf(u"Gamma"_s)) + u"/g2.wav"_s});
    EXPECT_EQ(m_player.url(), m_playback.queuePaths().front()); // the first in an empty queue starts
    EXPECT_EQ(m_view.status, u"*Playlist Mode: (click album art in playlist area to skip track...)"_s);
    EXPECT_EQ(m_playback.trackNames(),
              (QStringList{u"01 One"_s, u"02 Two"_s, u"03 Three"_s})); // screen untouched

    const RemoteHost::Pick again = m_host.queue(gamma, 1, u"g2"_s);
    EXPECT_EQ(again.outcome, Outcome::Refused);
    EXPECT_TRUE(again.notice.contains(u"g2"_s));
    EXPECT_EQ(m_host.queue(idOf(u"Beta"_s), 1, u"B2"_s).outcome, Outcome::Queued); // "b1", "B2": listed order
    EXPECT_EQ(m_playback.queueLines().size(), 2);
    EXPECT_EQ(m_player.plays, 1); // a pick behind another waits

    EXPECT_EQ(m_host.queue(gamma, 4, u"g5"_s).outcome, Outcome::NoTrack);
    EXPECT_EQ(m_host.queue(gamma, 0, u"g2"_s).outcome, Outcome::Changed);
    EXPECT_EQ(m_host.queue(999, 0, u"g1"_s).outcome, Outcome::NoAlbum);
    EXPECT_EQ(m_playback.queueLines().size(), 2);

    const RemoteHost::State state = m_host.state();
    EXPECT_EQ(state.mode, u"jukebox"_s);
    EXPECT_TRUE(state.picksOpen);
    EXPECT_EQ(state.queue, m_playback.queueLines());
    EXPECT_EQ(state.title, u"g2"_s);
    EXPECT_EQ(state.album, u"Gamma"_s);

    // Elsewhere picks are closed; the host still acts through playback.
    m_playback.mnunormal();
    EXPECT_EQ(m_host.queue(gamma, 0, u"g1"_s).outcome, Outcome::Refused);
    EXPECT_FALSE(m_host.state().picksOpen);
    EXPECT_EQ(m_host.state().mode, u"normal"_s);
    m_host.setMode(u"shuffle"_s);
    EXPECT_EQ(m_modes, QStringList{u"shuffle"_s}); // the window's own command decides
    m_host.setVolume(35);
    EXPECT_EQ(m_player.volume(), 35);
    EXPECT_FALSE(m_host.pinCheck().matches); // no PIN yet: no host on the phone
}

// A phone is a guest whether or not the screen is locked; its host is whoever knows party mode's PIN.
TEST_F(JukeboxHostTest, APhoneIsHeldToTheGuestRulesAndTheHostToThePartysPin)
{
    Party party(m_app.file(u"party.ini"_s));
    party.load();
    m_playback.setParty(&party);
    m_host.setParty(&party);
    ASSERT_TRUE(party.lockWith(u"2468"_s, {}));
    ASSERT_TRUE(party.unlock()); // the screen is open; the phones are not

    const qint64 gamma = idOf(u"Gamma"_s);
    EXPECT_EQ(m_host.queue(gamma, 0, u"g1"_s).outcome, Outcome::Queued); // plays at once
    EXPECT_EQ(m_host.queue(gamma, 1, u"g2"_s).outcome, Outcome::Queued);
    EXPECT_EQ(m_host.queue(idOf(u"Beta"_s), 1, u"B2"_s).outcome, Outcome::Queued);
    const RemoteHost::Pick waiting = m_host.queue(gamma, 1, u"g2"_s);
    EXPECT_EQ(waiting.outcome, Outcome::Refused);
    EXPECT_EQ(waiting.notice, u"\"g2\" is already waiting in the queue."_s);
    EXPECT_EQ(m_playback.queueLines().size(), 3);

    const RemoteHost::PinCheck check = m_host.pinCheck();
    ASSERT_TRUE(check.matches);
    EXPECT_TRUE(check.matches(u"2468"_s));
    EXPECT_FALSE(check.matches(u"2469"_s));
    ASSERT_TRUE(party.lockWith(u"1357"_s, {}));
    EXPECT_NE(m_host.pinCheck().stamp, check.stamp); // a new PIN ends the phones' host sessions
    EXPECT_EQ(m_host.state().upNext, m_playback.upNextLine());
}

} // namespace
