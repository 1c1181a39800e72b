#!/usr/bin/env bash
# Takes a screenshot of the jukebox on a fresh demo library in a virtual 1920x1080 display.
# Usage: tools/screenshot.sh [--jukebox|--party] [OUT.png]
#   default: the album wall, docs/wall.png; --jukebox: Jukebox mode with its queue, docs/jukebox.png;
#   --party: the same in party mode, with the up-next line and an album marked "No", docs/party.png.
# Needs xvfb, imagemagick and sqlite3 (and xdotool for --jukebox and --party).
set -euo pipefail
cd "$(dirname "$0")/.."
jukebox=false
party=false
case "${1:-}" in
--jukebox) jukebox=true; shift ;;
--party) jukebox=true; party=true; shift ;;
esac
default=docs/wall.png
$jukebox && default=docs/jukebox.png
$party && default=docs/party.png
out="${1:-$default}"
for tool in Xvfb import sqlite3 xdotool; do
    command -v "$tool" >/dev/null ||
        { echo "$tool is missing: apt-get install xvfb imagemagick sqlite3 xdotool" >&2; exit 1; }
done
cmake --build build -j2 --target lumetra lumetra-demo >/dev/null

work=$(mktemp -d)
app_pid=""
xvfb_pid=""
trap 'kill $app_pid $xvfb_pid 2>/dev/null || true; rm -rf "$work"' EXIT
build/bin/lumetra-demo "$work/app" >/dev/null
# The last run "ended in Jukebox mode": the program starts in it and queues a track itself.
$jukebox && sqlite3 "$work/app/tracks.lum" "update opts set formcolor = 'jukebox'"
if $party; then
    # Party mode on, unlocked; the third album of the first row is left out of Shuffle All.
    printf '%s\n' '[guests]' 'maxVolume=100' 'maxWaiting=10' 'maySkip=false' '' '[party]' 'format=1' \
        'historyAlbums=3' 'historyTracks=50' 'locked=false' 'mode=true' 'pinIterations=0' 'pinKey=' \
        'pinSalt=' >"$work/app/party.ini"
    chmod 600 "$work/app/party.ini"
    sqlite3 "$work/app/tracks.lum" "update songs set Probability = 'No' where Album in
        (select Album from songs order by Album collate nocase limit 2 offset 2)"
fi

Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do grep -q '^[0-9]' "$work/display" 2>/dev/null && break; sleep 0.1; done
display=":$(head -n 1 "$work/display")"
DISPLAY=$display HOME="$work" XDG_RUNTIME_DIR="$work" build/bin/lumetra --app-dir "$work/app" >/dev/null 2>&1 &
app_pid=$!
sleep "${LUMETRA_SHOT_DELAY:-3}"
if $jukebox; then
    # Queue three tracks of two albums with the pointer, where the 1920x1080 layout puts covers and tracks.
    click() { DISPLAY=$display xdotool mousemove "$1" "$2" click 1; sleep 0.6; }
    click 808 90    # the cover of the fifth album of the first row
    click 1700 303  # its first track
    if ! $party; then
        click 1700 331  # its third track
        click 448 496   # the third cover of the third row
        click 1700 318  # its second track
    fi
    DISPLAY=$display xdotool mousemove 1000 620
fi
DISPLAY=$display import -window root "$out"
kill -TERM $app_pid
wait $app_pid || true
echo "wrote $out"
