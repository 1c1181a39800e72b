#pragma once

#include <QRect>

#include <vector>

namespace lumetra {

// Where one cover slot's parts lie on the wall, in twips from the wall's top left.
struct SlotGeometry {
    QRect cover;
    QRect shadow;
    QRect title;
};

inline constexpr int kTitleGapTwips = 100;    // between a cover and its title
inline constexpr int kTitleHeightTwips = 500; // room for two lines of title
inline constexpr int kRowExtraTwips = 500;    // added to each row's pitch for the title
inline constexpr int kShadowOffsetTwips = 60;

// The grid of one page: margin G, horizontal pitch S + 2G, vertical pitch S + G + 500, rows filled left to
// right while another cover fits, never more slots than albums. Lengths in twips.
std::vector<SlotGeometry> layoutSlots(int wallWidth, int wallHeight, int coverSize, int coverGap,
                                      int albumCount);

// The same grid with its columns spread over the wall's width, so the room a column too few leaves at the
// right (up to a quarter of a narrow wall) falls between the columns; the last column keeps the margin G.
// A row that is not full keeps its place.
void spreadAcrossWidth(std::vector<SlotGeometry> &slots, int wallWidth, int coverGap);

} // namespace lumetra
