#include "support/testlibrary.h"
#include "wall/slotlayout.h"

#include <gtest/gtest.h>

#include <array>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

class WallTest : public ::testing::Test, public TestLibrary
{
protected:
    // Twenty albums "T00".."T19" (every third without a cover) on a wall of nine slots.
    void loadTwenty()
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

    // The page that starts at album `first`: wrapping round, or slots left empty past the last album.
    static std::vector<int> pageFrom(int first, bool noWrap)
    {
        std::vector<int> v;
        for (int i = first; i < first + 9; ++i)
            v.push_back(i < 20 ? i : noWrap ? -1 : i - 20);
        return v;
    }
};

// Each flip shows the page its start promised (the wall's pictures read ahead without moving the catalogue's
// cursor); without wrap the wall stops at either end, with wrap it goes round.
TEST_F(WallTest, SlotsCarryTheirAlbumsIdAndCoverAndPagingWrapsOnlyWhenAllowedShowingThePageReadAhead)
{
    loadTwenty();
    m_wall.display();
    m_songs.findFirst(u"ID = "_s + m_wall.page()[1].id);
    EXPECT_EQ(m_songs.value(u"Album"_s), u"T01"_s);
    EXPECT_EQ(m_wall.page()[1].picture, m_songs.value(u"Path"_s) + u"cover.jpg"_s);
    EXPECT_EQ(m_wall.page()[3].picture, m_app.noCoverPicture()); // T03 has no cover

    const struct {
        bool noWrap;
        int start;
        std::vector<std::pair<char, int>> flips; // 'n' next or 'p' previous, then the page's first album
    } runs[] = {
        {false,
         0,
         {{'n', 9}, {'n', 18}, {'p', 9}, {'n', 18}, {'n', 7}, {'p', 18}, {'p', 9}, {'p', 0}, {'p', 11}}},
        {true,
         2,
         {{'n', 11}, {'n', 11}, {'p', 2}, {'p', 0}, {'p', 0}, {'n', 9}, {'n', 18}, {'n', 18}, {'p', 9}}}};
    for (const auto &run : runs) {
        m_wall.setNoWrap(run.noWrap);
        m_wall.setFirstAlbum(run.start);
        m_wall.display();
        EXPECT_EQ(shown(), pageFrom(run.start, run.noWrap));
        for (const auto &[step, first] : run.flips) {
            SCOPED_TRACE(testing::Message() << "no wrap " << run.noWrap << ", " << step << " to " << first);
            const int start = step == 'n' ? m_wall.nextPageStart() : m_wall.previousPageStart();
            const QString current = m_songs.value(u"Album"_s);
            const QStringList ahead = start < 0 ? QStringList() : m_wall.pictureFiles(start);
            EXPECT_EQ(m_songs.value(u"Album"_s), current);
            const bool moved = step == 'n' ? m_wall.nextPage() : (m_wall.previousPage(), true);
            EXPECT_EQ(moved, start >= 0);
            EXPECT_EQ(shown(), pageFrom(first, run.noWrap));
            QStringList pictures;
            for (const SlotContent &slot : m_wall.page()) {
                pictures.append(slot.picture);
                EXPECT_TRUE(!slot.title.isEmpty() ||
                            (slot.id.isEmpty() && slot.picture == m_app.noCoverPicture()));
            }
            if (moved) {
                EXPECT_EQ(pictures, ahead);
            }
        }
    }
}

TEST_F(WallTest, JumpToFirstTitleOfTheLetterOrRememberNone)
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

TEST_F(WallTest, EmptyCatalogueFillsNothing)
{
    m_albums.setTitles({u"stale"_s});
    ASSERT_TRUE(load({}));
    EXPECT_TRUE(m_albums.isEmpty());
    m_wall.display();
    EXPECT_TRUE(m_wall.page().empty());
    for (char16_t c = u'A'; c <= u'Z'; ++c)
        EXPECT_FALSE(m_wall.jumpToLetter(c));
}

// The grid that fits, never more slots than albums, and at least one row.
TEST(SlotLayout, TheWorkedExampleGivesThreeByThreeAndSlotsNeverOutnumberAlbumsNorFallUnderOneRow)
{
    const auto slots = layoutSlots(10360, 9420, 2400, 150, 100);
    ASSERT_EQ(slots.size(), 9u);
    const int lefts[] = {150, 2850, 5550};
    const int tops[] = {150, 3200, 6250};
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(slots[k].cover, QRect(lefts[k % 3], tops[k / 3], 2400, 2400)) << k;
        EXPECT_EQ(slots[k].shadow.topLeft(), slots[k].cover.topLeft() + QPoint(60, 60));
        EXPECT_EQ(slots[k].title.top(), tops[k / 3] + 2500);
        EXPECT_EQ(slots[k].title.width(), 2400);
    }
    for (const auto &[width, height, albums, count] :
         {std::array{10360, 9420, 5, 5}, std::array{10360, 9420, 0, 0}, std::array{6000, 1000, 50, 2}}) {
        EXPECT_EQ(layoutSlots(width, height, 2400, 150, albums).size(), size_t(count))
            << width << " x " << height << ", " << albums << " albums";
    }
}

} // namespace
