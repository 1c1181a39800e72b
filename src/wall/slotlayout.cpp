#include "slotlayout.h"

#include <algorithm>

namespace lumetra {

std::vector<SlotGeometry> layoutSlots(int wallWidth, int wallHeight, int coverSize, int coverGap,
                                      int albumCount)
{
    std::vector<SlotGeometry> slots;
    const int s = coverSize;
    const int g = coverGap;
    if (albumCount <= 0 || s <= 0)
        return slots;
    int nextLeft = g;
    int nextTop = g;
    while (static_cast<int>(slots.size()) != albumCount) {
        SlotGeometry slot;
        slot.cover = QRect(nextLeft, nextTop, s, s);
        slot.shadow = QRect(nextLeft + kShadowOffsetTwips, nextTop + kShadowOffsetTwips, s, s);
        slot.title = QRect(nextLeft, nextTop + s + kTitleGapTwips, s, kTitleHeightTwips);
        slots.push_back(slot);
        nextLeft += s + 2 * g;
        if (wallWidth - nextLeft < s + g) {
            nextLeft = g;
            nextTop += s + g + kRowExtraTwips;
            if (wallHeight - nextTop < s + g + kRowExtraTwips)
                break;
        }
    }
    return slots;
}

void spreadAcrossWidth(std::vector<SlotGeometry> &slots, int wallWidth, int coverGap)
{
    if (slots.empty())
        return;
    std::vector<int> lefts;
    for (const SlotGeometry &slot : slots) {
        if (std::find(lefts.begin(), lefts.end(), slot.cover.left()) == lefts.end())
            lefts.push_back(slot.cover.left());
    }
    std::sort(lefts.begin(), lefts.end());
    const int columns = static_cast<int>(lefts.size());
    const int coverSize = slots.front().cover.width();
    const int spare = wallWidth - coverGap - (coverSize + lefts.back());
    // A row that is not full (fewer albums than a row holds) stays at the left.
    if (columns < 2 || spare <= 0 || spare >= coverSize + 2 * coverGap)
        return;
    for (SlotGeometry &slot : slots) {
        const auto column =
            static_cast<int>(std::find(lefts.begin(), lefts.end(), slot.cover.left()) - lefts.begin());
        const int shift = spare * column / (columns - 1);
        slot.cover.translate(shift, 0);
        slot.shadow.translate(shift, 0);
        slot.title.translate(shift, 0);
    }
}

} // namespace lumetra
