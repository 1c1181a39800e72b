#pragma once

namespace lumetra::bench {

// The track search over 5,000 albums and 60,000 tracks against find -iname over the same tree.
int searchBench();

} // namespace lumetra::bench
