#pragma once

#include "benchcommon.h"

namespace lumetra::bench {

// The folder scanner over a music tree of N albums against `find` over the same tree, and the longest time
// the scan keeps the window from its event loop.
int scanBench(const Options &options);

} // namespace lumetra::bench
