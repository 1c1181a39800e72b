#pragma once

#include <QString>

namespace lumetra::bench {

// Parent: builds the libraries, measures, prints one line per figure.
int wallBench(const QString &self);
// Child process: starts the window on DIR like the program does, prints "ready <peak rss kB>", exits.
int wallChild(int argc, char *argv[], const QString &dir);

} // namespace lumetra::bench
