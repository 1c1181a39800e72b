#!/usr/bin/env bash
# The phone remote in a real browser: installs what is missing (a virtual display, Chromium, its driver and
# Selenium), builds the program and the demo library writer, then runs tests/remote/browser_e2e.py.
# Skips, saying why, only where Chromium cannot start. Usage: tools/remote-e2e.sh
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(xvfb xauth chromium chromium-driver python3-selenium iproute2)
tools/install-deps.sh "${packages[@]}"

build="${LUMETRA_BUILD_DIR:-build}"
if [ ! -f "$build/CMakeCache.txt" ]; then
    tools/install-deps.sh
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j2 --target lumetra lumetra-demo
rc=0
# Debian's Python, where python3-selenium is installed.
/usr/bin/python3 tests/remote/browser_e2e.py "$build/bin" || rc=$?
if [ "$rc" -eq 77 ]; then
    echo "phone remote browser test skipped: Chromium cannot start on this machine"
    exit 0
fi
exit "$rc"
