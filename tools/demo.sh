#!/usr/bin/env bash
# Installs what is missing, builds, writes a demo library (once) and starts the jukebox on it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2 --target lumetra lumetra-demo
demo="${LUMETRA_DEMO_DIR:-$PWD/demo-library}"
[ -f "$demo/tracks.lum" ] || build/bin/lumetra-demo "$demo"
exec build/bin/lumetra --app-dir "$demo"
