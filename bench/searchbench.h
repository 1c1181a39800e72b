#pragma once

#include "benchcommon.h"

namespace lumetra::bench {

// The search window over a music tree of N albums (ten tracks each), searching "mp3" from the key press to
// the painted results against `find -iname` over the same tree; the longest the window's event loop waits
// meanwhile, and how long opening the window keeps it.
int searchBench(const Options &options);

} // namespace lumetra::bench
