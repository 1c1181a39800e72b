#include "slotlayout.h"

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

} // namespace lumetra
