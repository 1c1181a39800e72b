#include "e2e/realwindow.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

// Two albums of real files in three formats, the real media player and the real window: what a user hears.
class PlaybackEndToEnd : public RealWindow
{
protected:
    void SetUp() override
    {
        RealWindow::SetUp();
        writeAlbums({u"Tones"_s, u"Second"_s});
        const struct {
            int album;
            QString name;
            double hz;
        } music[] = {{0, u"01 Low.wav"_s, 330},
                     {0, u"02 Mid.ogg"_s, 440},
                     {0, u"03 High.mp3"_s, 550},
                     {1, u"a.ogg"_s, 660},
                     {1, u"b.mp3"_s, 770}};
        for (const auto &file : music)
            ASSERT_TRUE(demo::writeByExtension(folder(file.album) + file.name, tone(file.hz)));
        showWindow("010");
    }
};

// Jukebox mode in a party: the refill is chosen and shown as a dimmed last line when the last queued track
// starts, a person's pick still goes first, and the shown track is the one that plays, with the refill's
// line text. The mode is stored at close.
TEST_F(PlaybackEndToEnd, TheQueueAdvancesAndTheUpNextLineShowsTheRefillWhichPlaysAfterThePeoplesPicks)
{
    // The up-next track plays long enough for what follows it to be read.
    ASSERT_TRUE(demo::writeByExtension(folder(0) + u"01 Low.wav"_s, tone(330, 10)));
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

// An exported collection is a playlist another player plays: GStreamer's own player reads the file itself
// and plays every track it names. That player takes every line as an entry, so only the comment lines may
// fail.
TEST_F(PlaybackEndToEnd, AnExportedPlaylistPlaysEveryTrackInAnotherPlayer)
{
    ASSERT_TRUE(demo::writeByExtension(folder(0) + u"04 Café Ø.ogg"_s, tone(880)));
    ASSERT_TRUE(writeFile(m_app.file(u"Tones mix.ply"_s), "Tones\r\n"));
    m_window->collections().mnucoll();
    m_window->collections().collpicclick(0);
    const QString list = m_dir.filePath(u"Tones mix.m3u8"_s);
    ASSERT_TRUE(m_window->collections().exportPlaylist(list));
    const QByteArray written = readAll(list);
    QStringList tracks;
    for (const QString &line : QString::fromUtf8(written).split(u'\n', Qt::SkipEmptyParts)) {
        if (!line.startsWith(u'#'))
            tracks.append(line);
    }
    ASSERT_EQ(tracks.size(), 4) << written.toStdString();

    QProcess other;
    other.setProcessChannelMode(QProcess::MergedChannels);
    other.start(u"gst-play-1.0"_s, {u"--no-interactive"_s, u"--audiosink=fakesink"_s,
                                    u"--videosink=fakesink"_s, u"--playlist="_s + list});
    ASSERT_TRUE(other.waitForFinished(30000));
    const QString said = QString::fromUtf8(other.readAll());
    EXPECT_EQ(other.exitCode(), 0) << said.toStdString();
    EXPECT_TRUE(said.contains(u"Reached end of play list"_s)) << said.toStdString();
    for (const QString &track : tracks)
        EXPECT_TRUE(said.contains(u"Now playing "_s + track + u'\n')) << track.toStdString();
    EXPECT_EQ(said.count(u"Prerolled"_s), tracks.size()) << said.toStdString();
    static const QRegularExpression failure(u"ERROR .* for (file:\\S+)"_s);
    for (auto it = failure.globalMatch(said); it.hasNext();) {
        const QString entry = QUrl(it.next().captured(1)).toLocalFile();
        EXPECT_TRUE(QFileInfo(entry).fileName().startsWith(u'#')) << "failed: " << entry.toStdString();
    }
}

} // namespace
