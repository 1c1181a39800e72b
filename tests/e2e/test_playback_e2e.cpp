#include "audiofile.h"
#include "core/appfolder.h"
#include "playback/soundplayer.h"
#include "support/fakebrowser.h"
#include "support/fakes.h"
#include "support/testlibrary.h"
#include "synth.h"
#include "ui/common/pointerwidgets.h"
#include "ui/main/mainwindow.h"
#include "ui/wall/coverslot.h"
#include "ui/wall/listbox.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMenu>
#include <QMouseEvent>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

demo::Audio tone(double frequency, int tenths = 3)
{
    demo::Audio audio;
    const int samples = demo::Audio::kSampleRate * tenths / 10;
    for (int i = 0; i < samples; ++i) {
        const float v =
            0.3f * static_cast<float>(std::sin(2 * M_PI * frequency * i / demo::Audio::kSampleRate));
        audio.left.push_back(v);
        audio.right.push_back(v);
    }
    return audio;
}

bool waitFor(const std::function<bool()> &done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

void clickAt(QWidget *widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    const QPointF local(pos);
    QMouseEvent down(QEvent::MouseButtonPress, local, widget->mapToGlobal(local), button, button,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, local, widget->mapToGlobal(local), button, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(widget, &up);
}

// Real files in three formats, the real media player and the real window: what a user hears.
class PlaybackEndToEnd : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_savedCwd = QDir::currentPath();
        ASSERT_TRUE(m_app.prepare(u":/files"_s));
        ASSERT_TRUE(writeCatalogue(m_dir.path(), {{u"Tones"_s}, {u"Second"_s}}));
        m_tones = m_dir.filePath(u"Music/album0/"_s);
        m_second = m_dir.filePath(u"Music/album1/"_s);
        QString error;
        ASSERT_TRUE(demo::writeWav(m_tones + u"01 Low.wav"_s, tone(330), &error));
        ASSERT_TRUE(demo::writeOgg(m_tones + u"02 Mid.ogg"_s, tone(440), {}, 7, &error));
        ASSERT_TRUE(demo::writeMp3(m_tones + u"03 High.mp3"_s, tone(550), {}, &error));
        ASSERT_TRUE(demo::writeOgg(m_second + u"a.ogg"_s, tone(660), {}, 8, &error));
        ASSERT_TRUE(demo::writeMp3(m_second + u"b.mp3"_s, tone(770), {}, &error));
        ASSERT_TRUE(writeFile(
            m_app.file(u"jb.ini"_s),
            "(Lumetra default)\r\n2400\r\n150\r\n0\r\n16777215\r\n010\r\nDejaVu Sans+9&False\r\n\r\n"));

        m_window = std::make_unique<MainWindow>(
            m_app, Seams{m_player, m_prompter, m_random, m_dialogs, m_shell, FakeBrowser::factory()},
            QRect(0, 0, 1920, 1080));
        m_window->show();
        m_window->load();
        QObject::connect(&m_player, &MediaPlayer::playStateChanged, [this](int state) {
            const QString name = m_player.url().section(u'/', -1);
            if (state == MediaPlayer::Playing && (m_started.isEmpty() || m_started.last() != name))
                m_started.append(name);
            if (state == MediaPlayer::MediaEnded)
                ++m_ended;
        });
    }
    void TearDown() override
    {
        m_window.reset();
        QDir::setCurrent(m_savedCwd);
    }

    CoverSlot *slotOf(const QString &title)
    {
        for (int k = 0; k < m_window->slotCount(); ++k) {
            if (m_window->slot(k)->title() == title)
                return m_window->slot(k);
        }
        return nullptr;
    }

    QTemporaryDir m_dir;
    QString m_savedCwd;
    AppFolder m_app{m_dir.path()};
    QString m_tones;
    QString m_second;
    SoundPlayer m_player;
    FakePrompter m_prompter;
    ScriptedRandom m_random;
    FakeDialogs m_dialogs;
    FakeShell m_shell;
    std::unique_ptr<MainWindow> m_window;
    QStringList m_started;
    int m_ended = 0;
};

TEST_F(PlaybackEndToEnd, AnAlbumPlaysThroughInNormalPlayAndStopsAfterItsLastTrack)
{
    ASSERT_NE(slotOf(u"Tones"_s), nullptr);
    clickAt(slotOf(u"Tones"_s)->cover(), QPoint(5, 5));
    ASSERT_TRUE(waitFor([this] { return m_ended == 3; }, 20000)) << "ended " << m_ended << " of 3";
    waitFor([] { return false; }, 400); // whatever would come after the last track
    EXPECT_EQ(m_started, (QStringList{u"01 Low.wav"_s, u"02 Mid.ogg"_s, u"03 High.mp3"_s}));
    EXPECT_FALSE(m_player.isPlaying());
    EXPECT_EQ(m_window->playback().selectedTrack(), 2);
}

