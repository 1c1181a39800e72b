#!/usr/bin/env bash
# The real jukebox on a virtual X display with a window manager and a private session bus, driven only by
# pointer and key events. Checks what a user or the desktop sees: window titles, the debug log, MPRIS and
# the catalogue after a normal close.
# Usage: tests/xvfb/e2e.sh BIN_DIR   (BIN_DIR holds lumetra and lumetra-demo; tools/xvfb-e2e.sh builds them)
set -euo pipefail

bin=$(cd "${1:?usage: e2e.sh BIN_DIR}" && pwd)
for tool in Xvfb openbox xdotool xprop xwininfo dbus-daemon dbus-send import convert sqlite3 timeout; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: tools/xvfb-e2e.sh installs it" >&2; exit 2; }
done

work=$(mktemp -d)
app="$work/app"
log="$work/lumetra.log"
display=""
app_pid=""
pids=()
step="setting up"
started=$SECONDS

# Everything is ended by the PID this script got when starting it.
cleanup() {
    local rc=$?
    set +e
    if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then
        local children=()
        mapfile -t children < <(pgrep -P "$app_pid")
        kill -TERM "$app_pid"
        for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
        kill -KILL "$app_pid" "${children[@]}" 2>/dev/null
    fi
    local pid
    for pid in "${pids[@]}"; do kill -TERM "$pid" 2>/dev/null; done
    for pid in "${pids[@]}"; do
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -KILL "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    if [ "$rc" -eq 0 ]; then
        rm -rf "$work"
    else
        echo "log and screenshot kept in $work" >&2
    fi
}
trap cleanup EXIT

fail() {
    trap - ERR
    echo "FAILED at step \"$step\": $*" >&2
    echo "--- last 40 lines of $log ---" >&2
    tail -n 40 "$log" >&2 2>/dev/null || true
    if [ -n "$display" ] && DISPLAY=$display timeout 10 import -window root "$work/failure.png" 2>/dev/null; then
        echo "screenshot: $work/failure.png" >&2
    fi
    exit 1
}
trap 'fail "\"$BASH_COMMAND\" failed"' ERR

# poll SECONDS COMMAND...: succeeds as soon as COMMAND does, fails once SECONDS have passed.
poll() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -le "$deadline" ] || return 1
        sleep 0.1
    done
}

xdo() { DISPLAY=$display timeout 10 xdotool "$@"; }

# Each step looks only at the log written after it began.
mark=0
begin() {
    step=$1
    step_started=$SECONDS
    mark=$(wc -l <"$log")
}
remark() { mark=$(wc -l <"$log"); }
passed() { echo "ok  $step ($((SECONDS - step_started)) s)"; }
new_log() { tail -n "+$((mark + 1))" "$log"; }
logged_line() { new_log | grep -qxF -- "$1"; }
logged_prefix() { new_log | awk -v p="$1" 'index($0, p) == 1 { found = 1 } END { exit !found }'; }
expect_line() { poll 10 logged_line "$1" || fail "no log line \"$1\""; }
expect_prefix() { poll 10 logged_prefix "$1" || fail "no log line starting \"$1\""; }

title_is() { [ "$(xdo getwindowname "$main")" = "$1" ]; }
title_starts() { [[ "$(xdo getwindowname "$main")" == "$1"* ]]; }
expect_title() { poll 10 title_is "$1" || fail "window title is \"$(xdo getwindowname "$main")\", not \"$1\""; }

mpris_status() {
    dbus-send --bus="$bus" --print-reply=literal --reply-timeout=2000 --dest=org.mpris.MediaPlayer2.lumetra \
        /org/mpris/MediaPlayer2 org.freedesktop.DBus.Properties.Get \
        string:org.mpris.MediaPlayer2.Player string:PlaybackStatus 2>/dev/null | awk '{ print $NF }'
}
mpris_is() { [ "$(mpris_status)" = "$1" ]; }
expect_mpris() { poll 10 mpris_is "$1" || fail "MPRIS reports \"$(mpris_status)\", not \"$1\""; }

