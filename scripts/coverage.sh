#!/usr/bin/env bash
# Prints the line coverage of src/ by the tests run in a gcov build (make
# coverage runs them first), folder by folder and in all; fails below the
# floor (90 % unless given).
#   scripts/coverage.sh [BUILD_DIR [FLOOR]]
set -euo pipefail

cd "$(dirname "$0")/.."
BUILD=${1:-build-coverage}
FLOOR=${2:-90}
SUMMARY=$BUILD/coverage.json

gcovr --root . --filter 'src/' --object-directory "$BUILD" --json-summary "$SUMMARY" \
    --gcov-ignore-parse-errors >/dev/null
python3 - "$SUMMARY" "$FLOOR" <<'PY'
import collections, json, sys
summary = json.load(open(sys.argv[1]))
folders = collections.defaultdict(lambda: [0, 0])
for f in summary["files"]:
    folder = "/".join(f["filename"].split("/")[:-1])
    folders[folder][0] += f["line_covered"]
    folders[folder][1] += f["line_total"]
for folder, (covered, total) in sorted(folders.items()):
    print(f"{folder:<16} {covered:>6} of {total:>6} lines  {100.0 * covered / max(total, 1):5.1f} %")
covered, total = summary["line_covered"], summary["line_total"]
percent = 100.0 * covered / max(total, 1)
print(f"line coverage of src/: {covered} of {total} lines = {percent:.1f} %")
if percent < float(sys.argv[2]):
    sys.exit(f"below the floor of {sys.argv[2]} %")
PY
