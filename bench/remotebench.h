#pragma once

#include "benchcommon.h"

namespace lumetra::bench {

// The phone remote on a library of N albums over loopback: a page of 60 covers after the first request
// against reading the same thumbnail files, and one queue change reaching 50 pages against its target.
int remoteBench(const Options &options);

} // namespace lumetra::bench
