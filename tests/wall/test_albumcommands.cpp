#include "support/fakes.h"
#include "support/testlibrary.h"
#include "wall/albumcommands.h"
#include "wall/skippedalbums.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

// Albums A, B and C on one page; the hooks count what the main window would do.
class AlbumCommandsTest : public ::testing::Test, public TestLibrary
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(load({{u"A"_s, true, {u"01 Intro.mp3"_s, u"02 Song.wav"_s}}, {u"B"_s}, {u"C"_s}}));
        reload();
    }

    void reload()
    {
        m_songs.refresh();
        m_albums.populate(m_songs);
        m_wall.setSlotCount(m_albums.size());
        m_wall.setFirstAlbum(0);
        m_wall.display();
    }
    QString folderOf(int slot)
    {
        m_songs.findFirst(u"ID = "_s + m_wall.page()[slot].id);
        return m_songs.value(u"Path"_s);
    }
    QStringList titles()
    {
        return querySql(m_app.file(u"tracks.lum"_s), u"SELECT Album FROM songs ORDER BY ID"_s);
    }

    FakePrompter m_prompter;
    int m_populates = 0;
    int m_unloads = 0;
    QStringList m_slotTitles;
    AlbumCommands m_commands{m_songs,
                             m_wall,
                             m_albums,
                             m_prompter,
                             {[this] { ++m_populates; }, [this] { ++m_unloads; },
                              [this](int, const QString &title) { m_slotTitles.append(title); }}};
};

TEST_F(AlbumCommandsTest, RenameReplacesAmpersandsAndIgnoresAnEmptyAnswerDeleteNeedsThreeAlbumsAndAnExactYes)
{
    m_prompter.inputs = {u"Rock & Roll"_s, QString(), std::nullopt, u"Yes"_s, u"YES"_s, u"yes"_s};
    m_commands.rename(1);
    EXPECT_EQ(m_prompter.prompts, QStringList{u"Enter new name for album"_s});
    EXPECT_EQ(titles(), (QStringList{u"A"_s, u"Rock and Roll"_s, u"C"_s}));
    EXPECT_EQ(m_slotTitles, QStringList{u"Rock and Roll"_s});
    EXPECT_EQ(m_populates, 1);
    m_commands.rename(1);
    m_commands.rename(1);
    EXPECT_EQ(titles(), (QStringList{u"A"_s, u"Rock and Roll"_s, u"C"_s}));
    EXPECT_EQ(m_populates, 1);

    // Deleting leaves the folder.
    const QString folder = folderOf(2);
    m_commands.remove(2);
    m_commands.remove(2);
    EXPECT_EQ(titles().size(), 3);
    EXPECT_TRUE(
        m_prompter.prompts[3].startsWith(u"Are you sure?  This will remove the album: C from Lumetra "
                                         "(but not delete it from your disk) - you must type \"yes\""_s));
    m_commands.remove(2);
    EXPECT_EQ(titles(), (QStringList{u"A"_s, u"Rock and Roll"_s}));
    EXPECT_EQ(m_unloads, 1);
    EXPECT_TRUE(QFileInfo::exists(folder + u"cover.jpg"_s));

    reload();
    m_commands.remove(0);
    EXPECT_EQ(m_prompter.messages.last(),
              u"Lumetra needs at least two albums present!  Please create some new ones "
              "before deleting these ones."_s);
    EXPECT_EQ(titles().size(), 2);
}

TEST_F(AlbumCommandsTest, DropsAndAddTracksCopyOnlyMusicFilesInLowerCaseOverOldOnes)
{
    const QString incoming = m_dir.filePath(u"incoming/"_s);
    writeFile(incoming + u"song.MP3"_s, "upper");
    writeFile(incoming + u"song.mp3"_s, "new");
    writeFile(incoming + u"01 Intro.mp3"_s, "replaced");
    const QString folder = folderOf(0);
    m_commands.dropOnCover(
        0, {incoming + u"song.MP3"_s, incoming + u"song.mp3"_s, incoming + u"01 Intro.mp3"_s});
    EXPECT_FALSE(QFileInfo::exists(folder + u"song.MP3"_s));
    EXPECT_EQ(readAll(folder + u"song.mp3"_s), "new");
    EXPECT_EQ(readAll(folder + u"01 Intro.mp3"_s), "replaced");
    EXPECT_EQ(m_commands.trackNames(0), (QStringList{u"01 Intro"_s, u"02 Song"_s, u"song"_s}));

    writeFile(incoming + u"one.ogg"_s, "1");
    writeFile(incoming + u"two.flac"_s, "2");
    QDir().mkpath(incoming + u"Whole Album"_s);
    QStringList entries{incoming + u"one.ogg"_s, incoming + u"Whole Album"_s, incoming + u"two.flac"_s};
    const QString target = folderOf(1);
    EXPECT_FALSE(m_commands.addTracks(target, entries));
    EXPECT_EQ(entries, (QStringList{incoming + u"one.ogg"_s, incoming + u"two.flac"_s}));
    EXPECT_FALSE(m_commands.addTracks(target, entries)); // two.flac has no three-letter extension
    EXPECT_EQ(entries, QStringList{incoming + u"one.ogg"_s});
    EXPECT_EQ(m_prompter.messages.size(), 2);
    EXPECT_TRUE(m_commands.addTracks(target, entries));
    EXPECT_TRUE(entries.isEmpty());
    EXPECT_FALSE(m_commands.addTracks(target, entries));
}

TEST_F(AlbumCommandsTest, SkippedAlbumsListsExactlyTheNoAlbumsInTitleOrderAndPlaysOneAgain)
{
    ASSERT_TRUE(runSql(m_app.file(u"tracks.lum"_s),
                       {u"UPDATE songs SET Probability = 'No' WHERE Album IN ('C', 'A')"_s,
                        u"INSERT INTO songs (Album, Path, Picture, Artist, Probability) VALUES "
                        u"('b', '', '', '', 'no'), ('0 Last In', '', '', '', 'No')"_s}));
    reload();
    SkippedAlbums skipped(m_catalogue, m_songs);
    const QList<SkippedAlbums::Album> listed = skipped.list();
    ASSERT_EQ(listed.size(), 3);
    EXPECT_EQ(listed[0].title, u"0 Last In"_s);
    EXPECT_EQ(listed[1].title, u"A"_s);
    EXPECT_EQ(listed[2].title, u"C"_s);

    EXPECT_TRUE(skipped.playAgain(listed[1].id));
    EXPECT_EQ(skipped.list(), (QList<SkippedAlbums::Album>{listed[0], listed[2]}));
    EXPECT_FALSE(skipped.playAgain(u"999"_s));
}

} // namespace