TEST_F(PlaybackEndToEnd, ATwoEntryQueueAdvancesInJukeboxModeAndTheModeIsStoredAtClose)
{
    QAction *jukebox = m_window->menu(u"mnuMode"_s)->findChild<QAction *>(u"mnuplaylist"_s);
    ASSERT_NE(jukebox, nullptr);
    jukebox->trigger();
    ASSERT_TRUE(m_window->playback().jukeMode());
    EXPECT_EQ(m_window->wallTwips().height(), 16200 - 2100 - 2600);

    clickAt(slotOf(u"Second"_s)->cover(), QPoint(5, 5));
    auto *tracks = m_window->findChild<ListBox *>(u"List1"_s);
    ASSERT_EQ(tracks->count(), 2);
    clickAt(tracks->viewport(), tracks->visualItemRect(tracks->item(0)).center());
    clickAt(tracks->viewport(), tracks->visualItemRect(tracks->item(1)).center());
    EXPECT_EQ(m_window->findChild<ListBox *>(u"List2"_s)->count(), 2);

    // After the two queued tracks the queue refills itself with a random track (here: Second's first). The
    // refill's own refills may follow before a slow machine looks.
    ASSERT_TRUE(waitFor([this] { return m_started.size() >= 3; }, 20000))
        << "started " << m_started.join(u',').toStdString() << " queue "
        << m_window->playback().queueLines().join(u',').toStdString();
    EXPECT_EQ(m_started.mid(0, 3), (QStringList{u"a.ogg"_s, u"b.mp3"_s, u"a.ogg"_s}));
    EXPECT_TRUE(
        m_window->playback().queueLines().value(0).endsWith(u"Nothing was waiting in the queue..."_s));

    m_window->close();
    EXPECT_EQ(querySql(m_app.file(u"tracks.lum"_s), u"SELECT formcolor FROM opts"_s),
              QStringList{u"jukebox"_s});
}

// Party mode: the refill is chosen and shown as a dimmed last line when the last queued track starts, a
// person's pick still goes first, and the shown track is the one that plays, with the refill's line text.
TEST_F(PlaybackEndToEnd, TheUpNextLineShowsTheRefillWhichPlaysAfterThePeoplesPicks)
{
    // The up-next track plays long enough for what follows it to be read.
    QString error;
    ASSERT_TRUE(demo::writeWav(m_tones + u"01 Low.wav"_s, tone(330, 100), &error)) << error.toStdString();
    m_window->findChild<QAction *>(u"mnuparty"_s)->trigger();
    ASSERT_TRUE(m_window->playback().partyOn());
    m_window->menu(u"mnuMode"_s)->findChild<QAction *>(u"mnuplaylist"_s)->trigger();
    auto *tracks = m_window->findChild<ListBox *>(u"List1"_s);
    auto *queue = m_window->findChild<ListBox *>(u"List2"_s);
    clickAt(slotOf(u"Second"_s)->cover(), QPoint(5, 5));
    clickAt(tracks->viewport(), tracks->visualItemRect(tracks->item(0)).center());
    // Second just played, so the pick is from Tones.
    EXPECT_EQ(queue->trailingLine(), u"Up next (random): 01 Low  -  Tones"_s);
    EXPECT_EQ(queue->item(queue->trailingRow())->text(), queue->trailingLine());
    clickAt(tracks->viewport(), tracks->visualItemRect(tracks->item(1)).center());
    EXPECT_EQ(m_window->playback().queueLines().size(), 2);
    EXPECT_EQ(queue->trailingRow(), 2) << "the dimmed line stays last";

    ASSERT_TRUE(waitFor([this] { return m_started.size() >= 3; }, 20000))
        << "started " << m_started.join(u',').toStdString();
    EXPECT_EQ(m_started.mid(0, 3), (QStringList{u"a.ogg"_s, u"b.mp3"_s, u"01 Low.wav"_s}));
    EXPECT_EQ(m_window->playback().queueLines(),
              QStringList{u"01 Low - Added by Lumetra - Hey, Nothing was waiting in the queue..."_s});
    EXPECT_EQ(queue->trailingLine(), u"Up next (random): a  -  Second"_s) << "b.mp3 played a moment ago";
}

// An exported collection is a playlist another player plays: GStreamer's own player reads the file itself
// and plays every track it names. That player takes every line as an entry, so only the comment lines may
// fail.
TEST_F(PlaybackEndToEnd, AnExportedPlaylistPlaysEveryTrackInAnotherPlayer)
{
    QString error;
    ASSERT_TRUE(demo::writeOgg(m_tones + u"04 Café Ø.ogg"_s, tone(880), {}, 9, &error))
        << error.toStdString();
    ASSERT_TRUE(writeFile(m_app.file(u"Tones mix.ply"_s), "Tones\r\n"));
    m_window->collections().mnucoll();
    m_window->collections().collpicclick(0);
    const QString list = m_dir.filePath(u"Tones mix.m3u8"_s);
    ASSERT_TRUE(m_window->collections().exportPlaylist(list));
    const QByteArray written = readAll(list);
    EXPECT_FALSE(written.contains('\r'));
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
