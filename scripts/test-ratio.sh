#!/usr/bin/env bash
# Prints how large the tests are against the code: the non-blank lines of
# tests/ (*.cpp, *.h, *.tss) over the non-blank lines of the C++ of src/ and
# tools/ (*.cpp, *.h), folder by folder and as a percentage.
set -euo pipefail

cd "$(dirname "$0")/.."

# Non-blank lines of the files under $1 whose names end in one of the rest.
count() {
    local dir=$1
    shift
    local names=()
    for ext in "$@"; do
        names+=(-o -name "*.$ext")
    done
    find "$dir" -type f \( "${names[@]:1}" \) -print0 | xargs -0 -r cat | grep -cv '^[[:space:]]*$' || true
}

tests=0
for dir in tests/*/; do
    n=$(count "$dir" cpp h tss)
    [ "$n" -gt 0 ] && printf '%-24s %6d\n' "${dir%/}" "$n"
    tests=$((tests + n))
done
code=0
for dir in src tools; do
    n=$(count "$dir" cpp h)
    printf '%-24s %6d\n' "$dir" "$n"
    code=$((code + n))
done
awk -v t="$tests" -v c="$code" 'BEGIN { printf "tests %d / code %d = %.1f %%\n", t, c, 100 * t / c }'
