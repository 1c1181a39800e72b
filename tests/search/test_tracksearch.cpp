#include "search/tracksearch.h"
#include "support/testlibrary.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

// Two albums under Music/Rock and one whose folder has gone, in catalogue order Zed, Abbey, Gone. The folders
// are given relative to the temporary folder, so no random letters of its name can match a search.
class TrackSearchTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_savedCwd = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        const QString rock = u"Music/Rock/"_s;
        for (const char *file : {"Zed/02 Hey Jude.mp3", "Zed/01 The Last Night Out.mp3", "Zed/cover.jpg",
                                 "Abbey/b.ogg", "Abbey/A.MP3", "Abbey/notes.txt"})
            writeFile(rock + QString::fromLatin1(file), {});
        m_search.setAlbums({rock + u"Zed/"_s, rock + u"Abbey/"_s, u"Gone/"_s},
                           {u"Zed Songs"_s, u"Abbey Lane"_s, u"Gone Away"_s});
    }
    void TearDown() override { QDir::setCurrent(m_savedCwd); }

    QTemporaryDir m_dir;
    QString m_savedCwd;
    TrackSearch m_search;
};

TEST_F(TrackSearchTest, TrackNamesAreMatchedWithoutRegardToCase)
{
    const TrackSearch::Results found = m_search.find(u"LAST night"_s);
    EXPECT_EQ(found.lines, QStringList{u"01 The Last Night Out --- Zed Songs"_s});
    EXPECT_EQ(found.titles, QStringList{u"Zed Songs"_s});
}

TEST_F(TrackSearchTest, TheExtensionIsPartOfTheName)
{
    EXPECT_EQ(m_search.find(u"mp3"_s).lines,
              (QStringList{u"01 The Last Night Out --- Zed Songs"_s, u"02 Hey Jude --- Zed Songs"_s,
                           u"A --- Abbey Lane"_s}));
}

TEST_F(TrackSearchTest, FolderPathsGiveAlbumResultsFirstAndMissingFoldersNoTracks)
{
    EXPECT_EQ(m_search.find(u"rock"_s).lines,
              (QStringList{u"[Album]    - Zed Songs"_s, u"[Album]    - Abbey Lane"_s}));
    EXPECT_EQ(m_search.find(u"gone"_s).lines, QStringList{u"[Album]    - Gone Away"_s});
    const TrackSearch::Results all = m_search.find(QString());
    EXPECT_EQ(all.lines.size(), 3 + 4);
    EXPECT_EQ(all.lines.mid(3),
              (QStringList{u"01 The Last Night Out --- Zed Songs"_s, u"02 Hey Jude --- Zed Songs"_s,
                           u"A --- Abbey Lane"_s, u"b --- Abbey Lane"_s}));
}

TEST(TrackSearchLoad, ReadsTheCatalogueOnceAndAnEmptyOneFindsNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeCatalogue(dir.path(), {{u"One"_s, true, {u"Zebra 7.ogg"_s}}, {u"Two"_s}}));
    TrackSearch search;
    ASSERT_TRUE(search.load(dir.filePath(u"tracks.lum"_s)));
    EXPECT_EQ(search.albumCount(), 2);
    EXPECT_EQ(search.find(u"zebra 7"_s).lines, QStringList{u"Zebra 7 --- One"_s}); // no folder has a blank

    QTemporaryDir empty;
    ASSERT_TRUE(writeCatalogue(empty.path(), {}));
    ASSERT_TRUE(search.load(empty.filePath(u"tracks.lum"_s)));
    EXPECT_TRUE(search.find(QString()).lines.isEmpty());
}

} // namespace
