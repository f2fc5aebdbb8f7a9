#!/usr/bin/env bash
# Takes the screenshots of docs/screens/: the built program on a copy of the
# bundled library, under a private Xvfb server at 1920x1080 with a window
# manager, at the zoom step the program picks for that screen (a fresh
# settings folder), driven by xdotool along a fixed road; then the first
# start on a 3840x2160 screen. Each road starts the program afresh; clicks
# land at the places the windows' designed geometry gives at the program's
# zoom.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
bin="$root/build/tessary"
out="$root/docs/screens"
size=${TESSARY_SCREEN:-1920x1080}

for tool in Xvfb xdotool import convert; do
    if ! command -v "$tool" >/dev/null; then
        echo "screenshots: $tool is missing (apt-get install xvfb xauth openbox xdotool imagemagick)" >&2
        exit 1
    fi
done
if [[ ! -x "$bin" ]]; then
    echo "screenshots: $bin is missing; build it first (make screenshots does)" >&2
    exit 1
fi

work=$(mktemp -d /tmp/tessary-screens-XXXXXX)
display=""

xvfb_pid="" wm_pid="" app_pid=""
stop_app() {
    if [[ -n "$app_pid" ]] && kill -0 "$app_pid" 2>/dev/null; then
        kill "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
    fi
    app_pid=""
}
stop_server() {
    stop_app
    for pid in "$wm_pid" "$xvfb_pid"; do
        if [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    wm_pid="" xvfb_pid=""
}
cleanup() {
    stop_server
    rm -rf "$work"
}
trap cleanup EXIT

# A private X server of the given size with a window manager.
start_server() {
    display=90
    while [[ -e "/tmp/.X${display}-lock" || -e "/tmp/.X11-unix/X${display}" ]]; do
        display=$((display + 1))
    done
    Xvfb ":${display}" -screen 0 "${1}x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        [[ -S "/tmp/.X11-unix/X${display}" ]] && break
        sleep 0.1
    done
    export DISPLAY=":${display}"
    if command -v openbox >/dev/null; then
        openbox >/dev/null 2>&1 &
        wm_pid=$!
        sleep 0.5
    fi
}

unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
# The automatic zoom step and the first start's place: nothing stored.
export XDG_CONFIG_HOME="$work/config"
start_server "$size"

cp -r "$root/library" "$work/library"
mkdir -p "$out"

# Geometry of the running program: the MDI area's top-left corner on the
# screen, the zoom, and the height of a child window's title bar.
mdi_x=0 mdi_y=0 zoom=1 title=0 border=0 window=""

launch() {
    stop_app
    # Every road starts as a first start.
    rm -rf "$XDG_CONFIG_HOME"
    (cd "$work/library" && exec "$bin") >"$work/tessary.log" 2>&1 &
    app_pid=$!
    window=""
    for _ in $(seq 100); do
        window=$(xdotool search --name "T e s s a r y" 2>/dev/null | head -1 || true)
        [[ -n "$window" ]] && break
        sleep 0.1
    done
    if [[ -z "$window" ]]; then
        echo "screenshots: the program did not come up" >&2
        cat "$work/tessary.log" >&2
        exit 1
    fi
    sleep 1.5
    local geometry x y w h
    geometry=$(xdotool getwindowgeometry --shell "$window")
    x=$(sed -n 's/^X=//p' <<<"$geometry")
    y=$(sed -n 's/^Y=//p' <<<"$geometry")
    w=$(sed -n 's/^WIDTH=//p' <<<"$geometry")
    h=$(sed -n 's/^HEIGHT=//p' <<<"$geometry")
    # The designed main window is 650 pixels wide at 100 %.
    zoom=$(awk -v w="$w" 'BEGIN { z = int(w / 650 * 4 + 0.5) / 4; print (z < 1 ? 1 : z) }')
    import -display "$DISPLAY" -window root "$work/probe.png"
    # Below the menu bar, at the right, the grey background starts.
    local column=$((x + w - 4))
    mdi_y=$(convert "$work/probe.png" -crop "1x${h}+${column}+${y}" txt:- |
        awk -F'[ ,:]+' '!found && /#808080/ { print $2; found = 1 }')
    mdi_y=$((y + mdi_y))
    # At the bottom, below the start list, it starts at the area's left edge.
    local row=$((y + h - 4))
    mdi_x=$(convert "$work/probe.png" -crop "${w}x1+${x}+${row}" txt:- |
        awk -F'[ ,:]+' '!found && /#808080/ { print $1; found = 1 }')
    mdi_x=$((x + mdi_x))
    # A line of the program's font is 13 pixels at 100 %; a title bar one and
    # a half lines, a border a sixth.
    local line
    line=$(awk -v z="$zoom" 'BEGIN { print int(13 * z) }')
    title=$((line * 3 / 2))
    border=$((line / 6 > 0 ? line / 6 : 1))
}

# Screen position of a point of a window: window left and top in twips,
# then the point in the window's pixels at 100 %; framed says whether the
# window has a title bar.
at() {
    awk -v mx="$mdi_x" -v my="$mdi_y" -v z="$zoom" -v wl="$1" -v wt="$2" -v px="$3" \
        -v py="$4" -v framed="$5" -v t="$title" -v b="$border" 'BEGIN {
            x = mx + int(wl / 15 * z + 0.5) + int(px * z + 0.5)
            y = my + int(wt / 15 * z + 0.5) + int(py * z + 0.5)
            if (framed) { x += b; y += t }
            print x, y
        }'
}

