#include "wall/slotlayout.h"

#include <gtest/gtest.h>

using namespace lumetra;

namespace {

TEST(SlotLayout, WorkedExampleGivesThreeByThree)
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
}

TEST(SlotLayout, NeverMoreSlotsThanAlbums)
{
    EXPECT_EQ(layoutSlots(10360, 9420, 2400, 150, 5).size(), 5u);
    EXPECT_EQ(layoutSlots(10360, 9420, 2400, 150, 1).size(), 1u);
    EXPECT_TRUE(layoutSlots(10360, 9420, 2400, 150, 0).empty());
}

TEST(SlotLayout, FullHdScreenWithDefaultsHoldsFourRowsOfEight)
{
    // 1920 × 1080 at 96 dpi is 28800 × 16200 twips; the wall is 5000 narrower and 2100 shorter.
    const auto slots = layoutSlots(23800, 14100, 2400, 150, 10000);
    ASSERT_EQ(slots.size(), 32u);
    EXPECT_EQ(slots[7].cover.left(), 150 + 7 * 2700);
    EXPECT_EQ(slots[8].cover.topLeft(), QPoint(150, 3200));
    EXPECT_EQ(slots[31].cover.top(), 150 + 3 * 3050);
}

TEST(SlotLayout, AWallTooSmallForOneRowStillShowsOneRow)
{
    EXPECT_EQ(layoutSlots(6000, 1000, 2400, 150, 50).size(), 2u);
}

} // namespace
