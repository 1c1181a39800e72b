#include "e2e/realwindow.h"

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

using PlaybackEndToEnd = RealWindow;

// Jukebox mode in a party: the refill is chosen and shown as a dimmed last line when the last queued track
// starts, a person's pick still goes first, and the shown track is the one that plays, with the refill's
// line text. The mode is stored at close.
TEST_F(PlaybackEndToEnd, TheQueueAdvancesAndTheUpNextLineShowsTheRefillWhichPlaysAfterThePeoplesPicks)
{
    writeAlbums({u"Tones"_s, u"Second"_s});
    // The up-next track plays long enough for what follows it to be read.
    ASSERT_TRUE(demo::writeByExtension(folder(0) + u"01 Low.wav"_s, tone(330, 10)));
    ASSERT_TRUE(demo::writeByExtension(folder(1) + u"a.ogg"_s, tone(660)));
    ASSERT_TRUE(demo::writeByExtension(folder(1) + u"b.mp3"_s, tone(770)));
    showWindow("010");
    trigger("mnuparty");
    ASSERT_TRUE(m_window->playback().partyOn());
    trigger("mnuplaylist");
    ASSERT_TRUE(m_window->playback().jukeMode());
    ListBox *queue = list("List2");
    open(u"Second"_s);
    clickRow("List1", 0);
    // Second just played, so the pick is from Tones.
    EXPECT_EQ(queue->trailingLine(), u"Up next (random): 01 Low  -  Tones"_s);
    EXPECT_EQ(queue->item(queue->trailingRow())->text(), queue->trailingLine());
    clickRow("List1", 1);
    EXPECT_EQ(m_window->playback().queueLines().size(), 2);
    EXPECT_EQ(queue->trailingRow(), 2) << "the dimmed line stays last";

    ASSERT_TRUE(waitFor([this] { return m_started.size() >= 3; }, 20000))
        << "started " << m_started.join(u',').toStdString();
    EXPECT_EQ(m_started.mid(0, 3), (QStringList{u"a.ogg"_s, u"b.mp3"_s, u"01 Low.wav"_s}));
    EXPECT_EQ(m_window->playback().queueLines(),
              QStringList{u"01 Low - Added by Lumetra - Hey, Nothing was waiting in the queue..."_s});
    EXPECT_EQ(queue->trailingLine(), u"Up next (random): a  -  Second"_s) << "b.mp3 played a moment ago";

    m_window->close();
    EXPECT_EQ(querySql(m_app.file(u"tracks.lum"_s), u"SELECT formcolor FROM opts"_s),
              QStringList{u"jukebox"_s});
}

} // namespace
