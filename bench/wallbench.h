#pragma once

#include "benchcommon.h"

namespace lumetra::bench {

// Parent: builds the libraries, measures, prints one line per figure.
int wallBench(const Options &options);
// Child process: starts the window on DIR like the program does, prints "ready" once the first page is
// painted, then makes the lookups of a track played and prints "memory <peak kB>".
int wallChild(int argc, char *argv[], const QString &dir);
// A long playlist made a collection, against reading it, on the wall's library.
int importBench(const Options &options);

} // namespace lumetra::bench
