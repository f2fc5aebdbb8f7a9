#!/usr/bin/env bash
# Reliability checks: fuzzing of the file parsers and the broken-library test.
#
#   scripts/ci-reliability.sh               all, as CI runs them: each fuzz target
#                                           for 10 s, then the broken-library test,
#                                           headless and through the widgets
#   scripts/ci-reliability.sh fuzz [SECS]   the fuzz targets only (default 60 s each)
#   scripts/ci-reliability.sh broken        the broken-library test only
#   scripts/ci-reliability.sh widgets       the broken-library test through the widgets
#
# The fuzz targets are built with clang 14, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz (the preset "fuzz": the targets
# and the program code they link, so that a g++-only construct there fails
# here too; the tests are left to the g++ builds, which keeps CI short). The
# broken-library test uses the sanitizer build of `make asan` in build-asan
# (the preset "asan"), configured here if missing; through the widgets it uses
# the build of `make test` in build (tessary-script-qt on the offscreen
# platform), where every step must end within 2 s.
# Any finding fails the run; a crash input is copied into the target's seed
# corpus (tests/fuzz/corpus/TARGET) so that it stays a regression seed.
set -euo pipefail

cd "$(dirname "$0")/.."
ROOT=$PWD
JOBS=${JOBS:-2}
MODE=${1:-ci}
FUZZ_DIR=${FUZZ_DIR:-build-fuzz}
ASAN_DIR=${ASAN_DIR:-build-asan}
BUILD_DIR=${BUILD_DIR:-build}
TARGETS="index_line catalogue_lines page_loader passages notes_dictionary book_check search_line clicked_word"

export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$ROOT/scripts/lsan.supp:print_suppressions=0

build_fuzz() {
    local missing=()
    for pkg in clang-14 libclang-rt-14-dev python3; do
        dpkg -s "$pkg" 2>/dev/null | grep -q '^Status: install ok installed' || missing+=("$pkg")
    done
    if [ "${#missing[@]}" -gt 0 ]; then
        if [ "$(id -u)" -ne 0 ]; then
            echo "missing: ${missing[*]}; run: sudo apt-get install -y ${missing[*]}" >&2
            exit 1
        fi
        apt-get update
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
    fi
    cmake --preset fuzz -B "$FUZZ_DIR" -DTESSARY_WERROR=ON ${CMAKE_EXTRA:-} >/dev/null
    local targets=()
    for target in $TARGETS; do targets+=("fuzz_$target"); done
    cmake --build "$FUZZ_DIR" -j "$JOBS" --target "${targets[@]}"
}

# Runs one target for $2 seconds on a working copy of its corpus; prints one line.
fuzz_one() {
    local target=$1 seconds=$2
    local work=$FUZZ_DIR/corpus/$target findings=$FUZZ_DIR/findings/$target
    mkdir -p "$work" "$findings"
    local log=$FUZZ_DIR/fuzz-$target.log
    if "$FUZZ_DIR/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len=65536 -print_final_stats=1 -artifact_prefix="$findings/" \
        "$work" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
        local runs
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        echo "fuzz $target: ${runs:-?} runs in ${seconds} s, no finding"
    else
        echo "fuzz $target: FINDING (log: $log)"
        tail -40 "$log"
        for input in "$findings"/*; do
            [ -f "$input" ] && cp "$input" "tests/fuzz/corpus/$target/"
        done
        return 1
    fi
}

run_fuzz() {
    local seconds=$1 failed=0 pids=() names=()
    build_fuzz
    # As many targets at a time as there are jobs.
    for target in $TARGETS; do
        fuzz_one "$target" "$seconds" &
        pids+=($!)
        names+=("$target")
        if [ "${#pids[@]}" -ge "$JOBS" ]; then
            wait "${pids[0]}" || failed=1
            pids=("${pids[@]:1}")
        fi
    done
    for pid in "${pids[@]}"; do
        wait "$pid" || failed=1
    done
    return "$failed"
}

run_broken() {
    if [ ! -x "$ASAN_DIR/tessary-script" ] || [ ! -x "$ASAN_DIR/tessary-library" ]; then
        cmake --preset asan -B "$ASAN_DIR" -DTESSARY_WERROR=ON ${CMAKE_EXTRA:-} >/dev/null
    fi
    cmake --build "$ASAN_DIR" -j "$JOBS" --target tessary-script tessary-library
    python3 tests/broken/run_broken_library.py --build "$ASAN_DIR" --jobs "$JOBS"
}

run_widgets() {
    if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
        cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DTESSARY_WERROR=ON >/dev/null
    fi
    cmake --build "$BUILD_DIR" -j "$JOBS" --target tessary-script-qt tessary-library
    QT_QPA_PLATFORM=offscreen python3 tests/broken/run_broken_library.py --build "$BUILD_DIR" \
        --jobs "$JOBS" --widgets --step-limit 2 --out "$BUILD_DIR/broken-library-widgets"
}

case "$MODE" in
ci)
    status=0
    run_fuzz 10 || status=1
    run_broken || status=1
    run_widgets || status=1
    exit "$status"
    ;;
fuzz) run_fuzz "${2:-60}" ;;
broken) run_broken ;;
widgets) run_widgets ;;
*)
    echo "usage: $0 [ci | fuzz [SECONDS] | broken | widgets]" >&2
    exit 2
    ;;
esac