window_shown() { xdo search --onlyvisible --name "$1" >/dev/null 2>&1; }
window_gone() { ! window_shown "$1"; }
# expect_window NAME [SECONDS]: sets $found to the window's id.
expect_window() {
    poll "${2:-10}" window_shown "$1" || fail "no window \"$1\" appeared"
    found=$(xdo search --onlyvisible --name "$1" | head -n 1)
}
expect_no_window() { poll 10 window_gone "$1" || fail "window \"$1\" is still open"; }

# Pixel positions at 96 dpi, where a twip is 1/15 pixel, on a 1920x1080 screen: the wall is
# 23800x14100 twips and the button strip sits 100 twips below it.
twips() { echo $(($1 / 15)); }
wall_w=23800
wall_h=14100
strip_y=$(twips $((wall_h + 100 + 240 + 225)))
next_x=$(twips $((wall_w - 1300 + 562)))
prev_x=$(twips $((wall_w - 2600 + 562)))
mode_x=$(twips $((120 + 1125)))
options_x=$(twips $((2520 + 1125)))
help_x=$(twips $((4920 + 225)))
cover0=$(twips $((150 + 1200)))
tracks_x=$(twips $((wall_w + 400 + 30 + 900)))
track0_y=$(($(twips 4395) + 4 + 7))

click() { xdo mousemove --window "$main" "$1" "$2" click 1; }

