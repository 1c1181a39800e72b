#pragma once

#include <QCommandLineOption>

class QCommandLineParser;

namespace lumetra {

// Every option the program takes, with the description --help prints.
void describeOptions(QCommandLineParser &parser);
QCommandLineOption appDirOption();

// True when the arguments ask for work without a window (--scan, --inventory, --help, --version).
bool wantsNoWindow(int argc, char *argv[]);
// Runs that work and returns the exit code: 0 on success, 1 with a message on stderr on failure, 2 for
// arguments that do not fit.
int runWithoutWindow(int argc, char *argv[]);

} // namespace lumetra
