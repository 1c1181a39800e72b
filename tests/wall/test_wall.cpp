#include "support/testlibrary.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

// Twenty albums "T00".."T19" (every third without a cover) on a wall of nine slots.
class WallTest : public ::testing::Test, public TestLibrary
{
protected:
    void SetUp() override
    {
        QList<TestAlbum> albums;
        for (int i = 19; i >= 0; --i)
            albums.append({u"T%1"_s.arg(i, 2, 10, QLatin1Char('0')), i % 3 != 0});
        ASSERT_TRUE(load(albums));
        m_wall.setSlotCount(9);
    }

    // The album numbers on the page; -1 for a slot past the last album.
    std::vector<int> shown() const
    {
        std::vector<int> numbers;
        for (const SlotContent &slot : m_wall.page())
            numbers.push_back(slot.title.isEmpty() ? -1 : slot.title.mid(1).toInt());
        return numbers;
    }

    static std::vector<int> range(int from, int count, int n = 20)
    {
        std::vector<int> v;
        for (int i = 0; i < count; ++i)
            v.push_back((from + i) % n);
        return v;
    }
};

TEST_F(WallTest, PagingWrapsAroundWhenAllowed)
{
    m_wall.display();
    EXPECT_EQ(shown(), range(0, 9));
    EXPECT_TRUE(m_wall.nextPage());
    EXPECT_EQ(shown(), range(9, 9));
    EXPECT_TRUE(m_wall.nextPage());
    EXPECT_EQ(shown(), range(18, 9));
    m_wall.previousPage();
    EXPECT_EQ(shown(), range(9, 9));

    m_wall.setFirstAlbum(0);
    m_wall.display();
    m_wall.previousPage();
    EXPECT_EQ(shown(), range(11, 9));
}

TEST_F(WallTest, PagingStopsAtTheEndWithoutWrap)
{
    m_wall.setNoWrap(true);
    m_wall.display();
    m_wall.nextPage();
    m_wall.nextPage();
    EXPECT_EQ(shown(), (std::vector<int>{18, 19, -1, -1, -1, -1, -1, -1, -1}));
    for (size_t k = 2; k < 9; ++k) {
        EXPECT_TRUE(m_wall.page()[k].id.isEmpty());
        EXPECT_EQ(m_wall.page()[k].picture, m_app.noCoverPicture());
    }
    EXPECT_FALSE(m_wall.nextPage());
    EXPECT_EQ(shown()[0], 18);
    m_wall.previousPage();
    EXPECT_EQ(shown(), range(9, 9));
    m_wall.previousPage();
    EXPECT_EQ(shown(), range(0, 9));
    m_wall.previousPage();
    EXPECT_EQ(shown(), range(0, 9));
}

TEST_F(WallTest, SlotsCarryIdAndCoverOfTheirAlbum)
{
    m_wall.display();
    const SlotContent &t01 = m_wall.page()[1];
    m_songs.findFirst(u"ID = "_s + t01.id);
    EXPECT_EQ(m_songs.value(u"Album"_s), u"T01"_s);
    EXPECT_EQ(t01.picture, m_songs.value(u"Path"_s) + u"cover.jpg"_s);
    EXPECT_EQ(m_wall.page()[3].picture, m_app.noCoverPicture()); // T03 has no cover
    EXPECT_EQ(m_wall.windowTitle(), u"Lumetra Jukebox: 20 albums loaded."_s);
}

