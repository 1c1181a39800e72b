#pragma once

#include "playback/playback.h"
#include "playback/playbackview.h"
#include "support/fakes.h"
#include "support/testlibrary.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace lumetra::test {

using namespace Qt::StringLiterals;

// Renders nothing; keeps what playback asked to show and pages the wall model like the window does.
class RecordingView final : public PlaybackView
{
public:
    explicit RecordingView(Wall &wall)
        : m_wall(wall)
    {
    }
    void display() override { m_wall.display(); }
    void unloader() override
    {
        m_wall.setFirstAlbum(0);
        m_wall.display();
        ++unloads;
    }
    void setJukeboxArea(bool shown) override { jukeboxArea = shown; }
    void setSlotsEnabled(bool enabled) override { slotsEnabled = enabled; }
    void setStatus(const QString &text) override
    {
        status = text;
        statuses.append(text);
    }
    void showNotice(const QString &text) override { notices.append(text); }
    void showNowPlayingPicture(const QString &path) override { nowPlaying = path; }
    void showQueuePicture(const QString &path) override { queuePicture = path; }
    void trackListChanged() override { ++trackLists; }
    void queueChanged() override {}
    void popupCoverMenu() override { ++coverMenus; }
    void popupQueueMenu() override {}
    void popupCollEditMenu() override { ++collEditMenus; }
    void setCollectionsArea(bool shown) override { collectionsArea = shown; }
    void collectionsChanged() override {}

    int unloads = 0;
    int trackLists = 0;
    int coverMenus = 0;
    int collEditMenus = 0;
    bool collectionsArea = false;
    bool jukeboxArea = false;
    bool slotsEnabled = true;
    QString status;
    QStringList statuses;
    QStringList notices;
    QString nowPlaying;
    QString queuePicture;

private:
    Wall &m_wall;
};

// A catalogue of albums with (fake) music files, the wall on one page, and playback over a fake player.
class PlaybackTest : public ::testing::Test, public TestLibrary
{
protected:
    void SetUp() override { load({}); }

    void load(QList<TestAlbum> albums)
    {
        if (albums.isEmpty()) {
            albums = {
                {u"Alpha"_s, true, {u"01 One.wav"_s, u"02 Two.ogg"_s, u"03 Three.mp3"_s, u"cover.txt"_s}},
                {u"Beta"_s, false, {u"b1.mp3"_s, u"B2.MP3"_s}},
                {u"Gamma"_s, true, {u"g1.wav"_s, u"g2.wav"_s, u"g3.wav"_s, u"g4.wav"_s}}};
        }
        ASSERT_TRUE(TestLibrary::load(albums));
        m_wall.setSlotCount(m_albums.size());
        m_wall.display();
    }

    // The album folder of the slot showing `title`.
    QString folderOf(const QString &title)
    {
        m_songs.findFirst(u"Album = '"_s + title + u'\'');
        return m_songs.value(u"Path"_s);
    }

    int slotOf(const QString &title) const
    {
        for (size_t k = 0; k < m_wall.page().size(); ++k) {
            if (m_wall.page()[k].title == title)
                return static_cast<int>(k);
        }
        return -1;
    }

    // Sets a field of an album's row in the catalogue, by default its shuffle flag.
    void mark(const QString &title, const QString &value, const QString &field = u"Probability"_s)
    {
        ASSERT_TRUE(m_songs.findFirst(u"Album = '"_s + title + u'\''));
        m_songs.setValue(field, value);
        ASSERT_TRUE(m_songs.update());
    }

    void endTrack()
    {
        m_playback.playStateChanged(MediaPlayer::MediaEnded);
        m_playback.playStateChanged(MediaPlayer::Transitioning);
    }

    // The player asks for the next file before the end, as the real one does near a file's end: the end
    // must then play exactly the file it was told.
    void endTrackToldAhead()
    {
        Q_EMIT m_player.nextWanted();
        settle();
        const QString told = m_player.next;
        endTrack();
        EXPECT_EQ(m_player.url(), told);
    }

    // Runs the event loop for `ms`, at least once: failures are handled after the event that found them.
    static void settle(int ms = 0)
    {
        QElapsedTimer clock;
        clock.start();
        do
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        while (clock.elapsed() < ms);
        QCoreApplication::processEvents();
    }

    FakePlayer m_player;
    FakePrompter m_prompter;
    ScriptedRandom m_random;
    RecordingView m_view{m_wall};
    Playback m_playback{m_songs, m_wall, m_albums, m_app, m_player, m_prompter, m_random, m_view};
};

// Jukebox mode with Alpha's track list open.
class JukeboxTest : public PlaybackTest
{
protected:
    void SetUp() override
    {
        PlaybackTest::SetUp();
        m_playback.setAutoplay(true);
        m_playback.jukeboxmode();
        m_playback.coverPressed(slotOf(u"Alpha"_s), true);
        m_alpha = folderOf(u"Alpha"_s);
    }

    // Queues tracks of Gamma (g1..g4) after Alpha's first track.
    void queueSeveral(int gammaTracks)
    {
        m_playback.selectTrack(0);
        m_playback.coverPressed(slotOf(u"Gamma"_s), true);
        for (int i = 0; i < gammaTracks; ++i)
            m_playback.selectTrack(i);
    }

    QString m_alpha;
};

} // namespace lumetra::test
