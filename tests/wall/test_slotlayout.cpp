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

// The grid that fits, never more slots than albums, and at least one row. 23800 × 14100 twips is the wall of
// a 1920 × 1080 screen at 96 dpi: four rows of eight.
TEST(SlotLayout, SlotCounts)
{
    const struct {
        int width, height, albums;
        size_t slots;
    } cases[] = {{10360, 9420, 5, 5},
                 {10360, 9420, 1, 1},
                 {10360, 9420, 0, 0},
                 {23800, 14100, 10000, 32},
                 {6000, 1000, 50, 2}};
    for (const auto &c : cases) {
        EXPECT_EQ(layoutSlots(c.width, c.height, 2400, 150, c.albums).size(), c.slots)
            << c.width << " x " << c.height << ", " << c.albums << " albums";
    }
}

} // namespace
