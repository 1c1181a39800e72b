#pragma once

#include "benchcommon.h"

namespace lumetra::bench {

// 10,000 track ends over a music tree of 2,000 albums, cycling through every play mode and its switches,
// with a player that plays nothing: resident memory after them against that after the first 1,000.
int modesBench();

} // namespace lumetra::bench
