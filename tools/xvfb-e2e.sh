#!/usr/bin/env bash
# Whole-program test on a virtual X display: installs what is missing, builds the program and the demo
# library writer, then runs tests/xvfb/e2e.sh. Usage: tools/xvfb-e2e.sh
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(xvfb xdotool openbox x11-utils dbus-daemon dbus-bin imagemagick sqlite3)
tools/install-deps.sh "${packages[@]}"

build="${LUMETRA_BUILD_DIR:-build}"
if [ ! -f "$build/CMakeCache.txt" ]; then
    tools/install-deps.sh
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j2 --target lumetra lumetra-demo
exec tests/xvfb/e2e.sh "$build/bin"
