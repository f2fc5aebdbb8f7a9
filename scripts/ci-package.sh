#!/usr/bin/env bash
# The installed program as a reader gets it: builds the Debian package from
# the build folder (make deb), checks it with lintian, installs it with apt,
# validates the menu entry, the AppStream metadata and the manual pages it
# installed, starts the program from its menu entry's command line with a
# fresh HOME under Xvfb, opens a book from the keyboard, quits with saving,
# and checks that the history landed in that HOME's data folder and that
# nothing under the prefix changed; then purges the package and checks that
# nothing of it is left. Needs root; run after `make test` built build/.
set -euo pipefail

cd "$(dirname "$0")/.."
root=$(pwd)
app_id=org.tessary.Tessary
werror=${TESSARY_WERROR:-ON}

step() { echo "ci-package: $*"; }
fail() {
    echo "ci-package: FAILED: $*" >&2
    exit 1
}

[[ $(id -u) -eq 0 ]] || fail "must run as root (it installs and purges the package)"
if dpkg -s tessary >/dev/null 2>&1; then
    fail "a tessary package is installed already; remove it first (apt-get purge tessary)"
fi

scripts/install-deps.sh package-check
make deb TESSARY_WERROR="$werror" JOBS="${JOBS:-2}"
debs=(build/tessary_*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "make deb made no single package: ${debs[*]}"
deb="$root/${debs[0]}"
step "$(basename "$deb"): $(du -k "$deb" | cut -f1) KiB"
dpkg-deb --field "$deb" Depends

step "lintian"
lintian --fail-on error --display-info "$deb" || fail "lintian reports errors"

work=$(mktemp -d /tmp/tessary-ci-package-XXXXXX)
xvfb_pid="" app_pid="" purged=1
cleanup() {
    for pid in "$app_pid" "$xvfb_pid"; do
        if [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    rm -rf "$work"
    # A failed check leaves no package behind, so that the next run can start.
    if [[ $purged -eq 0 ]]; then
        DEBIAN_FRONTEND=noninteractive apt-get purge -y tessary >/dev/null 2>&1 || true
    fi
}
trap cleanup EXIT

step "apt install"
purged=0
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$deb"

desktop=/usr/share/applications/$app_id.desktop
step "desktop-file-validate, appstreamcli validate, manual pages"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "/usr/share/metainfo/$app_id.metainfo.xml" || fail "appstreamcli"
for page in tessary tessary-library; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
        "/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [[ -z "$warnings" ]] || fail "man $page: $warnings"
done
for icon in scalable/apps/$app_id.svg 48x48/apps/$app_id.png 256x256/apps/$app_id.png; do
    [[ -f /usr/share/icons/hicolor/$icon ]] || fail "icon $icon missing"
done

# Every file of the package with its checksum, and every file under its
# library folder (a file the program added there would show up).
dpkg -L tessary >"$work/files"
snapshot() {
    while read -r f; do
        if [[ -f "$f" ]]; then sha256sum "$f"; fi
    done <"$work/files"
    find /usr/share/tessary -printf '%p %m\n' | sort
}
snapshot >"$work/before"
# Anything made or changed under the prefix from here on is newer than this.
touch "$work/started"

step "the menu entry's command under Xvfb with a fresh HOME"
command=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ *%[A-Za-z]//g')
[[ -n "$command" ]] || fail "no Exec line in $desktop"
home="$work/home"
mkdir -p "$home"
# Xvfb picks a free display itself and writes its number once it accepts
# clients, so neither another X server nor a slow start can get in the way.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
display=""
for _ in $(seq 300); do
    display=$(tr -d '[:space:]' <"$work/display" 2>/dev/null || true)
    [[ -n "$display" ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start"
    sleep 0.1
done
[[ -n "$display" ]] || fail "Xvfb gave no display within 30 s"
export DISPLAY=":$display"

# Started as a menu starts it: in the home, with a plain environment.
(cd "$home" && exec env -i HOME="$home" PATH=/usr/local/bin:/usr/bin:/bin DISPLAY="$DISPLAY" \
    sh -c "$command") >"$work/tessary.log" 2>&1 &
app_pid=$!
window=""
for _ in $(seq 300); do
    window=$(xdotool search --name "T e s s a r y" 2>/dev/null | head -1 || true)
    [[ -n "$window" ]] && break
    sleep 0.1
done
[[ -n "$window" ]] || { cat "$work/tessary.log" >&2; fail "the program did not come up"; }
sleep 1
xdotool windowfocus --sync "$window"
# The first item of each list, three times: the Bible, its first division,
# its first book (Genesis). Home highlights the first item whether or not the
# list has highlighted one already.
for _ in 1 2 3; do
    xdotool key --delay 150 Home Return
    sleep 1.5
done
# Quit, and its first item: with saving.
xdotool key --delay 300 alt+q Return
for _ in $(seq 300); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
    cat "$work/tessary.log" >&2
    fail "the program did not end after Quit with saving"
fi
wait "$app_pid" || fail "the program ended with status $?"
app_pid=""

history="$home/.local/share/tessary/!Tessary.ini"
[[ -f "$history" ]] || fail "no history in the fresh HOME's data folder"
grep -q $'^GEN=1\r$' "$history" || fail "the history does not hold Genesis: $(cat -A "$history")"
step "history in the data folder: $(tr -d '\r' <"$history" | tr '\n' ' ')"

snapshot >"$work/after"
diff "$work/before" "$work/after" || fail "files under the prefix changed"
changed=$(find /usr -newer "$work/started" -print)
[[ -z "$changed" ]] || fail "written under /usr while the program ran: $changed"
[[ -z "$(dpkg --verify tessary)" ]] || fail "dpkg --verify: $(dpkg --verify tessary)"

step "apt purge"
DEBIAN_FRONTEND=noninteractive apt-get purge -y tessary
purged=1
if dpkg -s tessary >/dev/null 2>&1; then
    fail "tessary is still known to dpkg after the purge"
fi
while read -r f; do
    if [[ -f "$f" ]]; then fail "$f is left after the purge"; fi
done <"$work/files"
[[ ! -e /usr/share/tessary ]] || fail "/usr/share/tessary is left after the purge"
step "passed in ${SECONDS} s"
