#!/usr/bin/env bash
# Takes a screenshot of the jukebox on a fresh demo library in a virtual 1920x1080 display.
# Usage: tools/screenshot.sh [OUT.png]   (default docs/wall.png). Needs xvfb and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/wall.png}"
for tool in Xvfb import; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: apt-get install xvfb imagemagick" >&2; exit 1; }
done
cmake --build build -j2 --target lumetra lumetra-demo >/dev/null

work=$(mktemp -d)
trap 'kill $app $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
build/bin/lumetra-demo "$work/app" >/dev/null

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
DISPLAY=$display build/bin/lumetra --app-dir "$work/app" >/dev/null 2>&1 &
app=$!
sleep "${LUMETRA_SHOT_DELAY:-3}"
DISPLAY=$display import -window root "$out"
kill -TERM $app
wait $app || true
echo "wrote $out"
