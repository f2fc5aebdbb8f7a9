#!/usr/bin/env bash
# Runs the built GUI as the menu entry starts an installed one: from the home
# folder, so that it reads its own library (the source tree's library/, which
# a program in the build folder knows) and keeps the reader's files in the
# home's data folder, never in the repository. Without a display it starts a
# private Xvfb server, lets the program come up, saves a screenshot of the
# whole screen to build/screenshots/start.png and stops again.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
bin="$root/build/tessary"
shots="$root/build/screenshots"
settle_seconds=${TESSARY_SETTLE_SECONDS:-3}

if [[ ! -x "$bin" ]]; then
    echo "run: $bin is missing; build it first (make run does)" >&2
    exit 1
fi

cd "${HOME:-/}"

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    exec "$bin"
fi

# No display: use a virtual one on the first free display number.
display=99
while [[ -e "/tmp/.X${display}-lock" || -e "/tmp/.X11-unix/X${display}" ]]; do
    display=$((display + 1))
done

xvfb_pid=""
app_pid=""
cleanup() {
    if [[ -n "$app_pid" ]] && kill -0 "$app_pid" 2>/dev/null; then
        kill "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
    fi
    if [[ -n "${wm_pid:-}" ]] && kill -0 "$wm_pid" 2>/dev/null; then
        kill "$wm_pid" 2>/dev/null || true
        wait "$wm_pid" 2>/dev/null || true
    fi
    if [[ -n "$xvfb_pid" ]] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT

Xvfb ":${display}" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!

# Wait up to 5 s for the server's socket.
for _ in $(seq 50); do
    [[ -S "/tmp/.X11-unix/X${display}" ]] && break
    if ! kill -0 "$xvfb_pid" 2>/dev/null; then
        echo "run: Xvfb did not start on :${display}" >&2
        exit 1
    fi
    sleep 0.1
done

export DISPLAY=":${display}"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

# A window manager draws the main window's title bar in the screenshot.
wm_pid=""
if command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    wm_pid=$!
    sleep 0.5
fi

"$bin" &
app_pid=$!
sleep "$settle_seconds"

if ! kill -0 "$app_pid" 2>/dev/null; then
    status=0
    wait "$app_pid" || status=$?
    app_pid=""
    echo "run: tessary ended before the screenshot (exit status $status)" >&2
    exit 1
fi

mkdir -p "$shots"
import -display "$DISPLAY" -window root "$shots/start.png"
echo "run: no display, ran tessary under Xvfb; screenshot: $shots/start.png"