TEST_F(WallTest, PagesAheadAreThoseTheFlipsShowAndLeaveTheCursorAlone)
{
    auto shownPictures = [this] {
        QStringList files;
        for (const SlotContent &slot : m_wall.page())
            files.append(slot.picture);
        return files;
    };
    for (const bool noWrap : {false, true}) {
        m_wall.setNoWrap(noWrap);
        m_wall.setFirstAlbum(0);
        m_wall.display();
        for (const char step : {'n', 'n', 'p', 'n', 'n', 'p', 'p', 'p'}) {
            const int start = step == 'n' ? m_wall.nextPageStart() : m_wall.previousPageStart();
            const QString current = m_songs.value(u"Album"_s);
            const QStringList ahead = start < 0 ? QStringList() : m_wall.pictureFiles(start);
            EXPECT_EQ(m_songs.value(u"Album"_s), current);
            const bool moved = step == 'n' ? m_wall.nextPage() : (m_wall.previousPage(), true);
            EXPECT_EQ(moved, start >= 0);
            if (moved) {
                EXPECT_EQ(shownPictures(), ahead) << "no wrap " << noWrap << ", start " << start;
            }
        }
    }
}

class WallLetters : public ::testing::Test, public TestLibrary
{
};

TEST_F(WallLetters, JumpToFirstTitleOfTheLetterOrRememberNone)
{
    ASSERT_TRUE(
        load({{u"brook"_s}, {u"Bravo"_s}, {u"alpha"_s}, {u"1999"_s}, {u"'Round Midnight"_s}, {u"Zulu"_s}}));
    m_wall.setSlotCount(2);
    m_wall.display();

    ASSERT_TRUE(m_wall.jumpToLetter(u'B'));
    EXPECT_EQ(m_wall.page()[0].title, u"Bravo"_s);
    EXPECT_EQ(m_wall.page()[1].title, u"brook"_s);
    ASSERT_TRUE(m_wall.jumpToLetter(u'A'));
    EXPECT_EQ(m_wall.page()[0].title, u"alpha"_s);
    const int before = m_wall.firstAlbum();
    EXPECT_FALSE(m_wall.jumpToLetter(u'Q'));
    EXPECT_TRUE(m_wall.letterHasNoAlbums(u'Q'));
    EXPECT_FALSE(m_wall.letterHasNoAlbums(u'A'));
    EXPECT_FALSE(m_wall.jumpToLetter(u'R')); // an apostrophe is not the letter after it
    EXPECT_EQ(m_wall.firstAlbum(), before);

    // The letter ahead: the next one that has albums, after the page's first title.
    EXPECT_EQ(m_albums.at(m_wall.nextLetterStart()), u"Bravo"_s);
    ASSERT_TRUE(m_wall.jumpToLetter(u'B'));
    EXPECT_EQ(m_albums.at(m_wall.nextLetterStart()), u"Zulu"_s);
    ASSERT_TRUE(m_wall.jumpToLetter(u'Z'));
    EXPECT_EQ(m_wall.nextLetterStart(), -1);
    m_wall.setFirstAlbum(0);
    m_wall.display(); // starts with '1999' or an apostrophe, before every letter
    EXPECT_EQ(m_albums.at(m_wall.nextLetterStart()), u"alpha"_s);
}

TEST_F(WallLetters, EmptyCatalogueFillsNothing)
{
    m_albums.setTitles({u"stale"_s});
    ASSERT_TRUE(load({}));
    EXPECT_TRUE(m_albums.isEmpty());
    m_wall.display();
    EXPECT_TRUE(m_wall.page().empty());
    EXPECT_EQ(m_wall.windowTitle(), u"Lumetra Jukebox: 0 albums loaded."_s);
    for (char16_t c = u'A'; c <= u'Z'; ++c)
        EXPECT_FALSE(m_wall.jumpToLetter(c));
}

TEST_F(WallLetters, AlbumListKeepsDuplicatesDropsEmptyTitlesAndSortsIgnoringCase)
{
    ASSERT_TRUE(
        load({{u"brook"_s}, {u"Beta"_s}, {QString()}, {u"alpha"_s}, {u"Bravo"_s}, {u"Beta"_s}, {u"Zed"_s}}));
    EXPECT_EQ(m_albums.titles(),
              (QStringList{u"alpha"_s, u"Beta"_s, u"Beta"_s, u"Bravo"_s, u"brook"_s, u"Zed"_s}));
}

} // namespace