# An open menu is an unmanaged window of the program that is not a tooltip.
menu_open() {
    local w
    for w in $(xdo search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        [ "$w" != "$main" ] || continue
        DISPLAY=$display xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes' || continue
        DISPLAY=$display xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q TOOLTIP && continue
        return 0
    done
    return 1
}
menu_closed() { ! menu_open; }
# choose X DOWNS: opens the menu of the strip's button at X and picks its item number DOWNS by keyboard.
choose() {
    click "$1" "$strip_y"
    poll 10 menu_open || fail "the menu did not open"
    local keys=()
    for _ in $(seq "$2"); do keys+=(Down); done
    xdo key "${keys[@]}" Return
    poll 10 menu_closed || fail "the menu did not close"
}

close_window() { xdo windowactivate --sync "$1" key alt+F4; }

# --- the demo library -------------------------------------------------------------------------------
"$bin/lumetra-demo" "$app" >"$work/demo.log" 2>&1 || { cat "$work/demo.log" >&2; fail "lumetra-demo failed"; }
: >"$log"
# The wall's order is the program's own collation, which the inventory page lists (one title every seven
# lines after a header of six, HTML-escaped).
QT_QPA_PLATFORM=none "$bin/lumetra" --app-dir "$app" --inventory >"$work/inventory.log" 2>&1 ||
    fail "the inventory failed: $(cat "$work/inventory.log")"
titles=()
paths=()
while IFS= read -r t; do
    titles+=("$t")
    paths+=("$(sqlite3 "$app/tracks.lum" "select Path from songs where Album = '${t//\'/\'\'}'")")
done < <(awk 'NR > 6 && (NR - 6) % 7 == 6' "$app/albums.htm" | tr -d '\r' |
    sed -e 's/&quot;/"/g' -e 's/&lt;/</g' -e 's/&gt;/>/g' -e 's/&amp;/\&/g')
[ ${#titles[@]} -eq 30 ] || fail "the demo library has ${#titles[@]} albums, not 30"
# A scan of the demo's own Music folder, without a window (there is no display yet), finds every album.
QT_QPA_PLATFORM=none "$bin/lumetra" --app-dir "$work/rescan" --scan="$app/Music" --layout=nested \
    >"$work/rescan.log" 2>&1 || fail "the rescan failed: $(cat "$work/rescan.log")"
grep -q 'Music folders found: 30$' "$work/rescan.log" || fail "the rescan: $(cat "$work/rescan.log")"
first_track() {
    find "$1" -maxdepth 1 -type f \( -iname '*.mp3' -o -iname '*.ogg' -o -iname '*.wav' \) -printf '%f\n' |
        LC_ALL=C sort -f | head -n 1
}
# Two state records: a normal close must leave exactly one.
sqlite3 "$app/tracks.lum" 'insert into opts select * from opts'
volume=$(sqlite3 "$app/tracks.lum" 'select folders from opts limit 1')

# --- display, window manager, session bus ----------------------------------------------------------
mkdir -p "$work/home" "$work/runtime"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
display_ready() { grep -q '^[0-9]' "$work/display" 2>/dev/null; }
poll 10 display_ready || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
display=":$(head -n 1 "$work/display")"

HOME="$work/home" DISPLAY=$display openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
wm_ready() { DISPLAY=$display xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
poll 10 wm_ready || fail "the window manager did not start"

dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$work/bus" 4>"$work/bus.pid"
pids+=("$(cat "$work/bus.pid")")
bus=$(head -n 1 "$work/bus")

# --- the program ----------------------------------------------------------------------------------
chmod 700 "$work/runtime"
(
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
    export DISPLAY=$display DBUS_SESSION_BUS_ADDRESS=$bus LC_ALL=C.UTF-8 LANGUAGE=en HOME="$work/home" \
        XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/home/config" XDG_CACHE_HOME="$work/home/cache" \
        XDG_DATA_HOME="$work/home/data" QT_LOGGING_RULES='lumetra.*.debug=true'
    "$bin/lumetra" --app-dir "$app" >"$work/stdout.log" 2>>"$log" &
    echo $! >"$work/app.pid"
    wait $! && echo 0 >"$work/app.rc" || echo $? >"$work/app.rc"
) &
app_started() { [ -s "$work/app.pid" ]; }
poll 10 app_started || fail "the program did not start"
app_pid=$(cat "$work/app.pid")

begin "the window opens with every album"
main_window() { main=$(xdo search --onlyvisible --pid "$app_pid" --name '^Lumetra Jukebox' 2>/dev/null | head -n 1); [ -n "$main" ]; }
poll 20 main_window || fail "no main window appeared"
expect_title "Lumetra Jukebox: 30 albums loaded."
expect_line "lumetra.mainwindow: page starts with ${titles[0]}"
expect_mpris Stopped
passed

begin "the window manager shows it full screen"
wm_state() { DISPLAY=$display xprop -id "$main" _NET_WM_STATE 2>/dev/null; }
full_screen() { wm_state | grep -q _NET_WM_STATE_FULLSCREEN; }
not_full_screen() { ! full_screen; }
poll 10 full_screen || fail "the window's state is \"$(wm_state)\""
passed

begin "Next and Prev page through a full wall"
# All 30 albums fill one page of 8 columns by 4 rows, so both wrap round to the first.
click "$next_x" "$strip_y"
expect_line "lumetra.mainwindow: page starts with ${titles[0]}"
remark
click "$prev_x" "$strip_y"
expect_line "lumetra.mainwindow: page starts with ${titles[0]}"
passed

begin "the letter bar jumps to M"
letter=M
m_index=-1
for k in "${!titles[@]}"; do
    if [ "${titles[k]:0:1}" = "$letter" ]; then m_index=$k; break; fi
done
[ "$m_index" -ge 0 ] || fail "no album starts with $letter"
# Pointing at the top edge of the wall brings up the bar; "A" is narrower than the other letters.
j=$(($(printf '%d' "'$letter") - 65))
if [ "$j" -eq 0 ]; then letter_x=$((60 + 195)); else letter_x=$((500 + 400 * (j - 1) + 225)); fi
xdo mousemove --window "$main" "$(twips $((wall_w / 2)))" 3
xdo mousemove --window "$main" "$(twips $((wall_w / 2 - 5340 + letter_x)))" "$(twips $((45 + 195)))" click 1
expect_line "lumetra.mainwindow: page starts with ${titles[m_index]}"
passed

begin "a cover click plays its album"
click "$cover0" "$cover0"
expect_line "lumetra.playback: playing ${paths[m_index]}$(first_track "${paths[m_index]}")"
expect_mpris Playing
passed

begin "Jukebox mode"
choose "$mode_x" 3
expect_line "lumetra.playback: mode jukebox"
expect_line "lumetra.mainwindow: page starts with ${titles[0]}"
passed

begin "Next and Prev page the shorter Jukebox wall"
# The queue takes room from the wall: 8 columns by 3 rows.
click "$next_x" "$strip_y"
expect_line "lumetra.mainwindow: page starts with ${titles[24]}"
remark
click "$prev_x" "$strip_y"
expect_line "lumetra.mainwindow: page starts with ${titles[0]}"
passed

begin "a track picked in Jukebox mode is queued and plays"
click "$cover0" "$cover0"
click "$tracks_x" "$track0_y"
expect_line "lumetra.playback: playing ${paths[0]}$(first_track "${paths[0]}")"
expect_title "*Playlist Mode: (click album art in playlist area to skip track...)"
expect_mpris Playing
passed

begin "Shuffle All"
choose "$mode_x" 2
expect_line "lumetra.playback: mode shuffle all"
expect_prefix "lumetra.playback: playing "
poll 10 title_starts "*Shuffle Mode:" || fail "window title is \"$(xdo getwindowname "$main")\""
expect_mpris Playing
passed

begin "Search finds an album and jumps to it"
target=$((${#titles[@]} - 1))
# The search also matches folders, so the text must name one album's folder only.
[ "$(printf '%s\n' "${paths[@]}" | grep -ciF -- "${titles[target]}")" -eq 1 ] ||
    fail "\"${titles[target]}\" is not the name of exactly one album folder"
choose "$options_x" 1
expect_window '^Search for track names$'
search=$found
xdo windowactivate --sync "$search"
xdo type --delay 15 "${titles[target]}"
xdo key Return
# Results arrive from a worker: give them a moment, as a double click on no result is an error message.
sleep 1
# The album itself is the first result, under the status panel and the text box; a double click on it moves
# the wall there and closes the window.
xdo mousemove --window "$search" 100 76 click --repeat 2 --delay 80 1
expect_line "lumetra.mainwindow: page starts with ${titles[target]}"
expect_no_window '^Search for track names$'
passed

begin "Settings opens and Cancel closes it"
choose "$options_x" 3
expect_window '^Settings$'
settings=$found
ini_before=$(stat -c %y "$app/jb.ini")
# Cancel is the last button of the bottom row, right of Okay.
eval "$(xdo getwindowgeometry --shell "$settings")"
xdo mousemove --window "$settings" $((WIDTH - 52)) $((HEIGHT - 26)) click 1
expect_no_window '^Settings$'
# Okay would have rewritten the settings and refilled the wall.
[ "$(stat -c %y "$app/jb.ini")" = "$ini_before" ] || fail "the settings were saved"
! logged_prefix "lumetra.mainwindow: page starts with" || fail "the wall was refilled"
passed

begin "Add New Album opens in Normal Play and closes with the window manager"
choose "$options_x" 2
expect_window '^Create a New Album$'
newalbum=$found
expect_line "lumetra.playback: mode normal play"
expect_title "30 albums loaded."
expect_mpris Stopped
close_window "$newalbum"
expect_no_window '^Create a New Album$'
passed

begin "Help shows its page and closes with the window manager"
click "$help_x" "$strip_y"
expect_window '^Help -\[Lumetra 1\.5\.0\]$' 30
help=$found
# A drawn page has thousands of colours; the picture strip on its left is left out.
page_colours() { DISPLAY=$display import -window "$help" png:- 2>/dev/null | convert - -crop +100+0 +repage -format %k info:; }
page_drawn() { [ "$(page_colours)" -gt 1000 ] 2>/dev/null; }
poll 30 page_drawn || fail "the help page shows $(page_colours) colours"
close_window "$help"
expect_no_window '^Help -\[Lumetra'
passed

begin "locked, the jukebox comes back from the window manager's Iconify"
# Options' eighth item is "Lock for guests…", and "Unlock" in its place once locked.
choose "$options_x" 8
expect_window '^Lock for guests$'
xdo key 4 7 1 1 Tab 4 7 1 1 Return
# ICCCM's WM_CHANGE_STATE, as xdotool sends it.
xdo windowminimize "$main"
expect_line "lumetra.mainwindow: locked: full screen again"
shown() { DISPLAY=$display xwininfo -id "$main" | grep -q IsViewable && full_screen && ! wm_state | grep -q HIDDEN; }
poll 2 shown || fail "the locked window is \"$(wm_state)\""
choose "$options_x" 8
expect_window '^Lumetra$'
xdo key 4 7 1 1 Return
passed

begin "F11 leaves full screen and a 1200x800 window keeps every control inside"
xdo windowactivate --sync "$main"
xdo key F11
poll 10 not_full_screen || fail "the window is still full screen"
xdo windowsize "$main" 1200 800
expect_prefix "lumetra.mainwindow: wall laid out for 1200x800: "
per_page=$(new_log | sed -n 's/^lumetra\.mainwindow: wall laid out for 1200x800: \([0-9]*\) slots$/\1/p' | tail -n 1)
[ "$per_page" -gt 0 ] && [ "$per_page" -lt ${#titles[@]} ] || fail "$per_page slots for ${#titles[@]} albums"
# The same design at the window's size: a wall of 13000x9900 twips.
wall_w=13000
wall_h=9900
strip_y=$(twips $((wall_h + 100 + 240 + 225)))
next_x=$(twips $((wall_w - 1300 + 562)))
prev_x=$(twips $((wall_w - 2600 + 562)))
tracks_x=$(twips $((wall_w + 400 + 30 + 900)))
# Play/pause sits at the left of the player bar's lower row.
play_x=$(($(twips $((wall_w + 400 + 30))) + 12))
play_y=$(($(twips 150) + 36))
remark
click "$next_x" "$strip_y"
expect_line "lumetra.mainwindow: page starts with ${titles[per_page]}"
remark
click "$prev_x" "$strip_y"
expect_line "lumetra.mainwindow: page starts with ${titles[0]}"
for x in "$mode_x" "$options_x"; do
    click "$x" "$strip_y"
    poll 10 menu_open || fail "the menu at $x did not open"
    xdo key Escape
    poll 10 menu_closed || fail "the menu at $x did not close"
done
click "$help_x" "$strip_y"
expect_window '^Help -\[Lumetra 1\.5\.0\]$' 30
close_window "$found"
expect_no_window '^Help -\[Lumetra'
remark
click "$cover0" "$cover0"
click "$tracks_x" "$track0_y"
expect_line "lumetra.playback: playing ${paths[0]}$(first_track "${paths[0]}")"
expect_mpris Playing
click "$play_x" "$play_y"
expect_mpris Paused
click "$play_x" "$play_y"
expect_mpris Playing
passed

begin "keys and the wheel page the wall as the buttons and the letter bar do"
# A click on the wall's background, left of the first cover, gives the wall the keyboard.
click 3 100
remark
xdo key Next
expect_line "lumetra.mainwindow: page starts with ${titles[per_page]}"
remark
xdo key End
last=$(( (${#titles[@]} - 1) / per_page * per_page ))
expect_line "lumetra.mainwindow: page starts with ${titles[last]}"
remark
xdo key Home
expect_line "lumetra.mainwindow: page starts with ${titles[0]}"
remark
xdo key "$(tr 'A-Z' 'a-z' <<<"$letter")"
expect_line "lumetra.mainwindow: page starts with ${titles[m_index]}"
remark
xdo mousemove --window "$main" "$cover0" "$cover0" click 5
expect_line "lumetra.mainwindow: page starts with ${titles[(m_index + per_page) % ${#titles[@]}]}"
remark
xdo click 4
expect_line "lumetra.mainwindow: page starts with ${titles[m_index]}"
remark
xdo key Home Return
expect_line "lumetra.playback: playing ${paths[0]}$(first_track "${paths[0]}")"
passed

begin "the window manager closes the program, which stores its state"
close_window "$main"
app_exited() { [ -s "$work/app.rc" ]; }
poll 15 app_exited || fail "the program is still running"
rc=$(cat "$work/app.rc")
[ "$rc" -eq 0 ] || fail "the program exited with $rc"
app_pid=""
state=$(sqlite3 "$app/tracks.lum" 'select count(*), max(folders), max(formcolor) from opts')
[ "$state" = "1|$volume|" ] || fail "state records (count|volume|mode) are \"$state\", not \"1|$volume|\""
passed

echo "xvfb e2e passed in $((SECONDS - started)) s"
