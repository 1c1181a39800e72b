#pragma once

#include "benchcommon.h"

namespace lumetra::bench {

// The sound: silence where an album's files join, a skip until the next file is heard, and the soak of
// many short, partly broken files under load, each against its floor or target.
int soundBench(const Options &options, int changes);
// A second process's load for the soak: every core busy until killed.
int loadChild();

} // namespace lumetra::bench