click() {
    # shellcheck disable=SC2046
    xdotool mousemove $(at "$@") click 1
    sleep 0.8
}

# The centre of row r of a list whose top is at top (window pixels).
row() {
    awk -v top="$1" -v r="$2" 'BEGIN { print top + 1 + r * 13 + 6 }'
}

# The main window with the window manager's frame.
shot() {
    sleep 0.5
    import -display "$DISPLAY" -window "$window" -frame "$out/$1.png"
    echo "screenshots: $out/$1.png"
}

# The start list.
launch
shot start-list

# The Bible, the historic books, Genesis 1.
click 2 0 160 "$(row 40 0)" 1
click 2 0 160 "$(row 48 0)" 1
click 2 0 160 "$(row 48 0)" 1
shot genesis-1

# The chapter chooser of the reading window.
click 4775 -15 23 26 0
shot page-chooser

# Chapter 3 from it; then the help box of the chooser button, held down by
# the right mouse button.
click 0 0 11 "$(row 0 2)" 1
# shellcheck disable=SC2046
xdotool mousemove $(at 4775 -15 23 26 0) mousedown 3
sleep 0.8
shot help-box
xdotool mouseup 3

# The verse window: a click on the first verse of Genesis 1; then a click on
# its first original-language word gives that word's definition.
launch
click 2 0 160 "$(row 40 0)" 1
click 2 0 160 "$(row 48 0)" 1
click 2 0 160 "$(row 48 0)" 1
click 4775 -15 60 48 0
shot verse-window
click 4790 0 12 136 0
shot definition

# A search of the book: the search button, a word, Enter.
launch
click 2 0 160 "$(row 40 0)" 1
click 2 0 160 "$(row 48 0)" 1
click 2 0 160 "$(row 48 0)" 1
click 4775 -15 120 26 0
xdotool type --delay 50 light
xdotool key Return
sleep 1
shot search-results

# A list of passages: Study Texts, Topics (passages), the first entry under
# its first heading.
launch
click 2 0 160 "$(row 40 1)" 1
click 2 0 160 "$(row 48 1)" 1
click 2 0 160 "$(row 48 1)" 1
shot passage-list

# The topic grid of the quick answers.
launch
click 2 0 160 "$(row 40 3)" 1
shot topic-grid

# Genesis 1 in a maximised window: a double click on the title bar (a first
# start puts the window at the top of the screen, its title bar in the
# first rows); the windows fill the main area from top to bottom.
launch
click 2 0 160 "$(row 40 0)" 1
click 2 0 160 "$(row 48 0)" 1
click 2 0 160 "$(row 48 0)" 1
xdotool mousemove $((mdi_x + 300)) 8 click --repeat 2 --delay 80 1
sleep 1.5
import -display "$DISPLAY" -window root "$out/maximised.png"
echo "screenshots: $out/maximised.png"

echo "screenshots: zoom $(awk -v z="$zoom" 'BEGIN { print z * 100 }') % on a $size screen"

# The first start on a 3840x2160 screen, and Genesis 1 there.
stop_server
start_server 3840x2160
launch
import -display "$DISPLAY" -window root "$out/first-start-4k.png"
echo "screenshots: $out/first-start-4k.png"
click 2 0 160 "$(row 40 0)" 1
click 2 0 160 "$(row 48 0)" 1
click 2 0 160 "$(row 48 0)" 1
shot genesis-1-4k
echo "screenshots: zoom $(awk -v z="$zoom" 'BEGIN { print z * 100 }') % on a 3840x2160 screen"
